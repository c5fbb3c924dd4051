// A student's game of sixty years for the comparison benchmarks, written
// as its game file: both random options, a seed of its own, and every year
// a number of days at sea on one métier that differs from student to
// student, so that no two games give the same numbers.
#pragma once

#include "model/USha256.h"

#include <string>

namespace vasco::bench {

// The game file of student `eleve` on the data file `donnees`, named
// `nomDonnees` beside it, of `periodes` periods.
inline std::string TexteDePartie(const std::string& donnees, const std::string& nomDonnees,
                                 const std::string& metier, int eleve, int periodes)
{
    std::string texte = "# Partie Vasco\ndonnees;" + nomDonnees + ";" + Sha256Hex(donnees) +
                        "\ngraine;" + std::to_string(1000 + 7919 * eleve) +
                        "\noptions;1;1;0\nperiodes;" + std::to_string(periodes) + "\n";
    for (int p = 0; p < periodes; p += 4)
        texte += std::to_string(p) + ";metier;" + metier + ";jours;" +
                 std::to_string(10 + (p + 3 * eleve) % 50) + "\n";
    return texte;
}

} // namespace vasco::bench
