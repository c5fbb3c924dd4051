// Quit and about, with and without sound, and the sound player itself.

#include "shell/Propos.h"
#include "shell/Quitter.h"
#include "shell/UChemins.h"
#include "shell/USon.h"
#include "tests/dialogs/Outils.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vasco::test {
namespace {

using Textes = std::vector<std::string>;

// Runs with the working folder in a new empty folder.
class DossierVide {
public:
    DossierVide() : avant_(QDir::currentPath()) { QDir::setCurrent(dossier_.path()); }
    ~DossierVide() { QDir::setCurrent(avant_); }
    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }

private:
    QTemporaryDir dossier_;
    QString avant_;
};

// The real player, finding no installed file: only the working folder counts.
void SonSansFichiersInstalles(TFenetreMere& f)
{
    f.Dialogues().Son->FichierInstalle = [](const QString&) { return QString(); };
}

struct Joue {
    QString Nom;
    bool Attendre;
    bool FenetreVisible;
};

TEST(Quitter, RefuseePendantUneSimulationAnnuleeSansEffet)
{
    auto fenetre = FenetreChargee();
    fenetre->show();
    Messages messages;
    Script script;
    script.Installer(*fenetre);

    fenetre->EnCours = true;
    fenetre->QuitterClick();
    EXPECT_EQ(messages.Textes(), Textes{"Impossible de Quitter : \"simulation en cours\""});
    EXPECT_TRUE(script.Vus.empty());
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_TRUE(fenetre->EnCours);

    fenetre->EnCours = false;
    TBDVasco* avant = fenetre->Donnees();
    script << Cliquer("CancelBtn");
    fenetre->QuitterClick();
    ASSERT_EQ(script.Vus.size(), 1u);
    EXPECT_EQ(script.Vus[0].Titre, "Quitter");
    EXPECT_EQ(script.Vus[0].Focus, "OKBtn");
    EXPECT_EQ(script.Vus[0].Textes.at("Message"),
              "Voulez vous vraiment quitter cette Application?");
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->Donnees(), avant);
    EXPECT_FALSE(fenetre->Dialogues().Quitter->Confirme);
}

TEST(Quitter, EchapAnnuleOkConfirme)
{
    TFQuitter q;
    q.show();
    EXPECT_EQ(q.minimumSize(), q.maximumSize());
    QTest::keyClick(&q, Qt::Key_Escape);
    EXPECT_FALSE(q.Confirme);
    EXPECT_FALSE(q.isVisible());
    q.show();
    q.OKBtn->click();
    EXPECT_TRUE(q.Confirme);
}

TEST(Quitter, LeSonJoueFenetreCacheeAvantLaFermeture)
{
    auto fenetre = FenetreChargee();
    fenetre->show();
    fenetre->Action("son")->setChecked(true);
    std::vector<Joue> joues;
    fenetre->Dialogues().Jouer = [&](const QString& nom, bool attendre) {
        joues.push_back({nom, attendre, fenetre->isVisible()});
        return true;
    };
    Messages messages;
    Script script;
    script.Installer(*fenetre);
    script << Cliquer("OKBtn");
    fenetre->QuitterClick();
    ASSERT_EQ(joues.size(), 1u);
    EXPECT_EQ(joues[0].Nom, "Wagner.wav");
    EXPECT_TRUE(joues[0].Attendre);
    EXPECT_FALSE(joues[0].FenetreVisible);
    EXPECT_TRUE(messages.Textes().empty());
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_TRUE(fenetre->Coche("son"));
}

TEST(Quitter, SonIntrouvableSignaleDecocheEtQuitteQuandMeme)
{
    DossierVide dossier;
    auto fenetre = FenetreChargee();
    fenetre->show();
    SonSansFichiersInstalles(*fenetre);
    fenetre->Action("son")->setChecked(true);
    Messages messages;
    Script script;
    script.Installer(*fenetre);
    script << Cliquer("OKBtn");
    fenetre->QuitterClick();
    EXPECT_EQ(messages.Textes(), Textes{"Imposible de lire le fichier son."});
    EXPECT_FALSE(fenetre->Coche("son"));
    EXPECT_FALSE(fenetre->isVisible());
}

// In the program's message loop, a confirmed quit ends the loop: the
// window is closed while hidden, which would not end it by itself.
TEST(Quitter, TermineLaBoucleDuProgramme)
{
    auto fenetre = FenetreChargee();
    fenetre->show();
    Script script;
    script.Installer(*fenetre);
    script << Cliquer("OKBtn");
    QTimer::singleShot(0, fenetre.get(), [&] { fenetre->QuitterClick(); });
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    garde.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(fenetre->isVisible());
}

TEST(APropos, BoiteEtSon)
{
    auto fenetre = FenetreChargee();
    std::vector<Joue> joues;
    fenetre->Dialogues().Jouer = [&](const QString& nom, bool attendre) {
        joues.push_back({nom, attendre, true});
        return true;
    };
    Script script;
    script.Installer(*fenetre);
    script << Cliquer("OKButton") << Cliquer("OKButton");
    fenetre->AProposdeClick();
    EXPECT_TRUE(joues.empty());
    fenetre->Action("son")->setChecked(true);
    fenetre->AProposdeClick();
    ASSERT_EQ(joues.size(), 1u);
    EXPECT_EQ(joues[0].Nom, "harp2.wav");
    EXPECT_FALSE(joues[0].Attendre);
    ASSERT_EQ(script.Vus.size(), 2u);
    EXPECT_EQ(script.Vus[1].Titre, "A Propos " + fenetre->windowTitle());
    const TAPropos& propos = *fenetre->Dialogues().Propos;
    EXPECT_EQ(propos.Version->text(), "Version 4.0");
    EXPECT_EQ(propos.NomProduit->text(), "Vasco");
    EXPECT_EQ(propos.minimumSize(), propos.maximumSize());
}

TEST(APropos, SonIntrouvableSignaleEtOuvreLaBoite)
{
    DossierVide dossier;
    auto fenetre = FenetreChargee();
    SonSansFichiersInstalles(*fenetre);
    fenetre->Action("son")->setChecked(true);
    Messages messages;
    Script script;
    script.Installer(*fenetre);
    script << Cliquer("OKButton");
    fenetre->AProposdeClick();
    EXPECT_EQ(messages.Textes(), Textes{"Erreur lors de la lecture du fichier son."});
    EXPECT_FALSE(fenetre->Coche("son"));
    EXPECT_EQ(script.Vus.size(), 1u);
}

TEST(Son, RechercheDureeEtAttenteBornee)
{
    DossierVide dossier;
    TSon son;
    QString installe;
    son.FichierInstalle = [&](const QString& nom) { return nom == "harp2.wav" ? installe : ""; };
    // The sounds built beside the test program, as beside the program.
    const QString wagner = FichierProgramme("Wagner.wav");
    installe = FichierProgramme("harp2.wav");
    ASSERT_FALSE(wagner.isEmpty());
    ASSERT_FALSE(installe.isEmpty());
    EXPECT_NEAR(DureeWave(wagner), 2.4, 1e-9);
    EXPECT_NEAR(DureeWave(installe), 2.2, 1e-9);

    // The working folder first, then the installed files.
    EXPECT_EQ(son.Chercher("Wagner.wav"), "");
    EXPECT_EQ(son.Chercher("harp2.wav"), installe);
    ASSERT_TRUE(QFile::copy(wagner, dossier.Chemin("Wagner.wav")));
    EXPECT_EQ(son.Chercher("Wagner.wav"),
              QFileInfo(dossier.Chemin("Wagner.wav")).absoluteFilePath());

    // Not a wave: refused before reaching the device.
    QFile faux(dossier.Chemin("faux.wav"));
    ASSERT_TRUE(faux.open(QIODevice::WriteOnly));
    faux.write("RIFF\0\0\0\0AVI LIST", 16);
    faux.close();
    EXPECT_LT(DureeWave(faux.fileName()), 0);
    EXPECT_FALSE(son.Jouer("faux.wav", true));
    EXPECT_FALSE(son.Jouer("absent.wav", false));

    // Played or refused by the device, the wait ends: loading and playing
    // take at most the sound and one second.
    QElapsedTimer temps;
    temps.start();
    son.Jouer("Wagner.wav", true);
    EXPECT_LT(temps.elapsed(), 2400 + 1000 + 200);
}

} // namespace
} // namespace vasco::test
