// vasco-batch --comparer: a class's games of one fishery, replayed on
// threads, and per period the 5 %, 50 % and 95 % quantiles of every column of
// the CSV over the games that reach it.
//
// The first game that opens (its data file found as --partie finds it) gives
// the reference data file; every game, that one included, is then replayed
// from the reference's bytes, each up to its own last period.  The values of
// each game are kept, and the quantiles computed period by period once all
// are replayed: the number of threads changes nothing in the output.
#pragma once

#include <filesystem>
#include <ostream>
#include <span>
#include <string>

namespace vasco {

// Replays the games and writes the table of quantiles on `sortie` (nothing
// when no game could be used); on `erreurs`, first one line per game left
// out, in file order ("vasco-batch : FICHIER : reason"), then the guard
// messages of each game's replay, in file order, each line prefixed
// "FICHIER : ".  Returns whether every game was used.
bool EcrireComparaison(std::span<const std::string> fichiers,
                       std::span<const std::filesystem::path> dossiersExemples, unsigned fils,
                       std::ostream& sortie, std::ostream& erreurs);

} // namespace vasco
