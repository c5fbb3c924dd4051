// Small data files written in the tests: species records and the top level
// around them, without métiers.
#pragma once

#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "tests/support/Support.h"

#include <array>
#include <string>
#include <vector>

namespace vasco::test {

struct Saison {
    int RecrutementDebut = 0;
    std::vector<float> Recrues; // classes RecrutementDebut, +1, ...
    int ClasseDebut = 10;
    int Repetitions = 1;
    // Croissance, Poids, MortaliteNaturelle of each line.
    std::vector<std::array<float, 3>> Classes;
};

using Lignes = std::vector<std::array<float, 3>>;

inline Saison SaisonDe(Lignes classes, int recrutementDebut = 0, std::vector<float> recrues = {})
{
    Saison s;
    s.Classes = std::move(classes);
    s.RecrutementDebut = recrutementDebut;
    s.Recrues = std::move(recrues);
    return s;
}

struct Espece {
    std::string Nom = "Sole";
    float Alea = 0.5f;
    int Seuil = 0;
    int Maturite = 10;
    std::vector<Saison> Saisons;
};

inline std::string Texte(const Espece& e)
{
    std::string t = e.Nom + "\n--\n" + std::to_string(e.Alea) + "\n7\n" + std::to_string(e.Seuil) +
                    "\n" + std::to_string(e.Maturite) + "\n";
    for (const Saison& s : e.Saisons) {
        const int64_t fin = int64_t(s.RecrutementDebut) + int64_t(s.Recrues.size()) - 1;
        t += std::to_string(s.RecrutementDebut) + " " + std::to_string(fin) + "\n";
        if (s.RecrutementDebut > 0)
            for (float r : s.Recrues)
                t += std::to_string(r) + "\n";
        const int64_t cfin = int64_t(s.ClasseDebut) + int64_t(s.Classes.size()) - 1;
        t += std::to_string(s.ClasseDebut) + " " + std::to_string(cfin) + " " +
             std::to_string(s.Repetitions) + "\n";
        for (const auto& c : s.Classes)
            t += std::to_string(c[0]) + " " + std::to_string(c[1]) + " " + std::to_string(c[2]) +
                 "\n";
    }
    return t;
}

// A whole file: every display scale k has the maximum 100 + k, the divisor
// given (1 unless said) and the unit "u<k>"; sizes shown from 5 to 40.
inline std::string Fichier(int periodesAn, const std::vector<std::string>& especes,
                           std::array<float, 15> diviseurs = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                              1, 1})
{
    std::string t = "0\n" + std::to_string(periodesAn) + "\nTrimestres\n" +
                    std::to_string(especes.size()) + "\n";
    for (const std::string& e : especes)
        t += e;
    t += "--\n0\n--\n";
    for (int k = 0; k < 15; ++k)
        t += std::to_string(100 + k) + " " + std::to_string(diviseurs[k]) + "\nu" +
             std::to_string(k) + "\n";
    return t + "5 40\n";
}

inline TEspece& EspeceN(TBDVasco& bd, int i)
{
    return bd.Especes.A<TEspece>(i);
}

inline TTailleES& Classe(const TPeriodeES& p, int i)
{
    return p.Tailles.A<TTailleES>(i);
}

inline std::vector<float> Effectifs(const TPeriodeES& p)
{
    std::vector<float> v;
    for (int i = 0; i < p.Tailles.Nombre(); ++i)
        v.push_back(Classe(p, i).Effectif);
    return v;
}

} // namespace vasco::test
