#include "Graphes.h"

#include "graphs/UFGDyna.h"
#include "graphs/UFGSDouble.h"
#include "graphs/UFGSEco.h"
#include "tests/support/Support.h"

#include <QAccessible>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace vasco {
namespace {

using namespace vasco::test;

// A window of one family over lists that the case keeps alive: a time
// graph of two series, the size composition of a period, stacked economic
// bars in relief.  Values carry decimals so that the rounding shows.
struct Cas {
    const char* nom;
    TSupListe liste;
    std::vector<std::unique_ptr<TSupListe>> periodes;
    MagnetoFixe magneto;
    std::unique_ptr<TFG> graphe;
    const char* plageY;
    const char* plageX;
};

std::unique_ptr<Cas> Temps()
{
    auto c = std::make_unique<Cas>();
    c->nom = "temps";
    for (int i = 0; i < 40; ++i)
        Ajouter(c->liste, i % 9 + 0.4L, i % 5 + 0.6L);
    c->magneto.Position = 39;
    TParamGraphe p = Param(c->liste, 0, 10, TTypeGraphe::Histo2D);
    p.Titre = "Biomasses : Merlu";
    p.TitreX = "Trimestres";
    p.Magneto = &c->magneto;
    p.XMin = 0;
    p.XMax = 29;
    c->graphe = std::make_unique<TFGSDouble>();
    c->graphe->resize(700, 300);
    c->graphe->Transferer(p);
    c->plageY = "Axe vertical de 0 à 10 tonnes.";
    c->plageX = "Trimestres 10 à 39.";
    return c;
}

std::unique_ptr<Cas> Tailles()
{
    auto c = std::make_unique<Cas>();
    c->nom = "tailles";
    for (int k = 0; k < 2; ++k) {
        ValeurFixe& periode = Ajouter(c->liste, 0);
        periode.Sous = std::make_unique<TSupListe>();
        periode.Sous->Numeroter(10);
        for (int t = 0; t < 6; ++t)
            Ajouter(*periode.Sous, (k + 1) * 1000 + t * 1.5L);
    }
    c->magneto.Position = 1;
    TParamGraphe p = Param(c->liste, 0, 2500, TTypeGraphe::Histo3D);
    p.Titre = "Captures (composition en taille) Sole";
    p.TitreX = "cm";
    p.TitreY = "milliers";
    p.Magneto = &c->magneto;
    p.XMin = 8;
    p.XMax = 16;
    c->graphe = std::make_unique<TFGDyna>();
    c->graphe->resize(500, 300);
    c->graphe->Transferer(p);
    c->plageY = "Axe vertical de 0 à 3000 milliers.";
    c->plageX = "Tailles 10 à 15 cm.";
    return c;
}

std::unique_ptr<Cas> Economie()
{
    auto c = std::make_unique<Cas>();
    c->nom = "économie";
    Ajouter(c->liste, 52.5L, 7.25L);
    Ajouter(c->liste, 40.2L, -3.5L);
    Ajouter(c->liste, 61.49L, 0.51L);
    TParamGraphe p = Param(c->liste, 0, 80, TTypeGraphe::Histo3D);
    p.Titre = "CA et Coûts flottille";
    p.TitreX = "Trimestres";
    p.TitreY = "M€";
    c->graphe = std::make_unique<TFGSEco>();
    c->graphe->resize(500, 300);
    c->graphe->Transferer(p);
    c->plageY = "Axe vertical de 0 à 80 M€.";
    c->plageX = "Trimestres 1 à 3.";
    return c;
}

using Fabrique = std::unique_ptr<Cas> (*)();
const Fabrique TousLesCas[] = {Temps, Tailles, Economie};

QString Rond(long double v)
{
    return QString::number(std::llround(static_cast<double>(v)));
}

TEST(GrapheAccessible, NomEtDescriptionDisentCeQuiEstDessine)
{
    for (Fabrique fabrique : TousLesCas) {
        const std::unique_ptr<Cas> c = fabrique();
        TFG& g = *c->graphe;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&g);
        ASSERT_NE(a, nullptr) << c->nom;
        EXPECT_EQ(a->text(QAccessible::Name), g.windowTitle()) << c->nom;
        const QString description = a->text(QAccessible::Description);
        EXPECT_TRUE(description.startsWith(g.windowTitle() + ". ")) << c->nom;
        EXPECT_TRUE(description.contains(c->plageY)) << description.toStdString();
        EXPECT_TRUE(description.endsWith(c->plageX)) << description.toStdString();
    }

    // The description follows the step control: the time window ends at
    // its position, and before the first period nothing is drawn.
    const std::unique_ptr<Cas> c = Temps();
    c->magneto.Position = 4;
    c->graphe->Recomposer();
    EXPECT_TRUE(c->graphe->accessibleDescription().endsWith("Trimestres 0 à 4."));
    c->magneto.Position = -1;
    c->graphe->Recomposer();
    EXPECT_TRUE(c->graphe->accessibleDescription().endsWith("Aucune valeur."));
}

TEST(GrapheAccessible, TableauDesValeursCommeLeCsvArrondiesCommeLaLecture)
{
    for (Fabrique fabrique : TousLesCas) {
        const std::unique_ptr<Cas> c = fabrique();
        TFG& g = *c->graphe;
        const TTableauValeurs csv = g.Valeurs();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&g);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Table) << c->nom;
        QAccessibleTableInterface* t = a->tableInterface();
        ASSERT_NE(t, nullptr) << c->nom;
        ASSERT_GT(csv.Lignes.size(), 1u) << c->nom;
        ASSERT_EQ(t->rowCount(), int(csv.Lignes.size())) << c->nom;
        ASSERT_EQ(t->columnCount(), int(csv.Codes.size()) + 1) << c->nom;
        EXPECT_EQ(a->childCount(), t->rowCount() * t->columnCount());
        EXPECT_EQ(t->columnDescription(0), csv.TitreX);
        for (int k = 1; k < t->columnCount(); ++k)
            EXPECT_FALSE(t->columnDescription(k).isEmpty()) << c->nom << k;
        for (int r = 0; r < t->rowCount(); ++r) {
            for (int k = 0; k < t->columnCount(); ++k) {
                QAccessibleInterface* cellule = t->cellAt(r, k);
                ASSERT_NE(cellule, nullptr);
                EXPECT_EQ(cellule->role(), QAccessible::Cell);
                EXPECT_EQ(cellule, t->cellAt(r, k)) << "one interface per cell";
                EXPECT_EQ(a->child(r * t->columnCount() + k), cellule);
                EXPECT_EQ(a->indexOfChild(cellule), r * t->columnCount() + k);
                QAccessibleTableCellInterface* ci = cellule->tableCellInterface();
                ASSERT_NE(ci, nullptr);
                EXPECT_EQ(ci->rowIndex(), r);
                EXPECT_EQ(ci->columnIndex(), k);
                EXPECT_EQ(ci->table(), a);
                EXPECT_EQ(cellule->parent(), a);
                const size_t l = size_t(r);
                const QString attendu = k == 0 ? QString::number(csv.Etiquettes[l])
                                               : Rond(csv.Lignes[l][size_t(k - 1)]);
                EXPECT_EQ(cellule->text(QAccessible::Name), attendu) << c->nom << r << k;
            }
        }
        EXPECT_EQ(t->cellAt(t->rowCount(), 0), nullptr);
        EXPECT_EQ(t->cellAt(0, t->columnCount()), nullptr);

        // A new picture makes new cells: those handed out before are
        // deleted, not left reading the old values.
        const QAccessible::Id ancienne = QAccessible::uniqueId(t->cellAt(0, 1));
        c->magneto.Position -= 1;
        g.Recomposer();
        const TTableauValeurs apres = g.Valeurs();
        ASSERT_FALSE(apres.Lignes.empty());
        EXPECT_EQ(t->cellAt(0, 1)->text(QAccessible::Name), Rond(apres.Lignes[0][0])) << c->nom;
        EXPECT_EQ(QAccessible::accessibleInterface(ancienne), nullptr) << c->nom;
    }
}

// The keyboard read-out of a one-series window numbered from 1.
struct Clavier {
    TSupListe liste;
    TFG g;
    Clavier()
    {
        liste.Numeroter(1);
        Remplir(liste, {2, 4.7L, 6.2L, 3});
        TParamGraphe p = Param(liste, 0, 8, TTypeGraphe::Histo2D);
        p.Titre = "Quantités débarquées flottille";
        p.TitreX = "Trimestres";
        g.resize(400, 300);
        g.Transferer(p);
    }
};

TEST(GrapheAccessible, FlechesDebutFinLisentLaColonneCommeLaSouris)
{
    Clavier c;
    TFG& g = c.g;
    const QString sans = g.accessibleDescription();
    struct Touche {
        Qt::Key touche;
        int colonne;
        const char* lu;
    };
    // From no cursor, Left starts at the last column; the ends hold.
    const Touche touches[] = {{Qt::Key_Left, 3, "Trimestres 4 : 3 tonnes. "},
                              {Qt::Key_Right, 3, "Trimestres 4 : 3 tonnes. "},
                              {Qt::Key_Home, 0, "Trimestres 1 : 2 tonnes. "},
                              {Qt::Key_Left, 0, "Trimestres 1 : 2 tonnes. "},
                              {Qt::Key_Right, 1, "Trimestres 2 : 5 tonnes. "},
                              {Qt::Key_Right, 2, "Trimestres 3 : 6 tonnes. "},
                              {Qt::Key_End, 3, "Trimestres 4 : 3 tonnes. "}};
    for (const Touche& t : touches) {
        QTest::keyClick(&g, t.touche);
        EXPECT_EQ(g.CurseurClavier(), t.colonne);
        EXPECT_EQ(g.accessibleDescription(), t.lu + sans) << t.lu;
        // The very read-out the pointer shows over that column.
        TFG souris;
        souris.resize(400, 300);
        TParamGraphe p = Param(c.liste, 0, 8, TTypeGraphe::Histo2D);
        p.Titre = "Quantités débarquées flottille";
        p.TitreX = "Trimestres";
        souris.Transferer(p);
        souris.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(souris, t.colonne), 100);
        EXPECT_NE(g.Ecran(), g.Image());
        EXPECT_EQ(g.Ecran(), souris.Ecran()) << t.lu;
    }

    // Escape hides it and the description drops it; a new picture too, and
    // the next key goes on from the same column.
    QTest::keyClick(&g, Qt::Key_Escape);
    EXPECT_EQ(g.Ecran(), g.Image());
    EXPECT_EQ(g.accessibleDescription(), sans);
    QTest::keyClick(&g, Qt::Key_Left);
    EXPECT_TRUE(g.accessibleDescription().startsWith("Trimestres 3 : 6 tonnes. "));
    g.Recomposer();
    EXPECT_EQ(g.Ecran(), g.Image());
    EXPECT_EQ(g.accessibleDescription(), sans);
    QTest::keyClick(&g, Qt::Key_Left);
    EXPECT_EQ(g.CurseurClavier(), 1);

    // Keys with a modifier are not the cursor's.
    QTest::keyClick(&g, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(g.CurseurClavier(), 1);
}

TEST(GrapheAccessible, FocusParCtrlTabEtCadreSurLEcranSeulement)
{
    // The area first: the graphs leave their sub-windows as they die.
    QMdiArea zone;
    Clavier un, deux;
    zone.resize(800, 600);
    QMdiSubWindow* f1 = zone.addSubWindow(&un.g);
    QMdiSubWindow* f2 = zone.addSubWindow(&deux.g);
    zone.show();
    zone.activateWindow();
    QApplication::setActiveWindow(&zone);
    zone.setActiveSubWindow(f1);
    ASSERT_TRUE(un.g.hasFocus());

    // The sub-window says what its graph says.
    EXPECT_EQ(f1->accessibleName(), un.g.windowTitle());
    EXPECT_EQ(f1->accessibleDescription(), un.g.accessibleDescription());
    QTest::keyClick(&un.g, Qt::Key_End);
    EXPECT_EQ(f1->accessibleDescription(), un.g.accessibleDescription());

    // Drawn on the screen, never in the picture: a frame round the edge.
    const QImage avecFocus = un.g.grab().toImage();
    QTest::keyClick(&un.g, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(zone.activeSubWindow(), f2);
    EXPECT_TRUE(deux.g.hasFocus());
    EXPECT_EQ(un.g.Ecran(), un.g.Image()) << "the keyboard read-out goes with the focus";
    const QImage sansFocus = un.g.grab().toImage();
    EXPECT_NE(avecFocus.pixelColor(1, un.g.height() / 2),
              sansFocus.pixelColor(1, un.g.height() / 2));
    EXPECT_EQ(sansFocus.convertToFormat(QImage::Format_RGB32), un.g.Image());

    QTest::keyClick(&deux.g, Qt::Key_Home);
    EXPECT_TRUE(f2->accessibleDescription().startsWith("Trimestres 1 : 2 tonnes."));
}

} // namespace
} // namespace vasco
