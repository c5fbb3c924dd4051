// Game files: a game kept as a text a teacher can read, replayed number for
// number.
//
// A game file names its data file (and its SHA-256), the seed drawn at load,
// the options ticked at load and the number of simulated periods; its period
// lines are scenario lines (the measures entered, each when it changed) and
// two more kinds: a change of a random option, and the generator's state
// before a period when it does not follow from the draws of the period before
// (after a step back, stepping again draws new numbers).
//
//   # Partie Vasco
//   donnees;CHEMIN;SHA256
//   graine;N
//   options;R;C;K
//   periodes;N
//   PERIODE;metier|espece;NOM;MESURE;VALEUR
//   PERIODE;option;;recrutement_aleatoire|croissance_aleatoire;0|1
//   PERIODE;generateur;;etat;N
//
// A period line applies once PERIODE periods have been simulated, before the
// next one.  Replaying a game is: seed the generator, set the options, load
// the data file, then for each period apply its lines and step.
#pragma once

#include "dataset/UScenario.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vasco {

class THote;

// The most periods a game, a run or a replay may count.
inline constexpr int64_t MaxPeriodes = 1000000;

enum class TOptionAleatoire : uint8_t { Recrutement, Croissance };

struct TLigneOption {
    int Ligne = 0;
    int64_t Periode = 0;
    TOptionAleatoire Option = TOptionAleatoire::Recrutement;
    bool Valeur = false;
};

struct TLigneGenerateur {
    int Ligne = 0;
    int64_t Periode = 0;
    uint32_t Etat = 0;
};

// A game file as read, before its data file is loaded.
struct TPartie {
    std::string Donnees;   // the data file, as written (absolute or relative)
    std::string Empreinte; // SHA-256 of its bytes, 64 lower-case hex digits
    uint32_t Graine = 0;
    bool Recrutement = false; // options at load
    bool Croissance = false;
    bool Concours = false;
    int64_t Periodes = 0;
    std::vector<TLigneOption> Options;        // in period order
    std::vector<TLigneGenerateur> Generateur; // in period order
    // The measure lines, kept as text until the data set is loaded: their
    // names and limits are checked against it (Mesures).
    std::vector<std::pair<int, std::string>> LignesMesures;

    // The measure lines read against the loaded data set; raises
    // ErreurScenario ("partie ligne N: ...").
    TScenario Mesures(const TBDVasco& bd) const;
};

// Reads the form of a game file; raises ErreurScenario ("partie ligne N:
// <what was expected>") at the first faulty line.  Measure lines are only
// split here: their names and values need the data set.
TPartie LirePartie(std::string_view texte);

// A scenario as its file holds it: every measure line read and checked
// against the data set.  A game file's own lines (header, option changes,
// generator states) are checked for form and otherwise ignored, so that a
// saved game serves as a scenario.  Raises ErreurScenario ("scenario ligne
// N: ...") at the first faulty line.
TScenario LireScenario(std::string_view texte, const TBDVasco& bd);

// Before loading the data file: the seed and the options at load.
void AmorcerPartie(const TPartie& partie, THote& hote);

// The period lines of period p (options, measures, generator state), applied
// to the data set and its host.
void AppliquerPeriode(const TPartie& partie, const TScenario& mesures, int64_t p, TBDVasco& bd);

// Simulates `periodes` periods of the loaded game, each after its lines, then
// applies the lines entered for the next one.  Past the game's own periods
// the last measures and options stay in force.  `suivi`, when given, is told
// the number of periods simulated: 0 before the first, then after each.
void Rejouer(const TPartie& partie, const TScenario& mesures, int64_t periodes, TBDVasco& bd,
             const std::function<void(int64_t)>& suivi = {});

// The game file of the data set's history: its loaded data file is named
// `donnees` (as it should be written) with the digest `empreinte`.
std::string EcrirePartie(const TBDVasco& bd, std::string_view donnees, std::string_view empreinte,
                         bool concours);

// The number as a measure line writes it: reading it back through the
// measure table stores the same 32-bit float (or the same size).
std::string ValeurEcrite(const TDefMesure& mesure, long double stockee, int periodesAn);

// Where the data file of a game lies: its path (relative to the game file's
// folder), then its name beside the game file, then its name in each sample
// folder.  The first whose content has the game's digest wins.
struct TDonneesTrouvees {
    std::filesystem::path Chemin; // empty when no candidate exists
    std::string Contenu;          // its bytes
    bool Conforme = false;        // its digest is the game's
};
TDonneesTrouvees TrouverDonnees(const TPartie& partie, const std::filesystem::path& fichierPartie,
                                std::span<const std::filesystem::path> dossiersExemples);

// "Le fichier de données golfe.vsc a changé depuis l'enregistrement de la
// partie", and the message of a data file found nowhere.
std::string MessageDonneesChangees(const std::string& donnees);
std::string MessageDonneesIntrouvables(const std::string& donnees);

// How a game file names its data file: relative to the game file's folder
// when it lies there or below, absolute otherwise; '/' as separator.
std::string CheminDonnees(const std::filesystem::path& donnees,
                          const std::filesystem::path& fichierPartie);

} // namespace vasco
