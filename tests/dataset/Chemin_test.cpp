// The player's path on the bio-economic diagram: each completed year at X =
// its fishing days over those of the measures in force, Y its mean turnover
// and landed weight per period; the same path from a compared game's
// records; the median of several games; and the measures in force written
// as scenario lines that load back to the same measures.
#include "dataset/UChemin.h"
#include "dataset/UComparaison.h"
#include "dataset/UDiagramme.h"
#include "economics/Ueco.h"
#include "model/UNombres.h"
#include "model/Uperiode.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vasco::test {
namespace {

// Every métier's vessels (or métier `seul`'s) multiplied by f for the next
// period, typed as a person would.
void Multiplier(TBDVasco& bd, double f, int seul = -1)
{
    const TDefMesure& navires = Mesure(TMesure::Navires);
    for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
        if (seul >= 0 && m != seul)
            continue;
        const long double saisi =
            navires.Saisi(navires.Valeur(bd.Metiers.A<TMetierEco>(m).Courante()), bd.NbPeriodesAn);
        Mesurer(bd, false, m, TMesure::Navires, NeufChiffres(static_cast<double>(saisi * f)));
    }
}

// A game of golfe.vsc: the fleet halved at the start of year 5, doubled at
// the start of year 12, fifteen years and one period played.
void Jouer(TBDVasco& bd, int seul = -1)
{
    bd.Charger(FichierDonnees("golfe.vsc"));
    const int an = bd.NbPeriodesAn;
    for (int p = 0; p < 15 * an + 1; ++p) {
        if (p == 4 * an)
            Multiplier(bd, 0.5, seul);
        if (p == 11 * an)
            Multiplier(bd, 2, seul);
        bd.Pas();
    }
}

// The expected path, straight from the records: period p (from 1) reads
// balance p - 1 and condition p - 1 of each métier.
struct Attendu {
    std::vector<double> X, CA, Poids;
};
Attendu Calculer(const TBDVasco& bd, int seul = -1)
{
    const int an = bd.NbPeriodesAn;
    long double reference = 0;
    for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
        const TMetierEco& metier = bd.Metiers.A<TMetierEco>(m);
        const TCondition& ouverte = metier.Conditions.A<TCondition>(metier.Conditions.Nombre() - 1);
        if (seul < 0 || m == seul)
            reference += static_cast<long double>(ouverte.NbNavires) * ouverte.NbJours;
    }
    Attendu a;
    for (int y = 0; (y + 1) * an <= bd.NbPeriodes(); ++y) {
        long double jours = 0, ca = 0, poids = 0;
        for (int p = y * an + 1; p <= (y + 1) * an; ++p) {
            const auto& b = bd.Bilans.A<TPeriodeBilan>(p - 1);
            ca += b.CA;
            poids += b.PoidsDebarque;
            for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
                const auto& c = bd.Metiers.A<TMetierEco>(m).Conditions.A<TCondition>(p - 1);
                if (seul < 0 || m == seul)
                    jours += static_cast<long double>(c.NbNavires) * c.NbJours;
            }
        }
        a.X.push_back(static_cast<double>(jours / an / reference));
        a.CA.push_back(static_cast<double>(ca / an));
        a.Poids.push_back(static_cast<double>(poids / an));
    }
    return a;
}

TEST(Chemin, ChaqueAnneeCompleteAuRapportDesJoursDeMerEtALaMoyenneDesPeriodes)
{
    Messages messages;
    TBDVasco bd;
    Jouer(bd);
    const Attendu a = Calculer(bd);
    ASSERT_EQ(a.X.size(), 15u);
    const TChemin chemin =
        CalculerChemin(TSourceDonnees(bd), ReferenceEnVigueur(bd, std::nullopt), bd.NbPeriodes());
    ASSERT_EQ(chemin.Points.size(), 15u);
    EXPECT_FALSE(chemin.Approche);
    for (size_t y = 0; y < 15; ++y) {
        SCOPED_TRACE(y + 1);
        EXPECT_EQ(chemin.Points[y].Annee, static_cast<int>(y + 1));
        EXPECT_DOUBLE_EQ(chemin.Points[y].X, a.X[y]);
        EXPECT_DOUBLE_EQ(chemin.Points[y].CA, a.CA[y]);
        EXPECT_DOUBLE_EQ(chemin.Points[y].Poids, a.Poids[y]);
        // The fleet in force at the end is the first one: half of it from
        // year 5 to year 11.
        EXPECT_NEAR(chemin.Points[y].X, y >= 4 && y < 11 ? 0.5 : 1, 1e-12);
    }
    // The step control shows period 4 years and 2 periods: four years.
    const int an = bd.NbPeriodesAn;
    EXPECT_EQ(CalculerChemin(TSourceDonnees(bd), ReferenceEnVigueur(bd, std::nullopt), 4 * an + 2)
                  .Points.size(),
              4u);
    EXPECT_TRUE(CalculerChemin(TSourceDonnees(bd), ReferenceEnVigueur(bd, std::nullopt), an - 1)
                    .Points.empty());

    // One métier chosen: its own days only.
    const Attendu seul = Calculer(bd, 1);
    const TChemin metier =
        CalculerChemin(TSourceDonnees(bd), ReferenceEnVigueur(bd, 1), bd.NbPeriodes());
    ASSERT_EQ(metier.Points.size(), 15u);
    EXPECT_DOUBLE_EQ(metier.Points[6].X, seul.X[6]);
    // The others' vessels changed too: not on the one-métier diagram.
    EXPECT_TRUE(metier.Approche);
    EXPECT_TRUE(messages.Textes().empty());
}

// Vessels typed as whole numbers: a fleet scaled by 0.33 and rounded métier
// by métier is scaled alike; one métier scaled alone is not.
TEST(Chemin, ArrondiAuNavireEntierPresLaFlotteChangeDUnMemeFacteur)
{
    const struct {
        const char* nom;
        int seul; // the métier scaled alone, -1: all
        bool approche;
    } cas[] = {
        {"toute la flotte", -1, false},
        {"un seul métier", 0, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        TBDVasco bd;
        bd.Charger(FichierDonnees("golfe.vsc"));
        const int an = bd.NbPeriodesAn;
        const TDefMesure& navires = Mesure(TMesure::Navires);
        for (int p = 0; p < 2 * an; ++p) {
            if (p == an)
                for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
                    if (c.seul >= 0 && m != c.seul)
                        continue;
                    const long double saisi = navires.Saisi(
                        navires.Valeur(bd.Metiers.A<TMetierEco>(m).Courante()), an);
                    Mesurer(bd, false, m, TMesure::Navires,
                            NeufChiffres(static_cast<double>(std::round(saisi * 0.33L))));
                }
            bd.Pas();
        }
        const TChemin chemin = CalculerChemin(
            TSourceDonnees(bd), ReferenceEnVigueur(bd, std::nullopt), bd.NbPeriodes());
        ASSERT_EQ(chemin.Points.size(), 2u);
        EXPECT_EQ(chemin.Approche, c.approche);
    }
}

TEST(Chemin, UnSeulMetierChangeCheminApprocheSaufSurLeDiagrammeDeCeMetier)
{
    TBDVasco bd;
    Jouer(bd, 0);
    const TChemin flotte =
        CalculerChemin(TSourceDonnees(bd), ReferenceEnVigueur(bd, std::nullopt), bd.NbPeriodes());
    EXPECT_TRUE(flotte.Approche);
    const Attendu a = Calculer(bd);
    for (size_t y = 0; y < a.X.size(); ++y)
        EXPECT_DOUBLE_EQ(flotte.Points[y].X, a.X[y]);
    const TChemin metier =
        CalculerChemin(TSourceDonnees(bd), ReferenceEnVigueur(bd, 0), bd.NbPeriodes());
    EXPECT_FALSE(metier.Approche);
    EXPECT_NEAR(metier.Points[5].X, 0.5, 1e-12);
}

TEST(Chemin, UnePartieCompareeDonneLeMemeCheminEtLaMedianeDePlusieurs)
{
    TBDVasco bd;
    Jouer(bd);
    const TPartieComparee comparee(bd);
    const TReferenceChemin reference = ReferenceEnVigueur(bd, std::nullopt);
    const TChemin propre = CalculerChemin(TSourceDonnees(bd), reference, bd.NbPeriodes());
    const TChemin compare =
        CalculerChemin(TSourceComparee(comparee, bd.Metiers.Nombre()), reference, 1 << 30);
    ASSERT_EQ(compare.Points.size(), propre.Points.size());
    for (size_t y = 0; y < propre.Points.size(); ++y) {
        EXPECT_EQ(compare.Points[y].X, propre.Points[y].X);
        EXPECT_EQ(compare.Points[y].CA, propre.Points[y].CA);
        EXPECT_EQ(compare.Points[y].Poids, propre.Points[y].Poids);
    }

    TChemin a, b, c;
    a.Points = {{1, 1, 10, 100}, {2, 2, 20, 200}, {3, 3, 30, 300}};
    b.Points = {{1, 3, 30, 300}, {2, 1, 10, 100}};
    c.Points = {{1, 2, 50, 0}, {2, 5, 40, 500}};
    c.Approche = true;
    const TChemin m = CheminMedian({a, b, c});
    ASSERT_EQ(m.Points.size(), 3u);
    EXPECT_TRUE(m.Approche);
    EXPECT_EQ(m.Points[0].X, 2);
    EXPECT_EQ(m.Points[0].CA, 30);
    EXPECT_EQ(m.Points[0].Poids, 100);
    EXPECT_EQ(m.Points[1].X, 2);
    EXPECT_EQ(m.Points[1].CA, 20);
    EXPECT_EQ(m.Points[1].Poids, 200);
    // Year 3 only in one game.
    EXPECT_EQ(m.Points[2].X, 3);
    EXPECT_EQ(m.Points[2].Annee, 3);
}

TEST(Chemin, LesMesuresEnVigueurEcritesSeRelisentALIdentique)
{
    TBDVasco bd;
    Jouer(bd);
    Mesurer(bd, false, 1, TMesure::Jours, "33.5");
    Mesurer(bd, true, 0, TMesure::Quota, "120");
    Mesurer(bd, true, 0, TMesure::Quota, "off");
    const std::string texte = TexteMesuresEnVigueur(bd);
    EXPECT_NE(texte.find("0;metier;"), std::string::npos);
    EXPECT_NE(texte.find(";quota;off\n"), std::string::npos);
    const auto avant = MesuresEnVigueur(bd);
    TBDVasco neuf;
    neuf.Charger(FichierDonnees("golfe.vsc"));
    ScenarioEnVigueur(bd).Appliquer(0, neuf);
    const auto apres = MesuresEnVigueur(neuf);
    ASSERT_EQ(avant.size(), apres.size());
    for (size_t i = 0; i < avant.size(); ++i)
        for (size_t m = 0; m < avant[i].size(); ++m) {
            EXPECT_EQ(avant[i][m].EnVigueur, apres[i][m].EnVigueur) << i << ' ' << m;
            if (avant[i][m].EnVigueur) {
                EXPECT_EQ(avant[i][m].Valeur, apres[i][m].Valeur) << i << ' ' << m;
            }
        }
}

} // namespace
} // namespace vasco::test
