#include "batch/Equilibre.h"

#include "batch/Csv.h"

#include <cmath>
#include <optional>
#include <string>

namespace vasco {

namespace {

constexpr const char* Suffixes[] = {":q05", ":q50", ":q95"};

std::string Champ(double v)
{
    return std::isnan(v) ? std::string() : ChampCsv(v);
}

std::string Ligne(const char* nom, const std::optional<TPointEquilibre>& point, size_t chiffres,
                  bool quantiles)
{
    std::string ligne = nom;
    if (!point) {
        // No such point: every field empty.
        const size_t vides = 2 + chiffres * (quantiles ? 3 : 1);
        return ligne.append(vides, ',') + '\n';
    }
    ligne += ',' + Champ(point->Facteur);
    for (const TChiffre& c : point->Chiffres) {
        if (quantiles)
            for (double q : {c.Q05, c.Q50, c.Q95})
                ligne += ',' + Champ(q);
        else
            ligne += ',' + Champ(c.Q50);
    }
    return ligne + (point->Stable ? ",1\n" : ",0\n");
}

} // namespace

void EcrireEquilibre(const TEquilibre& e, bool quantiles, std::ostream& sortie)
{
    const auto noms = NomsChiffresEquilibre(e.Especes);
    std::string entete = "point,facteur";
    for (const auto& [nom, suffixe] : noms) {
        if (!quantiles)
            entete += ',' + ChampNom(nom, suffixe);
        else
            for (const char* q : Suffixes)
                entete += ',' + ChampNom(nom, suffixe + q);
    }
    sortie << entete << ",stable\n";
    for (const TPointEquilibre& p : e.Grille)
        sortie << Ligne("", p, noms.size(), quantiles);
    sortie << Ligne("RMD", e.RMD, noms.size(), quantiles);
    sortie << Ligne("REM", e.REM, noms.size(), quantiles);
    sortie << Ligne("acces_libre", e.AccesLibre, noms.size(), quantiles);
    sortie << Ligne("actuel", e.Actuel, noms.size(), quantiles);
}

} // namespace vasco
