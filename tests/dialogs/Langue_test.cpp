// The program's language: English for an English system locale or when the
// user chose it, French otherwise; in English the menus, a dialog's
// messages, the graph titles, the balance and the read errors, and the same
// French as ever once French is back.
#include "dialogs/UConcourForm.h"
#include "shell/Mere.h"
#include "shell/MereDialogues.h"
#include "shell/ULangue.h"
#include "tests/dialogs/Outils.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vasco::test {
namespace {

QStringList Menus(const TFenetreMere& f)
{
    QStringList titres;
    for (const QAction* action : f.menuBar()->actions())
        titres << action->text();
    return titres;
}

TEST(Langue, ChoixSelonLaLocaleDuSysteme)
{
    const struct {
        TLangue choix;
        const char* locale;
        bool anglais;
    } cas[] = {
        {TLangue::Systeme, "en_GB", true},  {TLangue::Systeme, "en_US", true},
        {TLangue::Systeme, "fr_FR", false}, {TLangue::Systeme, "de_DE", false},
        {TLangue::Systeme, "C", false},     {TLangue::Francais, "en_GB", false},
        {TLangue::Anglais, "fr_FR", true},
    };
    for (const auto& c : cas)
        EXPECT_EQ(EnAnglais(c.choix, QLocale(c.locale)), c.anglais) << c.locale;

    // Stored for the next start (the tests' own settings), and forgotten.
    for (TLangue choix : {TLangue::Anglais, TLangue::Francais, TLangue::Systeme}) {
        EnregistrerLangue(choix);
        EXPECT_EQ(LangueEnregistree(), choix);
    }
}

class EnAnglaisTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InstallerLangue(true)); }
    void TearDown() override { InstallerLangue(false); }
};

TEST_F(EnAnglaisTest, MenusDialogueGrapheBilanEtErreurDeLecture)
{
    auto f = FenetreChargee();
    EXPECT_EQ(Menus(*f), (QStringList{"&File", "&Simulations", "Measures", "Graphs", "&Windows",
                                      "Options", "&Help"}));
    EXPECT_EQ(f->Action("OuvrirPartie")->text(), "Open game...");

    // A dialog's refusal, from the model's measure table.
    Messages messages;
    Script script;
    script.Installer(*f);
    script << Saisir({{"txNombreDeNavires", "abc"}}, "BtOK")
           << Saisir({{"txNombreDeNavires", "10"}}, "BtOK");
    for (int metier = 0; metier < f->Donnees()->Metiers.Nombre(); ++metier)
        script << Cliquer("BtAnnuler");
    f->ModificationdesconditionsMetierClick();
    ASSERT_FALSE(script.Vus.empty());
    EXPECT_TRUE(script.Vus[0].Titre.startsWith("Fleet conditions: "))
        << script.Vus[0].Titre.toStdString();
    ASSERT_FALSE(messages.Textes().empty());
    EXPECT_EQ(messages.Textes()[0], "Number of vessels: not a number");

    // A graph title composed by the model.
    f->PasAPas();
    f->Action("GlobalQuantites")->trigger();
    EXPECT_EQ(f->Zone()->subWindowList(QMdiArea::CreationOrder).last()->windowTitle(),
              "Landings, all fleets");

    // The balance form.
    QString titre;
    f->Dialogues().Montrer = [&](QDialog& d) {
        titre = d.windowTitle();
        return 0;
    };
    f->BilanConcours();
    EXPECT_EQ(titre, "Sixty-year balance");

    // What a listener hears of a graph: English words and decimals.
    const QString description =
        f->Zone()->subWindowList(QMdiArea::CreationOrder).last()->accessibleDescription();
    EXPECT_TRUE(description.contains("Vertical axis from 0 to ")) << description.toStdString();

    // A data file that cannot be read: what was expected, in English.
    QTemporaryDir dossier;
    const QString casse = dossier.filePath("casse.vsc");
    QFile fichier(casse);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("x\n");
    fichier.close();
    messages.Effacer();
    EXPECT_FALSE(f->ChargerFichier(casse));
    ASSERT_EQ(messages.Textes().size(), 1u);
    EXPECT_NE(messages.Textes()[0].find(
                  "casse.vsc: line 1: number of header lines expected (whole number)"),
              std::string::npos)
        << messages.Textes()[0];
}

// Back in French (as under a C or French locale), every text is the source
// text again.
TEST_F(EnAnglaisTest, RetourAuFrancais)
{
    InstallerLangue(EnAnglais(TLangue::Systeme, QLocale::c()));
    TFenetreMere f;
    EXPECT_EQ(Menus(f), (QStringList{"&Fichier", "&Simulations", "Conditions", "Visualisations",
                                     "Fenêtres", "Options", "&Aide"}));
    EXPECT_EQ(FichierAide(), "Vasco.hlp");
}

} // namespace
} // namespace vasco::test
