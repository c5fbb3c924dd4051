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

namespace vasco {
namespace {

using namespace vasco::test;

// One window of a family over lists it keeps alive, with the Y and X
// ranges its description must give.  Values carry decimals so that the
// rounding shows.
struct Cas {
    TSupListe liste;
    MagnetoFixe magneto;
    std::unique_ptr<TFG> g;
    QString plageY, plageX;
};

// The case's window of a family, opened with a block over its list.
std::unique_ptr<Cas> Ouvrir(std::unique_ptr<Cas> c, std::unique_ptr<TFG> g, TParamGraphe p,
                            const char* plageY, const char* plageX)
{
    c->g = std::move(g);
    c->g->resize(600, 300);
    c->g->Transferer(p);
    std::tie(c->plageY, c->plageX) = std::pair(plageY, plageX);
    return c;
}

// A time graph of two series: forty periods, the last thirty drawn.
std::unique_ptr<Cas> Temps()
{
    auto c = std::make_unique<Cas>();
    for (int i = 0; i < 40; ++i)
        Ajouter(c->liste, i % 9 + 0.4L, i % 5 + 0.6L);
    c->magneto.Position = 39;
    TParamGraphe p = Param(c->liste, 0, 10);
    std::tie(p.Titre, p.TitreX, p.Magneto, p.XMax) =
        std::tuple("Biomasses", "Trimestres", &c->magneto, 29);
    return Ouvrir(std::move(c), std::make_unique<TFGSDouble>(), p, "Axe vertical de 0 à 10 tonnes.",
                  "Trimestres 10 à 39.");
}

// The size composition of the period the step control selects.
std::unique_ptr<Cas> Tailles()
{
    auto c = std::make_unique<Cas>();
    for (int k = 1; k <= 2; ++k) {
        ValeurFixe& periode = Ajouter(c->liste, 0);
        periode.Sous = std::make_unique<TSupListe>();
        periode.Sous->Numeroter(10);
        for (int t = 0; t < 6; ++t)
            Ajouter(*periode.Sous, k * 1000 + t * 1.5L);
    }
    c->magneto.Position = 1;
    TParamGraphe p = Param(c->liste, 0, 2500, TTypeGraphe::Histo3D);
    std::tie(p.Titre, p.TitreX, p.TitreY, p.Magneto, p.XMin, p.XMax) =
        std::tuple("Captures", "cm", "milliers", &c->magneto, 8, 16);
    return Ouvrir(std::move(c), std::make_unique<TFGDyna>(), p,
                  "Axe vertical de 0 à 3000 milliers.", "Tailles 10 à 15 cm.");
}

// Stacked economic bars in relief, counted from 1.
std::unique_ptr<Cas> Economie()
{
    auto c = std::make_unique<Cas>();
    for (auto [ca, benefice] : {std::pair(52.5L, 7.25L), {40.2L, -3.5L}, {61.49L, 0.51L}})
        Ajouter(c->liste, ca, benefice);
    TParamGraphe p = Param(c->liste, 0, 80, TTypeGraphe::Histo3D);
    std::tie(p.Titre, p.TitreX, p.TitreY) = std::tuple("CA et Coûts flottille", "Trimestres", "M€");
    return Ouvrir(std::move(c), std::make_unique<TFGSEco>(), p, "Axe vertical de 0 à 80 M€.",
                  "Trimestres 1 à 3.");
}

using Fabrique = std::unique_ptr<Cas> (*)();
const Fabrique TousLesCas[] = {Temps, Tailles, Economie};

TEST(GrapheAccessible, NomEtDescriptionDisentCeQuiEstDessine)
{
    for (Fabrique fabrique : TousLesCas) {
        const std::unique_ptr<Cas> c = fabrique();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c->g.get());
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), c->g->windowTitle());
        EXPECT_EQ(a->text(QAccessible::Description),
                  c->g->windowTitle() + ". " + c->plageY + " " + c->plageX);
    }
    // It follows the step control: the time window ends at its position,
    // and before the first period nothing is drawn.
    const std::unique_ptr<Cas> c = Temps();
    c->magneto.Position = 4;
    c->g->Recomposer();
    EXPECT_TRUE(c->g->accessibleDescription().endsWith("Trimestres 0 à 4."));
    c->magneto.Position = -1;
    c->g->Recomposer();
    EXPECT_TRUE(c->g->accessibleDescription().endsWith("Aucune valeur."));
}

TEST(GrapheAccessible, TableauDesValeursDuCsvArrondiesCommeLaLecture)
{
    for (Fabrique fabrique : TousLesCas) {
        const std::unique_ptr<Cas> c = fabrique();
        const TTableauValeurs csv = c->g->Valeurs();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c->g.get());
        EXPECT_EQ(a->role(), QAccessible::Table);
        QAccessibleTableInterface* t = a->tableInterface();
        ASSERT_NE(t, nullptr);
        ASSERT_GT(csv.Lignes.size(), 1u);
        ASSERT_EQ(t->rowCount(), int(csv.Lignes.size()));
        const int n = t->columnCount();
        ASSERT_EQ(n, int(csv.Noms.size()) + 1);
        EXPECT_EQ(a->childCount(), t->rowCount() * n);
        EXPECT_EQ(t->columnDescription(0), csv.TitreX);
        for (int r = 0; r < t->rowCount(); ++r) {
            for (int k = 0; k < n; ++k) {
                QAccessibleInterface* cellule = t->cellAt(r, k);
                ASSERT_NE(cellule, nullptr);
                EXPECT_EQ(cellule->role(), QAccessible::Cell);
                EXPECT_EQ(a->child(r * n + k), cellule);
                EXPECT_EQ(a->indexOfChild(cellule), r * n + k);
                QAccessibleTableCellInterface* ci = cellule->tableCellInterface();
                ASSERT_NE(ci, nullptr);
                EXPECT_EQ(std::tuple(ci->rowIndex(), ci->columnIndex(), ci->table()),
                          std::tuple(r, k, a));
                const size_t l = size_t(r);
                const QString attendu =
                    k == 0 ? QString::number(csv.Etiquettes[l])
                           : QString::number(std::llround(double(csv.Lignes[l][size_t(k - 1)])));
                EXPECT_EQ(cellule->text(QAccessible::Name), attendu) << r << ' ' << k;
            }
        }
        EXPECT_EQ(t->cellAt(t->rowCount(), 0), nullptr);

        // A new picture makes new cells; those handed out before are gone.
        const QAccessible::Id ancienne = QAccessible::uniqueId(t->cellAt(0, 1));
        c->magneto.Position -= 1;
        c->g->Recomposer();
        const long double v = c->g->Valeurs().Lignes.at(0).at(0);
        EXPECT_EQ(t->cellAt(0, 1)->text(QAccessible::Name),
                  QString::number(std::llround(double(v))));
        EXPECT_EQ(QAccessible::accessibleInterface(ancienne), nullptr);
    }
}

// A one-series window whose values round up and down.
struct Clavier {
    TSupListe liste;
    TFG g;
    explicit Clavier(int colonneSouris = -1)
    {
        liste.Numeroter(1);
        Remplir(liste, {2, 4.7L, 6.2L, 3});
        TParamGraphe p = Param(liste, 0, 8);
        std::tie(p.Titre, p.TitreX) = std::pair("Quantités", "Trimestres");
        g.resize(400, 300);
        g.Transferer(p);
        if (colonneSouris >= 0)
            g.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(g, colonneSouris), 100);
    }
};

TEST(GrapheAccessible, FlechesDebutFinLisentLaColonneCommeLaSouris)
{
    Clavier c;
    const QString sans = c.g.accessibleDescription();
    // From no cursor, Left starts at the last column; the ends hold.
    const std::tuple<Qt::Key, int, const char*> touches[] = {
        {Qt::Key_Left, 3, "Trimestres 4 : 3 tonnes. "},
        {Qt::Key_Right, 3, "Trimestres 4 : 3 tonnes. "},
        {Qt::Key_Home, 0, "Trimestres 1 : 2 tonnes. "},
        {Qt::Key_Left, 0, "Trimestres 1 : 2 tonnes. "},
        {Qt::Key_Right, 1, "Trimestres 2 : 5 tonnes. "},
        {Qt::Key_Right, 2, "Trimestres 3 : 6 tonnes. "},
        {Qt::Key_End, 3, "Trimestres 4 : 3 tonnes. "}};
    for (const auto& [touche, colonne, lu] : touches) {
        QTest::keyClick(&c.g, touche);
        EXPECT_EQ(c.g.CurseurClavier(), colonne);
        EXPECT_EQ(c.g.accessibleDescription(), lu + sans);
        EXPECT_NE(c.g.Ecran(), c.g.Image());
        EXPECT_EQ(c.g.Ecran(), Clavier(colonne).g.Ecran()) << lu;
    }
    // Escape hides it, and so does a new picture; the next key goes on
    // from the same column.  Keys with a modifier are not the cursor's.
    QTest::keyClick(&c.g, Qt::Key_Escape);
    EXPECT_EQ(c.g.Ecran(), c.g.Image());
    EXPECT_EQ(c.g.accessibleDescription(), sans);
    QTest::keyClick(&c.g, Qt::Key_Left);
    c.g.Recomposer();
    EXPECT_EQ(std::pair(c.g.Ecran(), c.g.accessibleDescription()), std::pair(c.g.Image(), sans));
    QTest::keyClick(&c.g, Qt::Key_Left);
    QTest::keyClick(&c.g, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(c.g.CurseurClavier(), 1);
}

TEST(GrapheAccessible, FocusParCtrlTabCadreSurLEcranSeulementSousFenetreDecrite)
{
    // The area first: the graphs leave their sub-windows as they die.
    QMdiArea zone;
    Clavier un, deux;
    zone.resize(800, 600);
    QMdiSubWindow* f1 = zone.addSubWindow(&un.g);
    QMdiSubWindow* f2 = zone.addSubWindow(&deux.g);
    zone.show();
    QApplication::setActiveWindow(&zone);
    zone.setActiveSubWindow(f1);
    ASSERT_TRUE(un.g.hasFocus());
    QTest::keyClick(&un.g, Qt::Key_End);
    EXPECT_EQ(f1->accessibleName(), un.g.windowTitle());
    EXPECT_EQ(f1->accessibleDescription(), un.g.accessibleDescription());
    EXPECT_TRUE(f1->accessibleDescription().startsWith("Trimestres 4 : 3 tonnes."));

    // The frame is on the screen only, and the read-out goes with the focus.
    const QImage avecFocus = un.g.grab().toImage();
    QTest::keyClick(&un.g, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(zone.activeSubWindow(), f2);
    EXPECT_TRUE(deux.g.hasFocus());
    EXPECT_EQ(un.g.Ecran(), un.g.Image());
    const QImage sansFocus = un.g.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(sansFocus, un.g.Image());
    const int y = un.g.height() / 2;
    EXPECT_NE(avecFocus.pixelColor(1, y), sansFocus.pixelColor(1, y));
}

} // namespace
} // namespace vasco
