// The métier condition dialog driven for real through the main window's
// seam: the messages and their order, the values stored, what is shown
// again, and the effective mesh.

#include "dialogs/UCMetierSimple.h"
#include "economics/Ueco.h"
#include "tests/dialogs/Outils.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vasco::test {
namespace {

using Textes = std::vector<std::string>;

TCondition& Condition(TFenetreMere& f, int metier)
{
    return f.Donnees()->Metiers.A<TMetierEco>(metier).Courante();
}

TEST(ConditionMetier, ChampsRemplisEnNombresArrondis)
{
    EXPECT_EQ(TexteArrondi(12.4L, 3), " 12");
    EXPECT_EQ(TexteArrondi(12.5L, 3), " 13");
    EXPECT_EQ(TexteArrondi(-0.3L, 3), "  0");
    EXPECT_EQ(TexteArrondi(1000, 7), "   1000");
    EXPECT_EQ(TexteArrondi(123456, 3), "123456");
}

TEST(ConditionMetier, ControlesOrdreDeTabulationEtAide)
{
    TConditionMetierSimple d;
    const std::vector<std::pair<QWidget*, int>> attendu = {
        {d.txRepression, 26},    {d.txNombreDeNavires, 29},
        {d.txMaillage, 27},      {d.txNbJourPeche, 28},
        {d.txSubventionAn, 30},  {d.txSubventionJourMer, 31},
        {d.TxTauxTaxeSurCA, 32}, {d.BtOK, -1},
        {d.BtAnnuler, -1},       {d.BtAide, 16}};
    for (size_t i = 0; i + 1 < attendu.size(); ++i)
        EXPECT_EQ(attendu[i].first->nextInFocusChain(), attendu[i + 1].first) << i;
    for (const auto& [controle, contexte] : attendu) {
        if (contexte > 0) {
            EXPECT_EQ(controle->property("ContexteAide").toInt(), contexte);
        }
    }
    EXPECT_EQ(d.property("ContexteAide").toInt(), 25);

    std::vector<int> aides;
    d.Aide = [&](int contexte) { aides.push_back(contexte); };
    d.BtAide->click();
    EXPECT_EQ(aides, std::vector<int>{16});
}

// The examples of the dialog over the four métiers of golfe.vsc (4 periods a
// year): refusals in order, accepted fields stored at once, a refused field
// shown again with its stored value, cancel with a code pending.
TEST(ConditionMetier, ParcoursDesMetiersAvecRefusEtAffichageRepete)
{
    auto fenetre = FenetreChargee();
    Messages messages;
    // Métier 2 with a regulated mesh above its own (55 mm) and 50 % repression,
    // its effective mesh not yet recomputed; métier 3 with 12.4 vessels.
    Condition(*fenetre, 1).MaillageReglementaire = 80;
    Condition(*fenetre, 1).IndiceRepression = 0.5f;
    Condition(*fenetre, 1).MaillageEffectif = 0;
    Condition(*fenetre, 2).NbNavires = 12.4f;

    Script script;
    script.Installer(*fenetre);
    script << Saisir({{"txRepression", "100"},
                      {"txNombreDeNavires", "abc"},
                      {"txMaillage", "-5"},
                      {"txNbJourPeche", "80"},
                      {"txSubventionAn", "1000"},
                      {"txSubventionJourMer", "-12"},
                      {"TxTauxTaxeSurCA", "5"}},
                     "BtOK")
           << Saisir({{"txNbJourPeche", "91"}}, "BtOK")
           << Saisir({{"txNbJourPeche", "90"}, {"txMaillage", "100"}}, "BtOK")
           << Cliquer("BtAnnuler") << Cliquer("BtOK") << Saisir({{"txRepression", "nan"}}, "BtOK")
           << Cliquer("BtAnnuler")
           << Saisir({{"txSubventionAn", "1e39"},
                      {"TxTauxTaxeSurCA", "inf"},
                      {"txSubventionJourMer", " 7"}},
                     "BtOK")
           << Saisir({{"TxTauxTaxeSurCA", "100.5"}}, "BtOK")
           << Saisir({{"TxTauxTaxeSurCA", "-20"}, {"txRepression", "0"}}, "BtOK");
    fenetre->ModificationdesconditionsMetierClick();
    EXPECT_TRUE(script.Fini());

    EXPECT_EQ(messages.Textes(),
              (Textes{"Nombre de Navires : Valeur non numérique", "Maillage < 0",
                      "Nombre de jours < 0 ou > à durée période",
                      "Indice de répression : Valeur non numérique",
                      "Subvention An : Valeur non numérique",
                      "Taux Taxe sur CA : Valeur non numérique", "Taxe sur CA > à 100%"}));

    const auto& vus = script.Vus;
    ASSERT_EQ(vus.size(), 10u);
    EXPECT_EQ(vus[0].Titre, "Conditions Metier : Chalutiers hauturiers");
    EXPECT_EQ(vus[0].Focus, "txRepression");
    EXPECT_EQ(vus[0].Textes.at("txNombreDeNavires"), " 30");
    EXPECT_EQ(vus[0].Textes.at("txSubventionAn"), "      0");
    // Shown again from the condition: the refused fields with their stored
    // values, the accepted ones as stored (1000 a year is 250 a period).
    EXPECT_EQ(vus[1].Focus, "txNombreDeNavires");
    EXPECT_EQ(vus[1].Textes.at("txNombreDeNavires"), " 30");
    EXPECT_EQ(vus[1].Textes.at("txMaillage"), " 70");
    EXPECT_EQ(vus[1].Textes.at("txSubventionAn"), "   1000");
    EXPECT_EQ(vus[1].Textes.at("txSubventionJourMer"), "    -12");
    EXPECT_EQ(vus[1].Textes.at("txRepression"), "100");
    EXPECT_EQ(vus[2].Focus, "txNbJourPeche");
    EXPECT_EQ(vus[2].Textes.at("txNbJourPeche"), " 80");
    EXPECT_EQ(vus[3].Titre, "Conditions Metier : Chalutiers langoustiniers");
    EXPECT_EQ(vus[4].Textes.at("txNombreDeNavires"), " 12");
    EXPECT_EQ(vus[5].Titre, "Conditions Metier : Petits métiers");
    // A cancel with a refusal pending shows the dialog again.
    EXPECT_EQ(vus[6].Focus, "txRepression");
    EXPECT_EQ(vus[7].Titre, "Conditions Metier : Petits métiers");
    EXPECT_EQ(vus[8].Focus, "txSubventionAn");
    EXPECT_EQ(vus[9].Focus, "TxTauxTaxeSurCA");

    const TCondition& c1 = Condition(*fenetre, 0);
    EXPECT_FLOAT_EQ(c1.IndiceRepression, 1.0f);
    EXPECT_FLOAT_EQ(c1.NbNavires, 30);
    EXPECT_FLOAT_EQ(c1.MaillageReglementaire, 100);
    EXPECT_FLOAT_EQ(c1.NbJours, 90);
    EXPECT_FLOAT_EQ(c1.SubventionPeriode, 250);
    EXPECT_FLOAT_EQ(c1.SubventionJourMer, -12);
    EXPECT_FLOAT_EQ(c1.TauxTaxeCA, 0.05f);
    // Fully enforced, the regulated 100 mm is fished instead of 70.
    EXPECT_FLOAT_EQ(c1.MaillageEffectif, 100);

    // Cancelled at its first display: unchanged, but its mesh recomputed.
    const TCondition& c2 = Condition(*fenetre, 1);
    EXPECT_FLOAT_EQ(c2.NbNavires, 150);
    EXPECT_FLOAT_EQ(c2.MaillageEffectif, 55 + (80 - 55) * 0.5f);

    EXPECT_FLOAT_EQ(Condition(*fenetre, 2).NbNavires, 12);

    const TCondition& c4 = Condition(*fenetre, 3);
    EXPECT_FLOAT_EQ(c4.IndiceRepression, 0);
    EXPECT_FLOAT_EQ(c4.SubventionPeriode, 0);
    EXPECT_FLOAT_EQ(c4.SubventionJourMer, 7);
    EXPECT_FLOAT_EQ(c4.TauxTaxeCA, -0.2f);
}

TEST(ConditionMetier, LimitesAcceptees)
{
    auto fenetre = FenetreChargee();
    Messages messages;
    Script script;
    script.Installer(*fenetre);
    script << Saisir({{"txRepression", "101"}, {"txNombreDeNavires", "-0.5"}}, "BtOK")
           << Saisir({{"txRepression", "0"},
                      {"txNombreDeNavires", "0"},
                      {"txMaillage", "0"},
                      {"txNbJourPeche", "0"},
                      {"TxTauxTaxeSurCA", "100"}},
                     "BtOK");
    for (int i = 1; i < 4; ++i)
        script << Cliquer("BtAnnuler");
    fenetre->ModificationdesconditionsMetierClick();
    EXPECT_EQ(messages.Textes(),
              (Textes{"Indice de répression <0 ou >100", "Nombre de navires < 0"}));
    ASSERT_EQ(script.Vus.size(), 5u);
    EXPECT_EQ(script.Vus[1].Focus, "txRepression");
    const TCondition& c = Condition(*fenetre, 0);
    EXPECT_EQ(c.NbNavires, 0);
    EXPECT_EQ(c.NbJours, 0);
    EXPECT_FLOAT_EQ(c.TauxTaxeCA, 1);
}

} // namespace
} // namespace vasco::test
