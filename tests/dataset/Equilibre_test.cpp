// The equilibrium against the size of the fleets: each point is the plain run
// of its scaled vessel counts, the points of a fishery worked out by hand,
// the settled mark near a collapse, the parameters refused.  The same
// figures on any number of threads: tests/batch/Fils_test.cpp.
#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "dataset/UEquilibre.h"
#include "dataset/UPartie.h"
#include "dataset/UTirages.h"
#include "economics/Ueco.h"
#include "model/UNombres.h"
#include "model/Ulecteur.h"
#include "model/Uperiode.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace vasco {
namespace {

using test::FichierDonnees;
using test::FichierTest;

std::string Octets(const std::string& chemin)
{
    const auto texte = LireTexte(chemin);
    EXPECT_TRUE(texte) << chemin;
    return texte.value_or("");
}

TParamEquilibre Parametres(const std::string& chemin, const std::string& scenario = "")
{
    TParamEquilibre p;
    p.Donnees = Octets(chemin);
    TBDVasco bd;
    TLecteur lecteur(p.Donnees);
    bd.Charger(lecteur);
    p.Scenario = LireScenario(scenario, bd);
    return p;
}

const TChiffre& Chiffre(const TPointEquilibre& p, int chiffre)
{
    return p.Chiffres.at(static_cast<size_t>(chiffre));
}

// ------------------------------------------------ a point is a plain run

// The figures of a plain run, read from the records of the data set: the
// means per period over the last twenty years, as the table defines them.
std::vector<double> MoyennesSimulation(const std::string& donnees, const std::string& scenario,
                                       int annees, bool recrutement, uint32_t graine)
{
    FixerGraine(graine);
    THoteSansFenetre hote;
    hote.Recrutement = recrutement;
    TBDVasco bd(&hote);
    TLecteur lecteur(donnees);
    bd.Charger(lecteur);
    const TScenario s = LireScenario(scenario, bd);
    const int periodes = annees * bd.NbPeriodesAn;
    const int debut = periodes - 20 * bd.NbPeriodesAn;
    std::vector<long double> somme(ChiffreEq::PremiereEspece + bd.Especes.Nombre());
    for (int p = 1; p <= periodes; ++p) {
        s.Appliquer(p - 1, bd);
        bd.Pas();
        if (p <= debut)
            continue;
        const auto& b = bd.Bilans.A<TPeriodeBilan>(p - 1);
        for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
            const auto& c = bd.Metiers.A<TMetierEco>(m).Conditions.A<TCondition>(p - 1);
            somme[ChiffreEq::JoursMer] += static_cast<long double>(c.NbNavires) * c.NbJours;
        }
        somme[ChiffreEq::PoidsDebarque] += b.PoidsDebarque;
        somme[ChiffreEq::CA] += b.CA;
        somme[ChiffreEq::Couts] += static_cast<long double>(b.CA) - b.Benefice;
        somme[ChiffreEq::Benefice] += b.Benefice;
        somme[ChiffreEq::SubventionsNettes] += b.SubventionsNettes;
        somme[ChiffreEq::Rente] += static_cast<long double>(b.Benefice) - b.SubventionsNettes;
        somme[ChiffreEq::Effectifs] += b.Effectifs;
        for (int e = 0; e < bd.Especes.Nombre(); ++e) {
            const auto& espece = bd.Especes.A<TEspece>(e);
            somme[ChiffreEq::PremiereEspece + e] +=
                100 * espece.Periodes.A<TPeriodeES>(p - 1).BiomasseFeconde /
                static_cast<long double>(espece.BiomasseFecondeVierge);
        }
    }
    std::vector<double> moyennes;
    for (long double s : somme)
        moyennes.push_back(static_cast<double>(s / (periodes - debut)));
    return moyennes;
}

// The scaled vessel count as a person would write it in a scenario: the
// product rounded to a float, in nine digits (enough to read it back).
std::string Navires(double f, float navires)
{
    return NeufChiffres(static_cast<double>(static_cast<float>(f * navires)));
}

// Each case: a fishery, its own scenario, the factor, the métier scaled
// (-1 for all) and the scenario a person would write for that point.
TEST(Equilibre, UnPointEstLaSimulationSimpleDeSesNaviresMultiplies)
{
    struct Cas {
        const char* Nom;
        std::string Fichier;
        std::string Scenario;
        double Facteur;
        int Metier;
        std::string Multiplie;
        bool Recrutement;
    };
    const double f = 0.7;
    const std::vector<Cas> cas = {
        {"simple, le scénario change navires et maillage en cours de route",
         FichierDonnees("simple.vsc"),
         "7;metier;Chalutiers;navires;14\n5;metier;Chalutiers;maillage;60\n", f, -1,
         "0;metier;Chalutiers;navires;" + Navires(f, 10) + "\n7;metier;Chalutiers;navires;" +
             Navires(f, 14) + "\n5;metier;Chalutiers;maillage;60\n",
         false},
        {"simple, recrutement aléatoire, trois tirages", FichierDonnees("simple.vsc"), "", 1.35, -1,
         "0;metier;Chalutiers;navires;" + Navires(1.35, 10) + "\n", true},
        {"golfe, un seul métier multiplié", FichierDonnees("golfe.vsc"),
         "3;metier;Fileyeurs;navires;11\n4;metier;Chalutiers langoustiniers;navires;9\n", 1.45, 1,
         "", false},
    };
    for (Cas c : cas) {
        SCOPED_TRACE(c.Nom);
        TParamEquilibre p = Parametres(c.Fichier, c.Scenario);
        if (c.Metier >= 0) {
            // The scaled métier's line of the scenario, and its count from
            // the data file, scaled; the other métier's line as it is.
            TBDVasco bd;
            TLecteur lecteur(p.Donnees);
            bd.Charger(lecteur);
            const auto& m = bd.Metiers.A<TMetierEco>(c.Metier);
            ASSERT_EQ(m.Nom, "Chalutiers langoustiniers");
            c.Multiplie =
                "0;metier;Chalutiers langoustiniers;navires;" +
                Navires(c.Facteur, m.Courante().NbNavires) +
                "\n3;metier;Fileyeurs;navires;11\n4;metier;Chalutiers langoustiniers;navires;" +
                Navires(c.Facteur, 9) + "\n";
            p.Metier = c.Metier;
        }
        p.Debut = p.Fin = c.Facteur;
        p.Annees = 25;
        p.Recrutement = c.Recrutement;
        p.Tirages = 3;
        p.Graine = 99;
        const auto e = CalculerEquilibre(p);
        ASSERT_TRUE(e);
        ASSERT_EQ(e->Grille.size(), 1u);
        const TPointEquilibre& point = e->Grille[0];
        EXPECT_EQ(point.Facteur, c.Facteur);

        // Three draws: the quantiles at 5 %, 50 % and 95 % are the least,
        // the middle and the largest of the draws, each figure on its own.
        std::vector<std::vector<double>> tirages;
        for (int i = 1; i <= (c.Recrutement ? 3 : 1); ++i)
            tirages.push_back(MoyennesSimulation(p.Donnees, c.Multiplie, p.Annees, c.Recrutement,
                                                 GraineTirage(p.Graine, i)));
        ASSERT_EQ(point.Chiffres.size(), tirages[0].size());
        for (size_t k = 0; k < tirages[0].size(); ++k) {
            std::vector<double> v;
            for (const auto& t : tirages)
                v.push_back(t[k]);
            std::sort(v.begin(), v.end());
            EXPECT_EQ(point.Chiffres[k].Q05, v.front()) << "chiffre " << k;
            EXPECT_EQ(point.Chiffres[k].Q50, v[v.size() / 2]) << "chiffre " << k;
            EXPECT_EQ(point.Chiffres[k].Q95, v.back()) << "chiffre " << k;
        }
        if (c.Recrutement) {
            EXPECT_LT(Chiffre(point, ChiffreEq::PoidsDebarque).Q05,
                      Chiffre(point, ChiffreEq::PoidsDebarque).Q95);
        }
    }
}

// --------------------------------------- a fishery worked out by hand

// tests/data/equilibre_seuil.vsc: one size class that keeps its fish (a plus
// group), R = 100000 recruits of w = 10 g a year, natural mortality M = 0.5,
// every fish landed at 2.25 a kg, F = 0.5 f.  The numbers at the start of a
// year settle at N = R / (1 - e^-Z), Z = F + M, and the Baranov catch of a
// year is then (1 - e^-Z) F/Z N = R F/Z: landings w R F/Z = 1000 f / (1 + f)
// kg, turnover 2250 f / (1 + f), costs 10 f vessels at 50 + 100 days x 0.5 =
// 1000 f.  So the rent 2250 f / (1 + f) - 1000 f peaks at f = 0.5 (where its
// slope 2250 / (1 + f)^2 - 1000 is 0) and falls to 0 at f = 1.25.  The
// spawning biomass is N w, as a share of the virgin one (1 - e^-M) /
// (1 - e^-Z).  Recruitment stays constant while that share is above 50 %
// (the threshold), i.e. while 1 - e^-Z < 2 (1 - e^-M): up to f = 2.09.
// Beyond, recruitment falls with the stock and the fishery collapses.
double Debarque(double f)
{
    return 1000 * f / (1 + f);
}
double Benefice(double f, double subventionAn)
{
    return 2.25 * Debarque(f) - (1000 - 10 * subventionAn) * f;
}
double Feconde(double f)
{
    return 100 * (1 - std::exp(-0.5)) / (1 - std::exp(-0.5 * (1 + f)));
}

// The points, with and without a subsidy: a subsidy of 20 a vessel and a
// year moves free entry to the right (where 2250 / (1 + f) = 800) but not the
// rent's peak; ten days at sea make fishing dearer than its first catch
// (2250 F'(0) = 225 < 550 a factor), so the rent is highest with no fleet.
TEST(Equilibre, PointsDUnePecherieCalculableALaMain)
{
    // The grid point below free entry: its interpolation between two points
    // of the analytic profit.
    const auto interpole = [](double a, double b, double s) {
        return a + (b - a) * Benefice(a, s) / (Benefice(a, s) - Benefice(b, s));
    };
    struct Cas {
        const char* Scenario;
        double Subvention;
        double RMD, REM;
        std::optional<double> AccesLibre;
    };
    const std::vector<Cas> cas = {
        {"", 0, 2.0, 0.5, 1.25},
        {"0;metier;Caseyeurs;subvention_an;20\n", 20, 2.0, 0.5, interpole(1.75, 2.0, 20)},
        {"0;metier;Caseyeurs;jours;10\n", 0, 3.0, 0.0, std::nullopt},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Scenario);
        TParamEquilibre p = Parametres(FichierTest("equilibre_seuil.vsc"), c.Scenario);
        p.Pas = 0.25;
        const auto e = CalculerEquilibre(p);
        ASSERT_TRUE(e);
        ASSERT_EQ(e->Grille.size(), 13u);
        EXPECT_EQ(e->RMD->Facteur, c.RMD);
        EXPECT_EQ(e->REM->Facteur, c.REM);
        ASSERT_EQ(e->AccesLibre.has_value(), c.AccesLibre.has_value());
        if (c.AccesLibre) {
            EXPECT_NEAR(e->AccesLibre->Facteur, *c.AccesLibre, 1e-5);
            EXPECT_NEAR(Chiffre(*e->AccesLibre, ChiffreEq::Benefice).Q50, 0, 1e-9);
        }
        EXPECT_EQ(e->Actuel->Facteur, 1.0);
        EXPECT_EQ(e->Actuel->Chiffres[0].Q50, e->Grille[4].Chiffres[0].Q50);
        if (c.Subvention == 0 && c.REM > 0) {
            // The curve itself, up to the collapse, within the floats' rounding.
            for (const TPointEquilibre& point : e->Grille) {
                if (point.Facteur > 2)
                    continue;
                const double f = point.Facteur;
                SCOPED_TRACE(f);
                EXPECT_EQ(Chiffre(point, ChiffreEq::JoursMer).Q50, 1000 * f);
                EXPECT_EQ(Chiffre(point, ChiffreEq::Effectifs).Q50, 20 * f);
                EXPECT_NEAR(Chiffre(point, ChiffreEq::PoidsDebarque).Q50, Debarque(f), 1e-3);
                EXPECT_NEAR(Chiffre(point, ChiffreEq::Couts).Q50, 1000 * f, 1e-2);
                EXPECT_NEAR(Chiffre(point, ChiffreEq::Rente).Q50, Benefice(f, 0), 1e-2);
                EXPECT_NEAR(Chiffre(point, ChiffreEq::PremiereEspece).Q50, Feconde(f), 1e-4);
            }
        }
        if (c.Subvention > 0) {
            // The subsidy is in the profit, not in the rent.
            const TPointEquilibre& un = *e->Actuel;
            EXPECT_NEAR(Chiffre(un, ChiffreEq::SubventionsNettes).Q50, 200, 1e-3);
            EXPECT_NEAR(Chiffre(un, ChiffreEq::Benefice).Q50, Benefice(1, 20), 1e-2);
            EXPECT_NEAR(Chiffre(un, ChiffreEq::Rente).Q50, Benefice(1, 0), 1e-2);
        }
    }
}

// Past f = 2.09 the stock collapses, slowly at first: after sixty years its
// last decade still differs from the one before, and the point says so.
// Where the stock holds, the runs have long settled.
TEST(Equilibre, MarqueStableSaufPendantLEffondrement)
{
    TParamEquilibre p = Parametres(FichierTest("equilibre_seuil.vsc"));
    p.Pas = 0.25;
    const auto e = CalculerEquilibre(p);
    ASSERT_TRUE(e);
    for (const TPointEquilibre& point : e->Grille) {
        SCOPED_TRACE(point.Facteur);
        EXPECT_EQ(point.Stable, point.Facteur <= 2);
        if (point.Facteur > 2) {
            EXPECT_LT(Chiffre(point, ChiffreEq::PremiereEspece).Q50, 50);
        }
    }
    EXPECT_TRUE(e->RMD->Stable);

    // simple.vsc settles at every effort; its random recruitment (a spread
    // of 0.5) moves each decade's mean by more than 1 %, even the median of
    // a few draws: the mark follows the model, not the draws.
    TParamEquilibre simple = Parametres(FichierDonnees("simple.vsc"));
    simple.Pas = 1;
    simple.Recrutement = true;
    simple.Tirages = 5;
    const auto aleatoire = CalculerEquilibre(simple);
    ASSERT_TRUE(aleatoire);
    for (const TPointEquilibre& point : aleatoire->Grille)
        EXPECT_TRUE(point.Stable) << point.Facteur;
}

// What the model refuses before running anything, with its reason.
TEST(Equilibre, ParametresRefuses)
{
    struct Cas {
        double Debut, Fin, Pas;
        int Annees;
        int64_t Tirages;
        const char* Raison; // a part of the refusal; empty when accepted
    };
    const std::vector<Cas> cas = {
        {0, 3, 0.05, 60, 20, ""},
        {0, 3, 0, 60, 20, "pas des facteurs"},
        {0, 3, -0.1, 60, 20, "pas des facteurs"},
        {-0.5, 3, 0.05, 60, 20, "négatif"},
        {2, 1, 0.05, 60, 20, "inférieur au premier"},
        {0, 999.9, 1, 60, 20, ""},
        {0, 1000, 1, 60, 20, "plus de 1000"},
        {0, 1, 0.0001, 60, 20, "plus de 1000"},
        {0, 3, 0.05, 19, 20, "de 20 à 1000 ans"},
        {0, 3, 0.05, 1001, 20, "de 20 à 1000 ans"},
        {0, 3, 0.05, 20, 20, ""},
        {0, 3, 0.05, 60, 0, "tirage"},
    };
    for (const Cas& c : cas) {
        TParamEquilibre p;
        p.Debut = c.Debut;
        p.Fin = c.Fin;
        p.Pas = c.Pas;
        p.Annees = c.Annees;
        p.Recrutement = true;
        p.Tirages = c.Tirages;
        const auto refus = RefusEquilibre(p);
        SCOPED_TRACE(refus.value_or("accepté"));
        ASSERT_EQ(refus.has_value(), *c.Raison != 0);
        if (refus) {
            EXPECT_NE(refus->find(c.Raison), std::string::npos);
            EXPECT_THROW(CalculerEquilibre(p), std::invalid_argument);
        }
    }
    TParamEquilibre grille;
    EXPECT_EQ(NombrePoints(grille), 61);
    EXPECT_EQ(FacteurPoint(grille, 20), 1.0);
}

} // namespace
} // namespace vasco
