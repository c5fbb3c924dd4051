// The display scales of the sample fisheries against what their graphs show.
// Each sample is loaded, run sixty years at the file's measures and again
// with every métier's vessels doubled, and every graph of the catalogue is
// opened through a recording host; its values are compared with the top of
// its Y axis as the window rounds the file's maximum.  At the loaded
// measures every graph fits under its top, and each global graph, and the
// largest element of the others, reaches at least 40 % of it; the métiers'
// graphs that share the money and weight scales with the global ones only
// have to fit.  With the vessels doubled every graph but F by size still
// fits.  A graph whose values are all 0 at the loaded measures is exempt.
#include "dataset/UCatalogue.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "model/UAxe.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <span>
#include <string>
#include <vector>

namespace vasco::test {
namespace {

// The top of a Y axis asked for with a maximum m, as the graph window
// rounds it.
long double HautAxe(float maximum)
{
    float pas = 0;
    return MaximumArrondi(maximum, 0, pas);
}

// The largest value of one list's elements as a window draws them: both
// series of a double graph; for the bars of turnover and costs, the
// turnover or the costs (turnover less the profit), whichever is higher;
// for a symmetric graph the largest absolute value.  Over sizes, only the
// classes of the file's size axis.
long double PlusGrandeValeur(const TLigneGraphe& ligne, const TParamGraphe& p, TSupListe& liste)
{
    long double plus = 0;
    for (int i = 0; i < liste.Nombre(); ++i) {
        const int32_t numero = liste.Premier + i;
        if (ligne.ParTaille && (numero < p.XMin || numero > p.XMax))
            continue;
        TEL& e = liste.Element(i);
        const long double a = e.Calcul(p.Code, p.Contexte);
        long double v = a;
        if (ligne.Famille == TFamilleGraphe::Eco)
            v = std::max(a, a - e.Calcul(p.Code2, p.Contexte));
        else if (p.Code2 != 0)
            v = std::max(a, e.Calcul(p.Code2, p.Contexte));
        if (ligne.Symetrique)
            v = std::max(std::fabs(a), v);
        plus = std::max(plus, v);
    }
    return plus;
}

// The largest value a window shows over every period of the run: a graph
// over sizes shows, at each period, that period's sub-list of sizes.
long double PlusGrandeValeur(const TLigneGraphe& ligne, const TParamGraphe& p)
{
    if (!ligne.ParTaille)
        return PlusGrandeValeur(ligne, p, *p.Liste);
    long double plus = 0;
    for (int k = 0; k < p.Liste->Nombre(); ++k)
        if (TSupListe* tailles = p.Liste->Element(k).SousListe(p.CodeListe))
            plus = std::max(plus, PlusGrandeValeur(ligne, p, *tailles));
    return plus;
}

// What one catalogue row showed over a run: the largest value of each of
// its windows (one per element), by window title.
struct Releve {
    std::vector<std::string> Titres;
    std::vector<long double> Maxima;

    long double Plus() const
    {
        return Maxima.empty() ? 0 : *std::max_element(Maxima.begin(), Maxima.end());
    }
};

// Sixty years from the file, the vessels of every métier's open condition
// multiplied by facteur each period; then every graph of the catalogue is
// opened and read over all the periods.
std::vector<Releve> Executer(const std::string& fichier, float facteur)
{
    TBDVasco bd;
    bd.Charger(FichierDonnees(fichier));
    std::vector<float> navires;
    for (int m = 0; m < bd.Metiers.Nombre(); ++m)
        navires.push_back(bd.Metiers.A<TMetierEco>(m).Courante().NbNavires * facteur);
    for (int k = 0; k < 60 * bd.NbPeriodesAn; ++k) {
        for (int m = 0; m < bd.Metiers.Nombre(); ++m)
            bd.Metiers.A<TMetierEco>(m).Courante().NbNavires = navires[m];
        bd.Pas();
    }
    std::vector<Releve> releves;
    for (const TLigneGraphe& ligne : CatalogueGraphes()) {
        HoteEnregistreur hote;
        bd.OuvrirGraphes(ligne, hote);
        Releve& releve = releves.emplace_back();
        for (const TParamGraphe& p : hote.Graphes) {
            releve.Titres.push_back(p.Titre);
            releve.Maxima.push_back(PlusGrandeValeur(ligne, p));
        }
    }
    return releves;
}

// Whether the métiers' graphs of a row share its scale with a global graph:
// then they only have to fit.
bool EchelleGlobale(const TLigneGraphe& ligne)
{
    const auto catalogue = CatalogueGraphes();
    return ligne.Element != TElementGraphe::Espece &&
           std::any_of(catalogue.begin(), catalogue.end(), [&](const TLigneGraphe& l) {
               return l.Element == TElementGraphe::Global && l.Echelle == ligne.Echelle;
           });
}

// Whether a value reaches 40 % of a top: compared as 10 v >= 4 top, exact
// for the whole numbers of a sample (12 thousand days on an axis of 30).
bool Remplit(long double valeur, long double haut)
{
    return valeur * 10 >= haut * 4;
}

class EchellesEchantillon : public testing::TestWithParam<const char*> {};

// A graph that does not reach 40 % of its top is accepted only when its top
// is the lowest the window can round to that still holds the doubled fleet:
// the rows of the rounding leave no axis between the two.
TEST_P(EchellesEchantillon, ChaqueGrapheTientSousSonAxeEtLeRemplit)
{
    TBDVasco bd;
    bd.Charger(FichierDonnees(GetParam()));
    const auto charge = Executer(GetParam(), 1);
    const auto double_ = Executer(GetParam(), 2);
    const bool tableau = std::getenv("VASCO_ECHELLES_TABLEAU") != nullptr;
    const auto catalogue = CatalogueGraphes();
    ASSERT_EQ(charge.size(), catalogue.size());
    for (size_t r = 0; r < catalogue.size(); ++r) {
        const TLigneGraphe& ligne = catalogue[r];
        const float maximum = bd.EchelleMax.at(ligne.Echelle);
        const long double haut = HautAxe(ligne.Symetrique ? maximum / 10 : maximum);
        const long double plus = charge[r].Plus(), plusDouble = double_[r].Plus();
        SCOPED_TRACE(std::string(ligne.Libelle) + " (" + ligne.Titre + "), échelle " +
                     std::to_string(ligne.Echelle));
        if (tableau)
            std::cout << ligne.Echelle << " | " << ligne.Titre << " | " << double(plus) << " / "
                      << double(haut) << " = " << double(100 * plus / haut) << " % | x2 "
                      << double(100 * plusDouble / haut) << " %\n";
        ASSERT_FALSE(charge[r].Maxima.empty());
        if (plus == 0)
            continue;
        EXPECT_LE(plus, haut);
        if (ligne.Echelle == EchelleNavires) {
            EXPECT_EQ(plusDouble, 2 * plus) << "la flotte doublée";
        }
        const bool avecDouble = ligne.Echelle != EchelleFTaille;
        if (avecDouble) {
            EXPECT_LE(plusDouble, haut) << "navires doublés";
        }
        const bool auPlusBas = avecDouble && HautAxe(static_cast<float>(plusDouble)) == haut;
        if (!EchelleGlobale(ligne) || ligne.Element == TElementGraphe::Global) {
            EXPECT_TRUE(Remplit(plus, haut) || auPlusBas)
                << static_cast<double>(100 * plus / haut) << " % de l'axe";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Echantillons, EchellesEchantillon,
                         testing::Values("golfe.vsc", "simple.vsc"));

} // namespace
} // namespace vasco::test
