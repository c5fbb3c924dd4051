// A large generated fishery, the same for the benchmarks, the byte-for-byte
// regression test of vasco-batch and the whole-process measures.
//
// 20 species of 120 size classes and 30 métiers fishing 5 to 10 species each,
// with 4 periods a year: about the largest fishery a teacher would describe
// by hand, several times golfe.vsc.  The text must never change: the
// regression test keeps the hashes of the CSV of its runs.
#pragma once

#include "dataset/Ubd.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

namespace vasco::test {

namespace generee {

constexpr int NbEspeces = 20;
constexpr int NbClasses = 120;
constexpr int PremiereClasse = 5;
constexpr int NbMetiers = 30;
constexpr int NbPeriodesAn = 4;

// One species: growth slowing towards 130 cm (von Bertalanffy, capped so
// that no fish grows past the last class), weight 1e-5 L^3 kg, natural
// mortality 0.05 a quarter, recruits into 5 to 9 cm in one season a year.
inline void Espece(std::ostringstream& f, int s)
{
    const int derniere = PremiereClasse + NbClasses - 1;
    f << "Espece " << s << "\n----\n0.5\n0\n20\n40\n";
    for (int saison = 0; saison < NbPeriodesAn; ++saison) {
        if (saison == s % NbPeriodesAn) {
            f << PremiereClasse << " " << PremiereClasse + 4 << "\n";
            for (int c = 0; c < 5; ++c)
                f << 100000 << "\n";
        } else {
            f << "0 0\n";
        }
        f << PremiereClasse << " " << derniere << " 1\n";
        for (int l = PremiereClasse; l <= derniere; ++l) {
            const double croissance =
                std::min((130.0 - l) * (1 - std::exp(-0.2 / 4)), static_cast<double>(derniere - l));
            f << croissance << " " << 1e-5 * l * l * l << " 0.05\n";
        }
    }
}

// One métier: species picked three apart from a start that moves with the
// métier, so every species is fished by several fleets.
inline void Metier(std::ostringstream& f, int m)
{
    const int nbEspeces = 5 + m % 6;
    f << "Metier " << m << "\n----\n50000\n300\n4\n15\n"
      << 60 + 10 * (m % 5) << "\n"
      << nbEspeces << "\n";
    for (int k = 0; k < nbEspeces; ++k) {
        f << "Espece " << (m * 7 + k * 3) % NbEspeces << "\n----\n0.2\n0.3\n0.2\n"
          << (m % 3 == 0 ? 0.8 : -1.0) << "\n";
        for (int saison = 0; saison < NbPeriodesAn; ++saison) {
            const double q = 4e-5 * (1 + 0.25 * saison);
            f << "3\n" << PremiereClasse << "\n";
            f << PremiereClasse << " 30 1.5 " << q << "\n";
            f << "31 60 3 " << q << "\n";
            f << "61 " << PremiereClasse + NbClasses - 1 << " 5 " << q << "\n";
        }
    }
    f << "----\n" << 10 + m % 7 << "\n80\n";
}

} // namespace generee

// The data file of the generated fishery.
inline const std::string& TextePecherieGeneree()
{
    static const std::string texte = [] {
        using namespace generee;
        std::ostringstream f;
        f << "1\nPêcherie générée pour les mesures\n"
          << NbPeriodesAn << "\nTrimestres\n"
          << NbEspeces << "\n";
        for (int s = 0; s < NbEspeces; ++s)
            Espece(f, s);
        f << "----\n" << NbMetiers << "\n";
        for (int m = 0; m < NbMetiers; ++m)
            Metier(f, m);
        f << "----\n";
        for (int k = 0; k < NbEchelles; ++k)
            f << "1000 1\nunité " << k << "\n";
        f << PremiereClasse << " " << PremiereClasse + NbClasses - 1 << "\n";
        return f.str();
    }();
    return texte;
}

} // namespace vasco::test
