// A class of games of one fishery, as students hand them in: each game
// played from the same data file with its own options, its own seed and its
// own measures, and saved as a game file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vasco::test {

// One student's game: its file name (without extension), how many periods
// it plays, its random options, and the factor its fleet's vessels are
// multiplied by at period ChangementA (1: kept), on the métier of index
// Metier.
struct TEleve {
    std::string Nom;
    int Periodes = 24;
    bool Recrutement = false;
    bool Croissance = false;
    double Facteur = 1;
    int ChangementA = 4;
    int Metier = 0;
};

// Plays each student's game on a copy of the data file `donnees` (a name
// of data/) written in `dossier`, and saves it there as Nom.vsp; returns
// the game files in the order of `eleves`.  Each load takes its seed from
// the clock, as a student's does.
std::vector<std::filesystem::path> FaireClasse(const std::filesystem::path& dossier,
                                               const std::string& donnees,
                                               const std::vector<TEleve>& eleves);

// The same with any data file, given by its path: its copy in `dossier`
// takes its file name.
std::vector<std::filesystem::path> FaireClasseDe(const std::filesystem::path& dossier,
                                                 const std::filesystem::path& donnees,
                                                 const std::vector<TEleve>& eleves);

// n students of golfe.vsc-like fisheries: random options on and off in
// turns, the fleet of a métier halved, kept, doubled or multiplied by 1.5
// in turns, and the games 0, 4, 8 ... periods shorter than `periodes`.
std::vector<TEleve> ClasseVariee(int n, int periodes);

} // namespace vasco::test
