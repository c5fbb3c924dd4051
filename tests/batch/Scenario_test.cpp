// Scenarios applied to a loaded data set, and the CSV of a run.
#include "batch/Csv.h"
#include "biology/Ubiolo.h"
#include "dataset/UPartie.h"
#include "economics/Ueco.h"
#include "model/Uperiode.h"
#include "tests/batch/Outils.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <tuple>

namespace vasco::test {
namespace {

// batch_saisons.vsc: four periods a year, the métier "Senne" (own mesh
// 60 mm) and the species "Rouget".
struct Saisons : testing::Test {
    Messages messages;
    TBDVasco bd;
    Saisons() { bd.Charger(FichierTest("batch_saisons.vsc")); }
    TCondition& Senne() { return bd.Metiers.A<TMetierEco>(0).Courante(); }
    TPeriodeES& Rouget() { return bd.Especes.A<TEspece>(0).Courant(); }
    // The red mullet's quota (on, tonnes) and minimum size (on, cm).
    std::tuple<int, float, int, int> Mesures()
    {
        const TPeriodeES& r = Rouget();
        return {r.QuotaActif, r.Quota, r.TailleMinActive, r.TailleMin};
    }
};

TEST_F(Saisons, MesuresDeMetierStockeesCommeLeDialogue)
{
    // A decimal comma reads as a point, as in the dialogs.
    const TScenario s = LireScenario("0;metier;Senne;maillage;80\n"
                                     "0;metier;Senne;repression;50\n"
                                     "0;metier;Senne;navires;7,5\n"
                                     "0;metier;Senne;jours;90\n"
                                     "0;metier;Senne;subvention_an;1000\n"
                                     "0;metier;Senne;subvention_jour;-12.5\n"
                                     "0;metier;Senne;taxe;-5\n"
                                     "1;metier;Senne;navires;2\n",
                                     bd);
    s.Appliquer(0, bd);
    const TCondition& c = Senne();
    EXPECT_EQ(c.MaillageReglementaire, 80);
    EXPECT_FLOAT_EQ(c.IndiceRepression, 0.5f);
    // The effective mesh follows each line: 60 + (80 - 60) x 50 %.
    EXPECT_FLOAT_EQ(c.MaillageEffectif, 70);
    EXPECT_EQ(c.NbNavires, 7.5f);
    EXPECT_EQ(c.NbJours, 90);
    EXPECT_EQ(c.SubventionPeriode, 250);
    EXPECT_EQ(c.SubventionJourMer, -12.5f);
    EXPECT_FLOAT_EQ(c.TauxTaxeCA, -0.05f);
    EXPECT_EQ(messages.Textes().size(), 0u);

    // Day limit: 360 / 4 periods.
    EXPECT_THROW(LireScenario("0;metier;Senne;jours;90.01", bd), ErreurScenario);

    // A line of period 1 waits for its period and acts on the new open
    // condition, leaving the one of period 1 as it was.
    bd.Pas();
    s.Appliquer(1, bd);
    EXPECT_EQ(Senne().NbNavires, 2);
    EXPECT_EQ(bd.Metiers.A<TMetierEco>(0).Conditions.A<TCondition>(0).NbNavires, 7.5f);
}

TEST_F(Saisons, LaRepressionSeuleRecalculeLeMaillageEffectif)
{
    LireScenario("0;metier;Senne;maillage;100", bd).Appliquer(0, bd);
    EXPECT_EQ(Senne().MaillageEffectif, 60);
    LireScenario("0;metier;Senne;repression;100", bd).Appliquer(0, bd);
    EXPECT_EQ(Senne().MaillageEffectif, 100);
    // A regulated mesh below the fleet's own changes nothing.
    LireScenario("0;metier;Senne;maillage;40", bd).Appliquer(0, bd);
    EXPECT_EQ(Senne().MaillageEffectif, 60);
}

TEST_F(Saisons, QuotaEtTailleMinimale)
{
    LireScenario("0;espece;Rouget;quota;2.5\n0;espece;Rouget;taille_min;25", bd).Appliquer(0, bd);
    EXPECT_EQ(Mesures(), std::tuple(1, 2500.0f, 1, 25));

    // "off" lifts the measure and keeps its value for later.
    LireScenario("0;espece;Rouget;quota;off\n0;espece;Rouget;taille_min;off", bd).Appliquer(0, bd);
    EXPECT_EQ(Mesures(), std::tuple(0, 2500.0f, 0, 25));

    LireScenario("0;espece;Rouget;taille_min;65535\n0;espece;Rouget;quota;0", bd).Appliquer(0, bd);
    EXPECT_EQ(Mesures(), std::tuple(1, 0.0f, 1, 65535));
}

TEST_F(Saisons, LecturePermissive)
{
    // Byte-order mark, CRLF (converted twice on the last line), comments,
    // blanks around the fields but the name, a leading '+', an exponent;
    // lines of one period in file order whatever comes between them.
    const TScenario s = LireScenario("\xEF\xBB\xBF# commentaire\r\n"
                                     "\r\n"
                                     "   # commentaire décalé\n"
                                     " 3 ; metier ;Senne; navires ; +4 \r\n"
                                     "0;metier;Senne;navires;1e1\n"
                                     "3;metier;Senne;navires;6\r\r\n",
                                     bd);
    ASSERT_EQ(s.Lignes().size(), 3u);
    EXPECT_EQ(s.Lignes()[0].Ligne, 5);
    EXPECT_EQ(s.Lignes()[1].Ligne, 4);
    EXPECT_EQ(s.Lignes()[2].Ligne, 6);
    s.Appliquer(0, bd);
    EXPECT_EQ(Senne().NbNavires, 10);
    s.Appliquer(3, bd);
    EXPECT_EQ(Senne().NbNavires, 6);

    // The name is compared whole: a blank makes another name.
    EXPECT_THROW(LireScenario("0;metier; Senne;navires;1", bd), ErreurScenario);
    try {
        LireScenario("\n\n0;metier;Senne;navires;-2", bd);
        FAIL();
    } catch (const ErreurScenario& e) {
        EXPECT_EQ(e.Ligne(), 3);
        EXPECT_EQ(std::string(e.what()).rfind("scenario ligne 3: navires", 0), 0u);
    }
}

TEST(Scenario, UnNomPeutContenirUnPointVirgule)
{
    std::string texte = LireTexte(FichierTest("batch_saisons.vsc")).value();
    texte.replace(texte.find("Senne\n"), 6, "Senne;nord\n");
    TBDVasco bd;
    ChargerTexte(bd, texte);
    LireScenario("0;metier;Senne;nord;navires;3", bd).Appliquer(0, bd);
    EXPECT_EQ(bd.Metiers.A<TMetierEco>(0).Courante().NbNavires, 3);
    try {
        LireScenario("0;metier;Senne;navires;3;4", bd);
        FAIL();
    } catch (const ErreurScenario& e) {
        EXPECT_NE(std::string(e.what()).find("5 champs attendus"), std::string::npos);
    }
}

TEST(Csv, EnTeteEtGuillemets)
{
    EXPECT_EQ(ChampNom("Sole", ":CA"), "Sole:CA");
    EXPECT_EQ(ChampNom("Petits métiers"), "Petits métiers");
    EXPECT_EQ(ChampNom("a,b"), "\"a,b\"");
    EXPECT_EQ(ChampNom("dit \"x\"", ":CA"), "\"dit \"\"x\"\":CA\"");
    EXPECT_EQ(ChampNom(" x", ":CA"), "\" x:CA\"");
    EXPECT_EQ(ChampNom("x ", ":CA"), "\"x :CA\"");
    EXPECT_EQ(ChampNom("\tx"), "\"\tx\"");
    EXPECT_EQ(ChampNom(""), "");

    TBDVasco bd;
    bd.Charger(FichierTest("batch_petit.vsc"));
    EXPECT_EQ(EnTeteCsv(bd),
              "periode,PoidsDebarque,PoidsRejete,CA,CAGris,Benefice,SubventionsNettes,Effectifs,"
              "JoursEquipage,Sole:Biomasse,Sole:BiomasseFeconde,Sole:PoidsCaptures,"
              "\"Merlu, \"\"blanc\"\" :Biomasse\",\"Merlu, \"\"blanc\"\" :BiomasseFeconde\","
              "\"Merlu, \"\"blanc\"\" :PoidsCaptures\","
              "Chalut:CA,Chalut:Benefice,Chalut:PoidsDebarque,Chalut:PoidsRejete,Chalut:CAGris,"
              "\" Fileyeurs:CA\",\" Fileyeurs:Benefice\",\" Fileyeurs:PoidsDebarque\","
              "\" Fileyeurs:PoidsRejete\",\" Fileyeurs:CAGris\"\n");
}

TEST(Csv, LignesDeLaSimulation)
{
    TBDVasco bd;
    bd.Charger(FichierTest("batch_petit.vsc"));
    std::ostringstream sortie;
    Simuler(bd, LireScenario("1;metier;Chalut;navires;4", bd), 2, sortie);
    const Tableau t = LireCsv(sortie.str());
    ASSERT_EQ(t.Lignes.size(), 2u);
    EXPECT_EQ(t.Valeur(1, "Effectifs"), 30);
    EXPECT_EQ(t.Valeur(2, "Effectifs"), 12);
    // Row p reads the states of period p: the sole's biomass of row 1 is the
    // virgin one, the catch of row 2 that of the second state.
    const auto& sole = bd.Especes.A<TEspece>(0);
    EXPECT_EQ(static_cast<float>(t.Valeur(1, "Sole:Biomasse")),
              sole.Periodes.A<TPeriodeES>(0).Biomasse);
    EXPECT_EQ(static_cast<float>(t.Valeur(2, "Sole:Biomasse")),
              sole.Periodes.A<TPeriodeES>(1).Biomasse);
    EXPECT_NE(t.Valeur(1, "Sole:Biomasse"), t.Valeur(2, "Sole:Biomasse"));
    // Every number is printed with nine significant digits.
    char attendu[32];
    std::snprintf(attendu, sizeof attendu, "%.9g",
                  static_cast<double>(bd.Bilans.A<TPeriodeBilan>(0).Benefice));
    EXPECT_EQ(t.Lignes[0][5], attendu);

    // A period the model never opened gives empty fields, not a fault.
    EXPECT_EQ(LigneCsv(bd, 5), "5" + std::string(24, ',') + "\n");
}

TEST(Scenarios, LesExemplesSAppliquentAuGolfe)
{
    TBDVasco bd;
    bd.Charger(FichierDonnees("golfe.vsc"));
    for (const char* nom :
         {"quota_merlu.scenario", "maillage_controle.scenario", "sortie_de_flotte.scenario"}) {
        SCOPED_TRACE(nom);
        const auto texte = LireTexte(FichierDonnees(nom));
        ASSERT_TRUE(texte);
        EXPECT_GT(LireScenario(*texte, bd).Lignes().size(), 0u);
    }
    // A scenario saved in Windows-1252 still names "Petits métiers".
    LireScenario("0;metier;Petits m\xe9tiers;navires;5", bd).Appliquer(0, bd);
    EXPECT_EQ(bd.Metiers.A<TMetierEco>(3).Courante().NbNavires, 5);
}

} // namespace
} // namespace vasco::test
