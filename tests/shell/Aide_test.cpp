// Help: the help file, its viewer, F1 everywhere (over a modal dialog too);
// and the logo decoded by libjpeg.

#include "model/UContextes.h"
#include "shell/Mere.h"
#include "shell/UAide.h"
#include "shell/UChemins.h"
#include "shell/ULogo.h"
#include "tests/shell/Fenetre.h"
#include "tests/support/Support.h"

#include <QAction>
#include <QBuffer>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

namespace vasco {
namespace {

// The French help file and the English one, topic for topic.
TEST(Aide, LeFichierDAideDonneUneRubriqueAChaqueContexteDuProgramme)
{
    for (const char* nom : {"Vasco.hlp", "Vasco.en.hlp"}) {
        SCOPED_TRACE(nom);
        const QString chemin = FichierProgramme(nom);
        ASSERT_FALSE(chemin.isEmpty());
        const auto sujets = LireFichierAide(chemin);

        // Every named context, and whatever the main window's objects carry.
        std::set<int> contextes(std::begin(ContextesAide), std::end(ContextesAide));
        TFenetreMere f;
        for (const QObject* objet : f.findChildren<QObject*>()) {
            const QVariant contexte = objet->property(ProprieteAide);
            if (contexte.isValid())
                contextes.insert(contexte.toInt());
        }
        EXPECT_GT(contextes.size(), 50u);
        for (const int contexte : contextes) {
            const auto sujet = sujets.find(contexte);
            ASSERT_NE(sujet, sujets.end()) << "contexte " << contexte;
            EXPECT_FALSE(sujet->second.Titre.isEmpty()) << contexte;
            EXPECT_GT(sujet->second.Html.size(), 80) << contexte;
        }
        // Every link leads to a topic.
        static const QRegularExpression lien(R"re(href="aide:(\d+)")re");
        for (const auto& [contexte, sujet] : sujets) {
            for (const auto& trouve : lien.globalMatch(sujet.Html))
                EXPECT_TRUE(sujets.count(trouve.captured(1).toInt()))
                    << "lien vers " << trouve.captured(1).toStdString() << " dans " << contexte;
        }
    }
}

TEST(Aide, LecteurDeRubriquesEtNavigation)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("essai.hlp");
    EcrireFichier(chemin, "Commentaire avant la première rubrique.\n"
                          "@sujet 0 Sommaire\n<p>Voir <a href=\"aide:12\">douze</a>.</p>\n"
                          "@sujet 12   Douze \n<p>Le texte\nsur deux lignes.</p>\n");
    const auto sujets = LireFichierAide(chemin);
    ASSERT_EQ(sujets.size(), 2u);
    EXPECT_EQ(sujets.at(12).Titre, "Douze");
    EXPECT_EQ(sujets.at(12).Html.trimmed(), "<p>Le texte\nsur deux lignes.</p>");
    EXPECT_TRUE(LireFichierAide(dossier.filePath("absent.hlp")).empty());

    TAide aide;
    ASSERT_TRUE(aide.Charger(chemin));
    aide.Afficher(12);
    EXPECT_EQ(aide.ContexteAffiche(), 12);
    EXPECT_TRUE(aide.Navigateur()->toPlainText().contains("sur deux lignes"));
    EXPECT_EQ(aide.windowTitle(), "Aide de Vasco – Douze");
    aide.Afficher(999); // unknown: the contents
    EXPECT_EQ(aide.ContexteAffiche(), 0);
    aide.Navigateur()->backward();
    EXPECT_EQ(aide.ContexteAffiche(), 12);
    aide.Navigateur()->setSource(QUrl("aide:0"));
    EXPECT_EQ(aide.ContexteAffiche(), 0);
}

TEST(Aide, F1OuvreLaRubriqueDeCeQuiALeFocus)
{
    test::Messages messages;
    TFenetreMere f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));

    f.Action("aide")->trigger();
    ASSERT_NE(f.Aide(), nullptr);
    EXPECT_TRUE(f.Aide()->isVisible());
    EXPECT_EQ(f.Aide()->ContexteAffiche(), 1);
    f.Action("Index")->trigger();
    EXPECT_EQ(f.Aide()->ContexteAffiche(), 0);

    // A graph window and the widget inside it.
    auto* champ = new QLineEdit;
    QMdiSubWindow* graphe = f.Zone()->addSubWindow(champ);
    graphe->show();
    f.ContexteAideDernier(138);
    f.activateWindow();
    champ->setFocus();
    QTest::keyClick(champ, Qt::Key_F1);
    EXPECT_EQ(f.Aide()->ContexteAffiche(), 138);

    // A menu answers for its highlighted item.
    auto* options = f.findChild<QMenu*>("Options");
    EXPECT_EQ(TFenetreMere::ContexteAideDe(options), 105);
    options->setActiveAction(f.Action("Concours"));
    EXPECT_EQ(TFenetreMere::ContexteAideDe(options), 106);
    options->setActiveAction(f.Action("son"));
    EXPECT_EQ(TFenetreMere::ContexteAideDe(options), 105);
    EXPECT_EQ(TFenetreMere::ContexteAideDe(&f), 0);

    // Over a modal dialog, the viewer belongs to the dialog so that it can be
    // used while the dialog waits.
    QDialog dialogue(&f);
    dialogue.setProperty("ContexteAide", 25);
    auto* edition = new QLineEdit(&dialogue);
    edition->setProperty("ContexteAide", 27);
    bool visible = false;
    int contexte = -1;
    QWidget* proprietaire = nullptr;
    QTimer::singleShot(0, &dialogue, [&] {
        edition->setFocus();
        QTest::keyClick(edition, Qt::Key_F1);
        visible = f.Aide()->isVisible();
        contexte = f.Aide()->ContexteAffiche();
        proprietaire = f.Aide()->parentWidget();
        QTest::keyClick(&dialogue, Qt::Key_F1);
        EXPECT_EQ(f.Aide()->ContexteAffiche(), 25);
        dialogue.reject();
    });
    dialogue.exec();
    EXPECT_TRUE(visible);
    EXPECT_EQ(contexte, 27);
    EXPECT_EQ(proprietaire, &dialogue);
    // Back on the main window.
    f.OuvrirAide(110);
    EXPECT_EQ(f.Aide()->parentWidget(), &f);
    EXPECT_EQ(f.Aide()->ContexteAffiche(), 110);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST(Logo, DecodeParLibjpegEnCouleursEtRefuseCeQuiNEnEstPas)
{
    const QImage logo = LogoVasco();
    ASSERT_FALSE(logo.isNull());
    EXPECT_GE(logo.width(), 800);
    EXPECT_GT(logo.width(), logo.height());
    // Sky above, deep sea below: the channels are in their order.
    const QColor ciel = logo.pixelColor(logo.width() / 2, 2);
    const QColor mer = logo.pixelColor(logo.width() / 2, logo.height() - 3);
    EXPECT_GT(ciel.blue(), ciel.red());
    EXPECT_GT(mer.blue(), mer.red() + 40);
    EXPECT_LT(mer.lightness(), ciel.lightness());

    // A greyscale JPEG written by Qt and read back by the decoder.
    QImage gris(40, 20, QImage::Format_Grayscale8);
    gris.fill(200);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    gris.save(&tampon, "JPG", 95);
    const QImage relu = DecoderJpeg(octets);
    ASSERT_EQ(relu.size(), QSize(40, 20));
    EXPECT_EQ(relu.format(), QImage::Format_Grayscale8);
    EXPECT_NEAR(qGray(relu.pixel(10, 10)), 200, 3);

    EXPECT_TRUE(DecoderJpeg({}).isNull());
    EXPECT_TRUE(DecoderJpeg("pas une image JPEG").isNull());
    EXPECT_TRUE(DecoderJpeg(QByteArray("\xFF\xD8\xFF\xE0", 4)).isNull());
}

} // namespace
} // namespace vasco
