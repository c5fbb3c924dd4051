// vasco-batch and game files: a saved game replayed headless, as the CSV of
// its history or as its sixty-year contest balance.
#pragma once

#include "dataset/UPartie.h"
#include "dataset/UScenario.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>

namespace vasco {

// A game that cannot be replayed.  Code is vasco-batch's exit code: 1 when
// its data file is missing, changed or unreadable, 2 when the game file
// itself is.  Prefixe is what standard error writes before the message (a
// game-file line error names its line on its own, as a scenario error does).
class ErreurPartie : public std::runtime_error {
public:
    ErreurPartie(int code, const std::string& message, std::string prefixe = "vasco-batch : ")
        : std::runtime_error(message), Code(code), Prefixe(std::move(prefixe))
    {
    }
    int Code;
    std::string Prefixe;
};

// A game loaded into a data set, at its period 0, ready to be replayed.
struct TPartieChargee {
    TPartie Partie;
    TScenario Mesures;
    std::filesystem::path Donnees; // the data file found
};

// Reads the game file, finds its data file (beside the game, then in the
// sample folders), checks its digest, seeds the generator and sets the
// options of the data set's host, loads the data and reads the measures.
// Raises ErreurPartie.
TPartieChargee ChargerPartie(const std::filesystem::path& fichier,
                             std::span<const std::filesystem::path> dossiersExemples,
                             TBDVasco& bd);

// The CSV of the game's history over `periodes` periods (past its own the
// last measures stay in force), written period by period.
void EcrireHistorique(const TPartieChargee& partie, int64_t periodes, TBDVasco& bd,
                      std::ostream& sortie);

// The balance table of several games: the header, then one line per file in
// the order given.  Returns whether every file could be used.
bool EcrireBilans(std::span<const std::string> fichiers,
                  std::span<const std::filesystem::path> dossiersExemples, std::ostream& sortie);

} // namespace vasco
