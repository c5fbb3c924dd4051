#include "dataset/UDiagramme.h"

#include "biology/Ubiolo.h"
#include "dataset/UChamps.h"
#include "dataset/UPartie.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "model/UNombres.h"

#include <cmath>

namespace vasco {

namespace {

void Ligne(std::string& texte, std::string_view cible, const std::string& nom,
           std::string_view mesure, const std::string& valeur)
{
    texte += "0;";
    texte += cible;
    texte += ';' + nom + ';';
    texte += mesure;
    texte += ';' + valeur + '\n';
}

// The figures measured in money, and the one in weight.
bool EnMonnaie(int chiffre)
{
    switch (chiffre) {
    case ChiffreEq::CA:
    case ChiffreEq::Couts:
    case ChiffreEq::Benefice:
    case ChiffreEq::SubventionsNettes:
    case ChiffreEq::Rente: return true;
    default: return false;
    }
}

std::string Champ(double v)
{
    return std::isnan(v) ? std::string() : NeufChiffres(v);
}

std::string LigneCsv(const char* nom, const std::optional<TPointEquilibre>& point,
                     size_t chiffres, bool quantiles, const TEchellesEquilibre& echelles)
{
    std::string ligne = nom;
    if (!point)
        return ligne.append(2 + chiffres * (quantiles ? 3 : 1), ',') + '\n';
    ligne += ',' + Champ(point->Facteur);
    for (size_t c = 0; c < point->Chiffres.size(); ++c) {
        const TChiffre& q = point->Chiffres[c];
        const int chiffre = static_cast<int>(c);
        if (quantiles)
            for (double v : {q.Q05, q.Q50, q.Q95})
                ligne += ',' + Champ(EnEchelle(v, chiffre, echelles));
        else
            ligne += ',' + Champ(EnEchelle(q.Q50, chiffre, echelles));
    }
    return ligne + (point->Stable ? ",1\n" : ",0\n");
}

} // namespace

std::string TexteMesuresEnVigueur(const TBDVasco& bd)
{
    const int periodesAn = bd.NbPeriodesAn;
    std::string texte;
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        const auto& metier = bd.Metiers.A<TMetierEco>(i);
        for (const TDefMesure& m : Mesures())
            if (!m.SurEspece())
                Ligne(texte, "metier", metier.Nom, m.Nom,
                      ValeurEcrite(m, m.Valeur(metier.Courante()), periodesAn));
    }
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        const auto& espece = bd.Especes.A<TEspece>(i);
        for (const TDefMesure& m : Mesures())
            if (m.SurEspece())
                Ligne(texte, "espece", espece.Nom, m.Nom,
                      m.EnVigueur(espece.Courant())
                          ? ValeurEcrite(m, m.Valeur(espece.Courant()), periodesAn)
                          : std::string("off"));
    }
    return texte;
}

TScenario ScenarioEnVigueur(const TBDVasco& bd)
{
    return LireScenario(TexteMesuresEnVigueur(bd), bd);
}

std::vector<TValeursMesures> MesuresEnVigueur(const TBDVasco& bd)
{
    std::vector<TValeursMesures> mesures;
    for (int i = 0; i < bd.Metiers.Nombre(); ++i)
        mesures.push_back(ValeursMesures(bd.Metiers.A<TMetierEco>(i).Courante()));
    for (int i = 0; i < bd.Especes.Nombre(); ++i)
        mesures.push_back(ValeursMesures(bd.Especes.A<TEspece>(i).Courant()));
    return mesures;
}

double EnEchelle(double valeur, int chiffre, const TEchellesEquilibre& echelles)
{
    long double diviseur = 1;
    if (EnMonnaie(chiffre))
        diviseur = echelles.Monnaie;
    else if (chiffre == ChiffreEq::PoidsDebarque)
        diviseur = echelles.Poids;
    if (diviseur == 0)
        diviseur = 1;
    return static_cast<double>(valeur / diviseur);
}

void EcrireEquilibreEchelles(const TEquilibre& e, bool quantiles,
                             const TEchellesEquilibre& echelles, std::ostream& sortie)
{
    const auto noms = NomsChiffresEquilibre(e.Especes);
    std::string entete = "point,facteur";
    for (const auto& [nom, suffixe] : noms) {
        if (!quantiles)
            entete += ',' + ChampNom(nom, suffixe);
        else
            for (const char* q : {":q05", ":q50", ":q95"})
                entete += ',' + ChampNom(nom, suffixe + q);
    }
    sortie << entete << ",stable\n";
    for (const TPointEquilibre& p : e.Grille)
        sortie << LigneCsv("", p, noms.size(), quantiles, echelles);
    sortie << LigneCsv("RMD", e.RMD, noms.size(), quantiles, echelles);
    sortie << LigneCsv("REM", e.REM, noms.size(), quantiles, echelles);
    sortie << LigneCsv("acces_libre", e.AccesLibre, noms.size(), quantiles, echelles);
    sortie << LigneCsv("actuel", e.Actuel, noms.size(), quantiles, echelles);
}

} // namespace vasco
