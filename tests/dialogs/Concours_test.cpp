// The contest against the main window's real step commands: the limits of
// the single step and of the continuous run, the balance form and its two
// ways on; the options handled by the dialog side.

#include "economics/UConcour.h"
#include "model/Uperiode.h"
#include "tests/dialogs/Outils.h"
#include "tests/shell/Fenetre.h"

#include <QAction>
#include <QMdiArea>
#include <gtest/gtest.h>

namespace vasco::test {
namespace {

void Cocher(TFenetreMere& f, const char* option, bool coche)
{
    QAction* action = f.Action(option);
    ASSERT_NE(action, nullptr) << option;
    action->setChecked(coche);
}

std::unique_ptr<TPeriodeBilan> Bilan(float effectifs, float ca, float benefice)
{
    auto b = std::make_unique<TPeriodeBilan>();
    b->Effectifs = effectifs;
    b->CA = ca;
    b->Benefice = benefice;
    b->PoidsDebarque = 1000;
    return b;
}

// Crews 100, 100, 90 with profits: (100 + 100 + 90 - 10 x 10) / 3 = 63.33.
TEST(Concours, BilanDUnHistoriqueFaitMainPuisVisualiser)
{
    auto fenetre = FenetreChargee("simple.vsc");
    TBDVasco& bd = *fenetre->Donnees();
    bd.Bilans.Vider();
    bd.Bilans.AjouterElement(Bilan(100, 5000, 10), &bd.Contexte);
    bd.Bilans.AjouterElement(Bilan(100, 5000, 10), &bd.Contexte);
    bd.Bilans.AjouterElement(Bilan(90, 5000, 10), &bd.Contexte);
    Cocher(*fenetre, "Concours", true);
    fenetre->EnCours = true;

    Script script;
    script.Installer(*fenetre);
    script << Cliquer("BtBilanContinuer");
    fenetre->BilanConcours();
    ASSERT_EQ(script.Vus.size(), 1u);
    const Affichage& vu = script.Vus[0];
    EXPECT_EQ(vu.Titre, "Bilan des 60 ans");
    EXPECT_EQ(vu.Textes.at("EBilanSocial"),
              QString::fromStdString("     63 " + bd.EchelleUnite[4]));
    const TTextesBilan60 textes = TextesBilan60(CalculBilan60(bd.Bilans), bd);
    EXPECT_EQ(vu.Textes.at("EProduction"), QString::fromStdString(textes.Production));
    EXPECT_EQ(vu.Textes.at("ECA"), QString::fromStdString(textes.CA));
    EXPECT_EQ(vu.Textes.at("EBenefices"), QString::fromStdString(textes.Benefices));

    // Visualiser: the run stops, the result menus open, nothing simulates.
    EXPECT_FALSE(fenetre->EnCours);
    EXPECT_TRUE(fenetre->Action("Visualisations")->isEnabled());
    EXPECT_FALSE(fenetre->Action("Simulations")->isEnabled());
    EXPECT_EQ(fenetre->Donnees(), &bd);
}

// Golfe.vsc, 4 periods a year: 243 single steps, then the balance instead
// of the 244th; "Recommencer" reads the file again.
TEST(Concours, PasAPasJusquAuBilanPuisRecommencer)
{
    auto fenetre = FenetreChargee();
    Script script;
    script.Installer(*fenetre);
    for (int i = 0; i < 3; ++i)
        fenetre->PasAPas();
    // Ticking the contest with a data set loaded starts it at once.
    fenetre->Action("Concours")->trigger();
    ASSERT_TRUE(fenetre->Coche("Concours"));
    EXPECT_EQ(fenetre->Donnees()->NbPeriodes(), 0);

    for (int i = 0; i < 243; ++i)
        fenetre->PasAPas();
    EXPECT_TRUE(script.Vus.empty());
    EXPECT_EQ(fenetre->Donnees()->NbPeriodes(), 243);

    int vuesA = -1;
    script << [&](QDialog& d) {
        vuesA = fenetre->Donnees()->NbPeriodes();
        return Cliquer("BtRecommencer")(d);
    };
    const TBDVasco* ancien = fenetre->Donnees();
    fenetre->PasAPas();
    ASSERT_EQ(script.Vus.size(), 1u);
    EXPECT_EQ(script.Vus[0].Titre, "Bilan des 60 ans");
    EXPECT_EQ(vuesA, 243);
    EXPECT_NE(fenetre->Donnees(), ancien);
    EXPECT_EQ(fenetre->Donnees()->NbPeriodes(), 0);
    EXPECT_TRUE(fenetre->Action("PasAPas")->isEnabled());
    EXPECT_TRUE(fenetre->Coche("Concours"));
}

TEST(Concours, EnContinuLeBilanSuitLaPeriode240)
{
    auto fenetre = FenetreChargee();
    Cocher(*fenetre, "Concours", true);
    Script script;
    script.Installer(*fenetre);
    int vuesA = -1;
    script << [&](QDialog& d) {
        vuesA = fenetre->Donnees()->NbPeriodes();
        return Cliquer("BtBilanContinuer")(d);
    };
    fenetre->EnContinu();
    ASSERT_TRUE(AttendreFin(*fenetre));
    EXPECT_EQ(vuesA, 240);
    EXPECT_EQ(fenetre->Donnees()->NbPeriodes(), 240);
    EXPECT_FALSE(fenetre->EnCours);
    EXPECT_TRUE(fenetre->Action("Visualisations")->isEnabled());
    EXPECT_TRUE(script.Fini());
}

TEST(Concours, OptionsSansDonneesEtDecocher)
{
    TFenetreMere vide;
    vide.Action("Concours")->trigger();
    EXPECT_TRUE(vide.Coche("Concours"));
    EXPECT_EQ(vide.Donnees(), nullptr);

    auto fenetre = FenetreChargee();
    Cocher(*fenetre, "Concours", true);
    fenetre->Donnees()->Pas();
    fenetre->Action("Concours")->trigger();
    EXPECT_FALSE(fenetre->Coche("Concours"));
    EXPECT_EQ(fenetre->Donnees()->NbPeriodes(), 1);
}

// Graph windows read the option when they open: toggling it closes them.
TEST(Options, AffichageNumeroPeriodeFermeLesGraphes)
{
    auto fenetre = FenetreChargee();
    ASSERT_TRUE(fenetre->Coche("AffichageNumeroPeriode"));
    fenetre->OuvrirCAEtBenefices();
    ASSERT_FALSE(fenetre->Zone()->subWindowList().isEmpty());
    fenetre->Action("AffichageNumeroPeriode")->trigger();
    EXPECT_FALSE(fenetre->Coche("AffichageNumeroPeriode"));
    EXPECT_TRUE(fenetre->Zone()->subWindowList().isEmpty());
    EXPECT_FALSE(fenetre->Action("Fenetres")->isEnabled());
}

} // namespace
} // namespace vasco::test
