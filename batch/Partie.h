// vasco-batch and game files: a saved game replayed headless, as the CSV of
// its history or as its sixty-year contest balance.
#pragma once


#include <cstdint>
#include <filesystem>
#include <optional>
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

// Replays the game file and writes the CSV of its history over `periodes`
// periods (the game's own when not given; past them its last measures stay
// in force), row by row as the periods are simulated.  Its data file is
// looked for where the game names it, beside it, then in the sample folders.
// Raises ErreurPartie.
void EcrireHistorique(const std::filesystem::path& fichier, std::optional<int64_t> periodes,
                      std::span<const std::filesystem::path> dossiersExemples,
                      std::ostream& sortie);

// The balance table of several games: the header, then one line per file in
// the order given.  Returns whether every file could be used.
bool EcrireBilans(std::span<const std::string> fichiers,
                  std::span<const std::filesystem::path> dossiersExemples, std::ostream& sortie);

} // namespace vasco
