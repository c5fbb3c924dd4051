// vasco-batch --equilibre: the table of the equilibrium, and what it refuses
// before running anything.
#include "tests/batch/Outils.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vasco::test {
namespace {

// One size class, F = 0.5 f: RMD at 2 (the stock collapses past 2.09), REM
// at 0.5, free entry at 1.25 (worked out in tests/dataset/Equilibre_test.cpp).
const std::string Seuil = FichierTest("equilibre_seuil.vsc");

Execution Equilibre(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "--equilibre");
    return Lancer(arguments);
}

TEST(EquilibreBatch, ArgumentsRefusesAvantToutCalcul)
{
    struct Cas {
        std::vector<std::string> Arguments;
        const char* Message;
    };
    const std::vector<Cas> cas = {
        {{"--facteurs", "0:3:0", Seuil}, "le pas des facteurs doit être positif"},
        {{"--facteurs", "0:3:-0.5", Seuil}, "le pas des facteurs doit être positif"},
        {{"--facteurs", "-1:3:0.5", Seuil}, "le premier facteur ne peut pas être négatif"},
        {{"--facteurs", "2:1:0.1", Seuil}, "le dernier facteur (1) est inférieur au premier (2)"},
        {{"--facteurs", "0:1000:1", Seuil}, "plus de 1000 facteurs"},
        {{"--facteurs", "0:3", Seuil}, "--facteurs : DEBUT:FIN:PAS attendu"},
        {{"--facteurs", "0:3:x", Seuil}, "--facteurs : DEBUT:FIN:PAS attendu"},
        {{"--annees", "19", Seuil}, "durée de 20 à 1000 ans attendue, trouvé 19"},
        {{"--annees", "1001", Seuil}, "durée de 20 à 1000 ans attendue, trouvé 1001"},
        {{"--annees", "-5", Seuil}, "--annees : nombre entier de 20 à 1000 attendu"},
        {{"--metier", "Chalutiers", Seuil}, "--metier : métier inconnu « Chalutiers »"},
        {{"--tirages", "0", Seuil}, "--tirages : nombre entier de 1 à"},
        {{"--graine", "5", Seuil}, "--graine ne s'emploie qu'avec --tirages"},
        {{"--croissance-aleatoire", Seuil}, "seul le recrutement peut être aléatoire"},
        {{Seuil, "60"}, "un seul argument attendu, DONNEES.vsc"},
        {{}, "un seul argument attendu, DONNEES.vsc"},
        {{"--partie", "x.vsp"}, "--equilibre et --partie ne vont pas ensemble"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::PrintToString(c.Arguments));
        const Execution e = Equilibre(c.Arguments);
        EXPECT_EQ(e.Code, 2);
        EXPECT_EQ(e.Sortie, "");
        EXPECT_EQ(e.Erreurs.rfind("vasco-batch : ", 0), 0u) << e.Erreurs;
        EXPECT_NE(e.Erreurs.find(c.Message), std::string::npos) << e.Erreurs;
    }
    // The options of the equilibrium mean nothing to a plain run.
    const Execution simple = Lancer({"--annees", "30", Seuil, "10"});
    EXPECT_EQ(simple.Code, 2);
    EXPECT_NE(simple.Erreurs.find("ne s'emploient qu'avec --equilibre"), std::string::npos);
}

// The grid's rows, then the four points, in the model's units; the same
// table whatever the threads, and when the only métier is named.
TEST(EquilibreBatch, TableauDesPointsEtDeLaGrille)
{
    const Execution e = Equilibre({"--facteurs", "0:3:0.25", "--fils", "1", Seuil});
    ASSERT_EQ(e.Code, 0) << e.Erreurs;
    EXPECT_EQ(e.Erreurs, "");
    const Tableau t = LireCsv(e.Sortie);
    EXPECT_EQ(t.Colonnes,
              (std::vector<std::string>{"point", "facteur", "jours_mer", "PoidsDebarque", "CA",
                                        "Couts", "Benefice", "SubventionsNettes", "Rente",
                                        "Effectifs", "Lieu:BiomasseFeconde%", "stable"}));
    ASSERT_EQ(t.Lignes.size(), 17u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(t.Lignes[static_cast<size_t>(i)][0], "");
        EXPECT_EQ(t.Valeur(i + 1, "facteur"), 0.25 * i);
        EXPECT_EQ(t.Valeur(i + 1, "stable"), i <= 8 ? 1 : 0) << i;
    }
    const char* const points[] = {"RMD", "REM", "acces_libre", "actuel"};
    const double facteurs[] = {2, 0.5, 1.25, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t.Lignes[13 + static_cast<size_t>(i)][0], points[i]);
        EXPECT_NEAR(t.Valeur(14 + i, "facteur"), facteurs[i], 1e-6) << points[i];
    }
    EXPECT_NEAR(t.Valeur(17, "Rente"), 125, 1e-3);
    EXPECT_NEAR(t.Valeur(17, "PoidsDebarque"), 500, 1e-3);

    EXPECT_EQ(Equilibre({"--facteurs", "0:3:0.25", "--fils", "3", Seuil}).Sortie, e.Sortie);
    EXPECT_EQ(Equilibre({"--facteurs=0:3:0.25", "--metier", "Caseyeurs", Seuil}).Sortie, e.Sortie);
}

// With draws, each figure in three columns; with no fleet worth its cost,
// REM at 0 and no free entry: its row is there, empty.
TEST(EquilibreBatch, QuantilesEtPointAbsent)
{
    const std::string jours = FichierTemporaire("jours.scenario", "0;metier;Caseyeurs;jours;10\n");
    const Execution e = Equilibre({"--tirages", "3", "--graine", "8", "--facteurs", "0:2:1",
                                   "--annees", "20", "--scenario", jours, Seuil});
    ASSERT_EQ(e.Code, 0) << e.Erreurs;
    const Tableau t = LireCsv(e.Sortie);
    ASSERT_EQ(t.Colonnes.size(), 2u + 9 * 3 + 1);
    EXPECT_EQ(t.Colonnes[2], "jours_mer:q05");
    EXPECT_EQ(t.Colonnes[4], "jours_mer:q95");
    EXPECT_EQ(t.Colonnes[28], "Lieu:BiomasseFeconde%:q95");
    ASSERT_EQ(t.Lignes.size(), 7u);
    EXPECT_EQ(t.Valeur(2, "jours_mer:q50"), 100);
    EXPECT_EQ(t.Valeur(5, "facteur"), 0); // REM
    EXPECT_EQ(t.Lignes[5][0], "acces_libre");
    for (size_t c = 1; c < t.Lignes[5].size(); ++c)
        EXPECT_EQ(t.Lignes[5][c], "") << t.Colonnes[c];
    EXPECT_EQ(t.Lignes[5].size(), t.Colonnes.size());
}

} // namespace
} // namespace vasco::test
