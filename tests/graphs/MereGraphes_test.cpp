#include "dataset/UCatalogue.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "graphs/UFGSEco.h"
#include "graphs/ufg.h"
#include "model/UContextes.h"
#include "model/Uperiode.h"
#include "shell/Mere.h"
#include "shell/MereGraphes.h"
#include "shell/UMagneto.h"
#include "tests/support/Support.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <gtest/gtest.h>

namespace vasco {
namespace {

using namespace vasco::test;

class GraphesGolfe : public testing::Test {
protected:
    void SetUp() override
    {
        mere.resize(1100, 800);
        ASSERT_TRUE(mere.ChargerFichier(QString::fromStdString(FichierDonnees("golfe.vsc"))));
        for (int i = 0; i < 6; ++i)
            mere.Donnees()->Pas();
    }

    QList<QMdiSubWindow*> Fenetres() const
    {
        return mere.Zone()->subWindowList(QMdiArea::CreationOrder);
    }
    TFG* Graphe(QMdiSubWindow* fenetre) const { return qobject_cast<TFG*>(fenetre->widget()); }
    void Declencher(const char* nom)
    {
        QAction* action = mere.findChild<QAction*>(nom);
        ASSERT_NE(action, nullptr) << nom;
        action->trigger();
    }

    Messages messages;
    TFenetreMere mere;
};

// Each submenu of "Visualisations" offers, in catalogue order, the
// commands of its element with their captions and help topics, then its own
// submenus; every command opens at least one window.
TEST_F(GraphesGolfe, LeMenuVisualisationsOffreLesCommandesDuCatalogue)
{
    int commandes = 0;
    for (const TMenuGraphes& m : MenusGraphes()) {
        const QMenu* menu = mere.findChild<QMenu*>(m.Nom);
        ASSERT_NE(menu, nullptr) << m.Nom;
        EXPECT_EQ(menu->menuAction()->text(), QString(m.Libelle));
        const char* parent =
            m.Parent < 0 ? "Visualisations" : MenusGraphes()[static_cast<size_t>(m.Parent)].Nom;
        EXPECT_TRUE(mere.findChild<QMenu*>(parent)->actions().contains(menu->menuAction()))
            << m.Nom;
        QList<QAction*> items;
        for (QAction* a : menu->actions())
            if (!a->menu())
                items << a;
        for (const TLigneGraphe& ligne : CatalogueGraphes()) {
            if (ligne.Element != m.Element)
                continue;
            ASSERT_FALSE(items.isEmpty()) << ligne.Commande;
            QAction* item = items.takeFirst();
            EXPECT_EQ(item->objectName(), QString(ligne.Commande));
            EXPECT_EQ(item->text(), QString(ligne.Libelle));
            EXPECT_EQ(item->property(ProprieteAide).toInt(), ligne.AideCommande);
            mere.FermerGraphes();
            item->trigger();
            EXPECT_FALSE(Fenetres().isEmpty()) << ligne.Commande;
            ++commandes;
        }
        EXPECT_TRUE(items.isEmpty()) << m.Nom;
    }
    EXPECT_EQ(commandes, 22);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST_F(GraphesGolfe, ResultatsGlobauxUneFenetreChacun)
{
    struct Cas {
        const char* action;
        const char* titre;
        int aide;
        float yMin;
    };
    const float e0 = mere.Donnees()->EchelleMax[0];
    const Cas cas[] = {{"GlobalCAEtBenefices", "CA et Coûts flottille", 127, 0},
                       {"GlobalQuantites", "Quantités débarquées flottille", 129, 0},
                       {"GlobalEffectifs", "Effectifs embarqués flottille", 128, 0},
                       {"GlobalTaxes", "Subventions / taxes flottille", 130, -e0 / 10}};
    for (const Cas& c : cas) {
        Declencher(c.action);
        QMdiSubWindow* fenetre = Fenetres().last();
        EXPECT_EQ(fenetre->windowTitle(), c.titre);
        EXPECT_EQ(fenetre->property("ContexteAide").toInt(), c.aide);
        EXPECT_TRUE(fenetre->testAttribute(Qt::WA_DeleteOnClose));
        TFG* g = Graphe(fenetre);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->Liste(), &mere.Donnees()->Bilans);
        EXPECT_FLOAT_EQ(g->YMin(), c.yMin <= -1 ? -g->YMax() : 0) << c.titre;
        EXPECT_FALSE(g->Image().isNull());
    }
    EXPECT_EQ(Fenetres().size(), 4);
    EXPECT_NE(qobject_cast<TFGSEco*>(Fenetres().first()->widget()), nullptr);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST_F(GraphesGolfe, ResultatsParElementUneFenetreParElementAideSurLaDerniere)
{
    const TBDVasco& bd = *mere.Donnees();
    int especesExploitees = 0;
    for (int i = 0; i < bd.Metiers.Nombre(); ++i)
        especesExploitees += bd.Metiers.A<TMetierEco>(i).EspecesExploitees.Nombre();
    // The help context of the command goes to the last window; each earlier
    // one keeps the context its element gave its graph (the same, but for
    // the catches in numbers, whose element graph has the values' topic).
    struct Cas {
        const char* action;
        const char* debutTitre;
        int nombre;
        int aide;
        int aideElement;
    };
    const int m = bd.Metiers.Nombre(), e = bd.Especes.Nombre();
    const Cas cas[] = {
        {"MetierCAEtBenefices", "CA et bénéfices ", m, 138, 138},
        {"MetierQuantites", "Quantité pêchée ", m, 147, 147},
        {"MetierCAGris", "CA gris ", m, 139, 139},
        {"MetierCANavire", "CA et Coûts / navire ", m, 137, 137},
        {"MetierQuantitesNavire", "Quantité pêchée / navire ", m, 146, 146},
        {"MetierCAGrisNavire", "CA Gris / navire ", m, 140, 140},
        {"MetierEffort", "Effort de Pêche ", m, 141, 141},
        {"MetierNavires", "Nb de Navires ", m, 145, 145},
        {"MetierJoursMer", "Nb de Jours de mer / Navire ", m, 144, 144},
        {"MetierCapturesNombres", "Captures et rejets ", especesExploitees, 142, 143},
        {"MetierCapturesPoids", "Captures et rejets (Poids) ", especesExploitees, 142, 142},
        {"MetierValeurs", "Valeur des débarquements ", especesExploitees, 143, 143},
        {"EspeceBiomasses", "Biomasses : ", e, 132, 132},
        {"EspeceComposition", "Composition en taille (population et captures) : ", e, 135, 135},
        {"EspeceBiomasseTaille", "Biomasse et captures (poids) par taille ", e, 131, 131},
        {"EspeceCapturesTaille", "Captures (composition en taille) ", e, 133, 133},
        {"EspecePoidsTaille", "Captures (Poids) par taille ", e, 134, 134},
        {"EspeceF", "F selon la taille ", e, 136, 136},
    };
    ASSERT_GT(m, 2);
    for (const Cas& c : cas) {
        mere.FermerGraphes();
        Declencher(c.action);
        const auto fenetres = Fenetres();
        ASSERT_EQ(fenetres.size(), c.nombre) << c.action;
        for (int i = 0; i < fenetres.size(); ++i) {
            EXPECT_TRUE(fenetres[i]->windowTitle().startsWith(c.debutTitre))
                << fenetres[i]->windowTitle().toStdString();
            const int aide = fenetres[i]->property("ContexteAide").toInt();
            EXPECT_EQ(aide, i + 1 < fenetres.size() ? c.aideElement : c.aide) << c.action;
        }
        // Tiled: side by side, none maximised.
        EXPECT_FALSE(fenetres.last()->isMaximized());
    }
    EXPECT_TRUE(messages.Textes().empty());
}

TEST_F(GraphesGolfe, LesFenetresSuiventLesPeriodesEtLeMagnetoscope)
{
    mere.OuvrirCAEtBenefices();
    ASSERT_EQ(Fenetres().size(), 1);
    EXPECT_EQ(Fenetres().first()->property("ContexteAide").toInt(), 127);
    TFG* ca = Graphe(Fenetres().first());
    Declencher("EspeceComposition");
    TFG* tailles = Graphe(Fenetres().last());
    const QImage caAvant = ca->Image(), taillesAvant = tailles->Image();

    // A new period: a new bar, and the size composition of the new period.
    mere.Donnees()->Pas();
    EXPECT_NE(ca->Image(), caAvant);
    EXPECT_NE(tailles->Image(), taillesAvant);

    // Back with the step control, then forth: the same pictures again.
    const QImage caApres = ca->Image(), taillesApres = tailles->Image();
    TMagneto* magneto = mere.Magnetoscope();
    magneto->Position = 5;
    emit magneto->Deplace();
    EXPECT_EQ(ca->Image(), caAvant);
    EXPECT_EQ(tailles->Image(), taillesAvant);
    magneto->Position = 6;
    emit magneto->Deplace();
    EXPECT_EQ(ca->Image(), caApres);
    EXPECT_EQ(tailles->Image(), taillesApres);

    // Steps back free the last periods; the windows read only what is left.
    mere.Donnees()->PasEnArriere();
    mere.Donnees()->PasEnArriere();
    tailles->MouseMove(Qt::NoButton, Qt::NoModifier, tailles->width() / 2, 50);
    ca->MouseMove(Qt::LeftButton, Qt::NoModifier, ca->width() / 2, 50);
    EXPECT_TRUE(messages.Textes().empty());
}

// Every graph over time that a command opens shows the thirty periods up
// to the last one (the economic bars number the periods from 1, the
// others by their index).
TEST_F(GraphesGolfe, LesGraphesDansLeTempsMontrentTrentePeriodes)
{
    for (int i = 6; i < 40; ++i)
        mere.Donnees()->Pas();
    int commandes = 0;
    for (const TLigneGraphe& ligne : CatalogueGraphes()) {
        if (ligne.ParTaille)
            continue;
        mere.FermerGraphes();
        Declencher(ligne.Commande);
        ++commandes;
        ASSERT_FALSE(Fenetres().isEmpty()) << ligne.Commande;
        const TTableauValeurs t = Graphe(Fenetres().last())->Valeurs();
        ASSERT_EQ(t.Etiquettes.size(), 30u) << ligne.Commande;
        const int32_t derniere = ligne.Famille == TFamilleGraphe::Eco ? 40 : 39;
        EXPECT_EQ(t.Etiquettes.front(), derniere - 29) << ligne.Commande;
        EXPECT_EQ(t.Etiquettes.back(), derniere) << ligne.Commande;
    }
    EXPECT_EQ(commandes, 17);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST_F(GraphesGolfe, EnregistrerGraphiqueSous)
{
    QTemporaryDir dossier;
    QString nom;
    mere.Graphes().DemanderFichierImage = [&] { return nom; };

    // No window: the message, once a name is given.
    mere.EnregistrerGraphiqueSous();
    EXPECT_TRUE(messages.Textes().empty());
    nom = dossier.filePath("vide.bmp");
    mere.EnregistrerGraphiqueSous();
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"Aucune Fenêtre Graphique Ouverte"});
    EXPECT_FALSE(QFile::exists(nom));
    messages.Effacer();

    mere.OuvrirCAEtBenefices();
    TFG* g = Graphe(Fenetres().first());
    g->MouseMove(Qt::LeftButton, Qt::NoModifier, g->width() / 3, 50); // a read-out showing
    nom = dossier.filePath("ca.bmp");
    mere.EnregistrerGraphiqueSous();
    EXPECT_EQ(QImage(nom).convertToFormat(QImage::Format_RGB32), g->Image());

    // The values, one row per period shown: the turnover, the costs as
    // painted (turnover less profit) and the profit.
    nom = dossier.filePath("ca.csv");
    mere.EnregistrerGraphiqueSous();
    QFile fichier(nom);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lignes = QTextStream(&fichier).readAll().split('\n', Qt::SkipEmptyParts);
    TBDVasco& bd = *mere.Donnees();
    ASSERT_EQ(lignes.size(), 3 + bd.Bilans.Nombre());
    EXPECT_EQ(lignes[0], "Titre,CA et Coûts flottille");
    EXPECT_TRUE(lignes[2].endsWith(",Chiffre d'affaires,Coûts,Bénéfice"))
        << lignes[2].toStdString();
    for (int i = 0; i < bd.Bilans.Nombre(); ++i) {
        const QStringList champs = lignes[3 + i].split(',');
        ASSERT_EQ(champs.size(), 4);
        TEL& bilan = bd.Bilans.Element(i);
        const long double ca = bilan.Calcul(CodeBilanCA, &bd.Contexte);
        const long double benefice = bilan.Calcul(CodeBilanBenefice, &bd.Contexte);
        EXPECT_DOUBLE_EQ(champs[1].toDouble(), double(ca));
        EXPECT_DOUBLE_EQ(champs[2].toDouble(), double(ca - benefice));
        EXPECT_DOUBLE_EQ(champs[3].toDouble(), double(benefice));
    }

    nom = dossier.filePath("absent/ca.bmp");
    mere.EnregistrerGraphiqueSous();
    ASSERT_EQ(messages.Textes().size(), 1u);
    EXPECT_EQ(messages.Textes()[0].rfind("Exception dans EnregistrerGraphiqueSous1Click\n", 0), 0u);
}

TEST_F(GraphesGolfe, LeDialogueDEnregistrementRefuseUnDossierAbsentEtAjouteBMP)
{
    QTemporaryDir dossier;
    mere.OuvrirCAEtBenefices();
    TFG* g = Graphe(Fenetres().first());
    // The program's own dialog, answered as a user would type the names.
    QStringList reponses = {dossier.filePath("absent/ca.bmp"), dossier.filePath("ca")};
    QTimer repondeur;
    QObject::connect(&repondeur, &QTimer::timeout, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogue)
            return;
        auto* nom = dialogue->findChild<QLineEdit*>("fileNameEdit");
        if (reponses.isEmpty() || !nom) {
            dialogue->reject();
            return;
        }
        nom->setText(reponses.takeFirst());
        QMetaObject::invokeMethod(dialogue, "accept");
    });
    repondeur.start(10);
    mere.EnregistrerGraphiqueSous();
    repondeur.stop();

    EXPECT_TRUE(reponses.isEmpty());
    ASSERT_EQ(messages.Textes().size(), 1u);
    EXPECT_EQ(messages.Textes()[0].rfind("Le dossier « ", 0), 0u) << messages.Textes()[0];
    EXPECT_NE(messages.Textes()[0].find("\nChoisissez un dossier existant."), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath("absent")));
    // A name without extension gets the default one, BMP.
    const QString enregistre = dossier.filePath("ca.BMP");
    ASSERT_TRUE(QFileInfo::exists(enregistre));
    EXPECT_EQ(QImage(enregistre).convertToFormat(QImage::Format_RGB32), g->Image());
}

TEST_F(GraphesGolfe, BoiteDeFermetureLibereEtRechargementFermeAvantLesDonnees)
{
    Declencher("MetierCAEtBenefices");
    ASSERT_GT(Fenetres().size(), 1);
    QPointer<QMdiSubWindow> premiere = Fenetres().first();
    premiere->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(premiere.isNull());

    QPointer<QMdiSubWindow> autre = Fenetres().first();
    ASSERT_TRUE(mere.ChargerFichier(QString::fromStdString(FichierDonnees("simple.vsc"))));
    EXPECT_TRUE(autre.isNull());
    EXPECT_TRUE(Fenetres().isEmpty());
}

} // namespace
} // namespace vasco
