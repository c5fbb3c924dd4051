#include "Graphes.h"

#include "tests/support/Support.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <gtest/gtest.h>

namespace vasco {
namespace {

using namespace vasco::test;

// Rows of column x between two rows whose pixel is black: the ticks.
int Graduations(const QImage& image, int x, int de, int a)
{
    int n = 0;
    for (int y = de; y <= a; ++y)
        if (image.pixelColor(x, y) == Qt::black)
            ++n;
    return n;
}

TEST(TFG, AxeYArrondiGraduationsEtUnite)
{
    struct Cas {
        long double max;
        float haut;
        int graduations;
        const char* fin;
    };
    const Cas cas[] = {{7, 8, 9, "tonnes"},
                       {450, 500, 6, "tonnes (100)"},
                       {950, 1000, 2, "tonnes (1000)"},
                       {0.045L, 0.05f, 6, "tonnes (/100)"}};
    for (const Cas& c : cas) {
        TSupListe liste;
        Remplir(liste, {c.max / 2, c.max});
        TFG g;
        g.resize(400, 300);
        g.Transferer(Param(liste, 0, 0)); // automatic range
        EXPECT_FLOAT_EQ(g.YMax(), c.haut);
        EXPECT_EQ(g.YMin(), 0);
        EXPECT_EQ(g.TitreYAffiche(), c.fin);
        const int haut = g.Y0() - int(g.YMax() * g.Echelle()) - 1;
        EXPECT_EQ(Graduations(g.Image(), g.OrigX() - 1, haut, g.Y0()), c.graduations) << c.fin;
    }
}

TEST(TFG, PlagesDeYParticulieres)
{
    Messages messages;
    TSupListe liste;
    Remplir(liste, {-3, 5});
    TFG g;
    g.resize(400, 300);
    // Negative values: an axis symmetric about 0, the bar going down.
    g.Transferer(Param(liste, 0, 0));
    EXPECT_FLOAT_EQ(g.YMax(), 5);
    EXPECT_FLOAT_EQ(g.YMin(), -5);
    const int x = CentreBarre(g, 0);
    EXPECT_EQ(Pixel(g.Image(), x, g.Y0() + 3), QColor(0, 191, 0));
    EXPECT_EQ(Pixel(g.Image(), x, g.Y0() - 3), Qt::white);

    // A maximum of 0 or less, or equal bounds: the automatic range.
    g.Transferer(Param(liste, -10, 0));
    EXPECT_FLOAT_EQ(g.YMax(), 5);
    g.Transferer(Param(liste, 4, 4));
    EXPECT_FLOAT_EQ(g.YMax(), 5);
    // An explicit range with a negative minimum: top from the maximum.
    g.Transferer(Param(liste, -8, 8));
    EXPECT_FLOAT_EQ(g.YMax(), 8);
    EXPECT_FLOAT_EQ(g.YMin(), -8);

    // No element yet: the axes only, 0..1.
    TSupListe vide;
    TFG v;
    v.resize(400, 300);
    v.Transferer(Param(vide, 0, 0));
    EXPECT_FLOAT_EQ(v.YMax(), 1);
    EXPECT_FALSE(v.Image().isNull());
    EXPECT_EQ(Pixel(v.Image(), v.OrigX(), v.Y0() - 5), Qt::black); // the Y axis
    EXPECT_TRUE(messages.Textes().empty());
}

TEST(TFG, BarresPlatesALaHauteurDesValeurs)
{
    TSupListe liste;
    Remplir(liste, {2, 4.5L, 6, 0.3L});
    TFG g;
    g.resize(400, 300);
    g.Transferer(Param(liste, 0, 8, TTypeGraphe::Histo2D));
    ASSERT_GT(g.Largeur(), 4);
    const QImage& image = g.Image();
    for (int i = 0; i < 4; ++i) {
        const long double v = static_cast<ValeurFixe&>(liste.Element(i)).A;
        const int x = CentreBarre(g, i);
        const int sommet = Sommet(g, v);
        EXPECT_EQ(PremiereLigne(image, x, Qt::white, HautDuTrace(g)), sommet) << i;
        EXPECT_EQ(Pixel(image, x, sommet), Qt::black); // outline
        if (g.Y0() - sommet > 2) {
            EXPECT_EQ(Pixel(image, x, sommet + 1), QColor(0, 191, 0));
        }
    }
}

TEST(TFG, BarresEnReliefDansLesSeptSchemas)
{
    TSupListe liste;
    Remplir(liste, {5});
    for (uint8_t schema = 0; schema <= 6; ++schema) {
        TCouleursBarre c;
        ASSERT_TRUE(CouleursSchema(schema, c));
        TParamGraphe p = Param(liste, 0, 10, TTypeGraphe::Histo3D);
        p.Couleur = schema;
        TFG g;
        g.resize(300, 300);
        g.Transferer(p);
        const QImage& image = g.Image();
        const int x0 = g.OrigX() + 1, w = g.Largeur(), d = g.Decal();
        const int haut = Sommet(g, 5), bas = g.Y0();
        ASSERT_GT(d, 4);
        EXPECT_EQ(Pixel(image, x0 + w / 2, (haut + bas) / 2), c.Face) << int(schema);
        EXPECT_EQ(Pixel(image, x0 + w / 2 + d / 2, haut - d / 2), c.Dessus) << int(schema);
        EXPECT_EQ(Pixel(image, x0 + w + d / 2, (haut + bas - d) / 2), c.Cote) << int(schema);
    }
    TCouleursBarre inchange;
    EXPECT_FALSE(CouleursSchema(7, inchange));

    // The same bar in absolute pixels, worked out by hand once for this
    // window and the test font, so that the scale cannot vouch for itself.
    // Margins: 25 rows (1.8 lines of 14) and 16 columns (two '0' of 8).  The
    // 267 columns hold 1.5 positions (the bar and half a position of depth):
    // a bar 178 wide from column 17, a depth of 89.  The plot's 249 rows
    // lose the depth: 160 rows for 10, the X axis on row 25 + 160 = 185, the
    // front of 5 up to row 105 and its top face back to row 16.
    TCouleursBarre vert;
    ASSERT_TRUE(CouleursSchema(0, vert));
    TFG g;
    g.resize(300, 300);
    g.Transferer(Param(liste, 0, 10, TTypeGraphe::Histo3D));
    const QFontMetrics fm(g.font());
    ASSERT_EQ(fm.height(), 14) << "the rows below assume the test font";
    ASSERT_EQ(fm.horizontalAdvance('0'), 8) << "the columns below assume the test font";
    const QImage& image = g.Image();
    const int centre = 17 + 178 / 2;
    EXPECT_EQ(Pixel(image, 14, 184), Qt::white);
    EXPECT_EQ(Pixel(image, 14, 185), Qt::black); // the X axis, left of the bar
    EXPECT_EQ(Pixel(image, 14, 186), Qt::white);
    EXPECT_EQ(Pixel(image, centre, 186), Qt::white);
    EXPECT_EQ(Pixel(image, centre, 185), Qt::black); // the bar's foot on the axis
    EXPECT_EQ(Pixel(image, centre, 184), vert.Face);
    EXPECT_EQ(Pixel(image, centre, 106), vert.Face);
    EXPECT_EQ(Pixel(image, centre, 105), Qt::black); // the front's top edge
    EXPECT_EQ(Pixel(image, centre, 104), vert.Dessus);
    EXPECT_EQ(PremiereLigne(image, centre), 16);                // the top face's back edge
    EXPECT_EQ(Pixel(image, 17 + 178 + 89 / 2, 100), vert.Cote); // the side, rows 61 to 141
}

TEST(TFG, BarresHorsDuTraceCoupeesAuBitmap)
{
    Messages messages;
    TSupListe liste;
    Remplir(liste, {1e6L, -1e30L, NAN, 5});
    TFG g;
    g.resize(300, 200);
    g.Transferer(Param(liste, 0, 10, TTypeGraphe::Histo2D));
    const QImage& image = g.Image();
    EXPECT_EQ(Pixel(image, CentreBarre(g, 0), 1), QColor(0, 191, 0));
    EXPECT_EQ(Pixel(image, CentreBarre(g, 1), image.height() - 1), QColor(0, 191, 0));
    EXPECT_EQ(PremiereLigne(image, CentreBarre(g, 2), Qt::white, g.Y0() - 20), g.Y0());
    EXPECT_EQ(PremiereLigne(image, CentreBarre(g, 3), Qt::white, HautDuTrace(g)), Sommet(g, 5));
    EXPECT_TRUE(messages.Textes().empty());
}

TEST(TFG, PlusDePositionsQueDePixels)
{
    TSupListe liste;
    for (int i = 0; i < 1000; ++i)
        Ajouter(liste, i % 7);
    TFG g;
    g.resize(200, 150);
    g.Transferer(Param(liste, 0, 10, TTypeGraphe::Histo2D));
    EXPECT_EQ(g.Largeur(), 1);
    EXPECT_LT(g.XMax(), 200);
    EXPECT_EQ(g.XMin(), 0);
    // Enlarged, the window regains the positions it had to leave out.
    g.resize(2400, 150);
    g.Paint();
    EXPECT_EQ(g.XMax(), 999);
    EXPECT_GE(g.Largeur(), 2);
}

TEST(TFG, FenetreDeTrentePeriodesSuitLeMagnetoscope)
{
    TSupListe liste;
    for (int i = 0; i < 40; ++i)
        Ajouter(liste, i % 10 + 1);
    MagnetoFixe magneto;
    magneto.Position = 39;
    TParamGraphe p = Param(liste, 0, 10, TTypeGraphe::Histo2D);
    p.Magneto = &magneto;
    p.XMin = 0;
    p.XMax = 29;
    TFG g;
    g.resize(700, 300);
    g.Transferer(p);

    int x = 0, iMin = -1, iMax = -1;
    ASSERT_TRUE(g.CalculIminImax(x, iMin, iMax));
    EXPECT_EQ(iMin, 10);
    EXPECT_EQ(iMax, 39);
    // The first slot shows element 10 (value 1), the last element 39 (10).
    EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, 0), Qt::white, HautDuTrace(g)), Sommet(g, 1));
    EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, 29), Qt::white, HautDuTrace(g)),
              Sommet(g, 10));

    // Back to period 5: bars from the left edge up to element 5, then none.
    magneto.Position = 5;
    g.Recomposer();
    ASSERT_TRUE(g.CalculIminImax(x, iMin, iMax));
    EXPECT_EQ(iMin, 0);
    EXPECT_EQ(iMax, 5);
    EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, 5), Qt::white, HautDuTrace(g)), Sommet(g, 6));
    EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, 6), Qt::white, HautDuTrace(g)), g.Y0());

    // Before the first period: nothing to draw.
    magneto.Position = -1;
    EXPECT_FALSE(g.CalculIminImax(x, iMin, iMax));
}

TEST(TFG, CourbeEtMarques)
{
    TSupListe liste;
    Remplir(liste, {2, 8, 2});
    TParamGraphe p = Param(liste, 0, 10, TTypeGraphe::Courbe);
    p.CouleurTexte = {255, 0, 0};
    TFG courbe;
    courbe.resize(300, 200);
    courbe.Transferer(p);
    // The segment from the first point up to the second: red pixels between.
    const int x0 = courbe.OrigX() + 1;
    const int milieu = x0 + courbe.Largeur() / 2;
    const int ligne = PremiereLigne(courbe.Image(), milieu, Qt::white, HautDuTrace(courbe));
    EXPECT_EQ(Pixel(courbe.Image(), milieu, ligne), QColor(255, 0, 0));
    EXPECT_GT(ligne, Sommet(courbe, 8));
    EXPECT_LT(ligne, Sommet(courbe, 2));

    p.Type = TTypeGraphe::Points;
    p.Marque = '#';
    TFG marques;
    marques.resize(300, 200);
    marques.Transferer(p);
    // A marker is drawn around each point and nowhere between.
    const auto marque = [&](int x, int y) {
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                if (Pixel(marques.Image(), x + dx, y + dy) == Qt::black)
                    return true;
        return false;
    };
    EXPECT_TRUE(marque(x0 + marques.Largeur(), Sommet(marques, 8)));
    EXPECT_FALSE(marque(x0 + marques.Largeur(), Sommet(marques, 2)));
}

TEST(TFG, NumeroDePeriode)
{
    TSupListe liste;
    Remplir(liste, {1});
    MagnetoFixe magneto;
    magneto.Position = 6;
    TParamGraphe p = Param(liste, 0, 10, TTypeGraphe::Histo2D);
    p.Magneto = &magneto;
    const auto encre = [](const TFG& g) {
        const QImage& image = g.Image();
        int n = 0;
        for (int y = 0; y < image.height() / 10; ++y)
            for (int x = image.width() * 3 / 4; x < image.width() - 10; ++x)
                n += image.pixelColor(x, y) == Qt::black;
        return n;
    };
    TFG sans;
    sans.resize(400, 300);
    sans.Transferer(p);
    p.AffPeriode = true;
    TFG avec;
    avec.resize(400, 300);
    avec.Transferer(p);
    EXPECT_EQ(encre(sans), 0);
    EXPECT_GT(encre(avec), 10);
}

TEST(TFG, LectureALaSourisApparaitEtDisparait)
{
    TSupListe liste;
    Remplir(liste, {2, 4, 6});
    TFG g;
    g.resize(400, 300);
    TParamGraphe p = Param(liste, 0, 8, TTypeGraphe::Histo2D);
    p.LectureClic = true;
    g.Transferer(p);
    const int x = CentreBarre(g, 1);

    // The read-out needs the left button alone.
    g.MouseMove(Qt::NoButton, Qt::NoModifier, x, 100);
    g.MouseMove(Qt::LeftButton, Qt::ShiftModifier, x, 100);
    EXPECT_EQ(g.Colonne(), -1);
    EXPECT_EQ(g.Ecran(), g.Image());

    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(x, 100), QPointF(x, 100), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&g, &appui);
    EXPECT_EQ(g.Colonne(), 1);
    EXPECT_NE(g.Ecran(), g.Image());
    // The guide line at the value's row, exclusive-or on white: black.
    const int gauche = CentreBarre(g, 0);
    EXPECT_EQ(Pixel(g.Ecran(), gauche, Sommet(g, 4)), Qt::black);
    EXPECT_EQ(Pixel(g.Image(), gauche, Sommet(g, 4)), Qt::white);

    // Saving writes the composed picture, without the read-out.
    QTemporaryDir dossier;
    const QString bmp = dossier.filePath("graphe.bmp");
    ASSERT_TRUE(g.Enregistrer(bmp));
    EXPECT_EQ(QImage(bmp).convertToFormat(QImage::Format_RGB32), g.Image());
    const QString png = dossier.filePath("graphe.png");
    ASSERT_TRUE(g.Enregistrer(png));
    EXPECT_EQ(QImage(png, "PNG").convertToFormat(QImage::Format_RGB32), g.Image());

    // The context menu copies the picture, without the read-out.
    QTimer::singleShot(0, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menu->actions().first()->trigger();
            menu->close();
        }
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(x, 100), g.mapToGlobal(QPoint(x, 100)));
    QCoreApplication::sendEvent(&g, &menu);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              g.Image());

    // Another column: one read-out only; then left of the first bar: none.
    g.MouseMove(Qt::LeftButton, Qt::NoModifier, CentreBarre(g, 2), 100);
    EXPECT_EQ(g.Colonne(), 2);
    EXPECT_EQ(Pixel(g.Ecran(), gauche, Sommet(g, 4)), Qt::white);
    g.MouseMove(Qt::LeftButton, Qt::NoModifier, g.OrigX() - 5, 100);
    EXPECT_EQ(g.Colonne(), -1);
    EXPECT_EQ(g.Ecran(), g.Image());

    // The number read is rounded, not cut: 4.7 is written as 5, in the very
    // box a value of exactly 5 gets, and 4.2 as 4.
    TSupListe decimales;
    Remplir(decimales, {4.7L, 5, 4, 4.2L});
    TFG r;
    r.resize(400, 300);
    r.Transferer(Param(decimales, 0, 8, TTypeGraphe::Histo2D));
    const auto nombreLu = [&r](int slot, long double v) {
        r.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(r, slot), 100);
        EXPECT_EQ(r.Colonne(), slot);
        // The box right-aligns the number in nine columns above its row.
        const QFontMetrics fm(r.font());
        const int h = fm.height() + 2;
        return r.Ecran().copy(r.OrigX() + 2, Sommet(r, v) - h,
                              fm.horizontalAdvance("        0") + 1, h);
    };
    const QImage quatreSept = nombreLu(0, 4.7L), cinq = nombreLu(1, 5), quatre = nombreLu(2, 4);
    EXPECT_EQ(quatreSept, cinq);
    EXPECT_NE(quatreSept, quatre);
    EXPECT_EQ(nombreLu(3, 4.2L), quatre);
}

TEST(TFG, CsvDesValeursDessinees)
{
    TSupListe liste;
    liste.Numeroter(3);
    Remplir(liste, {2.25L, 4, 0.125L});
    TFG g;
    g.resize(400, 300);
    TParamGraphe p = Param(liste, 0, 8, TTypeGraphe::Histo2D);
    p.Titre = "Captures, rejets";
    g.Transferer(p);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("valeurs.csv");
    ASSERT_TRUE(g.Enregistrer(chemin));
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lignes = QTextStream(&fichier).readAll().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 6);
    EXPECT_EQ(lignes[0], "Titre,\"Captures, rejets\"");
    EXPECT_EQ(lignes[1], "Unité,tonnes");
    EXPECT_EQ(lignes[2], "Périodes,Série A");
    for (int i = 0; i < 3; ++i) {
        const QStringList champs = lignes[3 + i].split(',');
        ASSERT_EQ(champs.size(), 2);
        EXPECT_EQ(champs[0].toInt(), 3 + i);
        const double v = champs[1].toDouble();
        EXPECT_EQ(v, double(static_cast<ValeurFixe&>(liste.Element(i)).A));
        EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, i), Qt::white, HautDuTrace(g)),
                  Sommet(g, v));
    }
    EXPECT_FALSE(g.Enregistrer(dossier.filePath("absent/valeurs.csv")));
}

TEST(TFG, EchecDeValeurSignaleEtFenetreIntacte)
{
    Messages messages;
    TSupListe liste;
    Remplir(liste, {2, 4});
    TParamGraphe p = Param(liste, 0, 8, TTypeGraphe::Histo2D);
    p.Code = CodeEchec;
    TFG g;
    g.resize(300, 200);
    g.Transferer(p);
    EXPECT_EQ(messages.Nombre("UFG/TFG.TracerHisto"), 1);
    p.Type = TTypeGraphe::Courbe;
    g.Transferer(p);
    EXPECT_EQ(messages.Nombre("UFG/TFG.TracerCourbe"), 1);
    g.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(g, 0), 50);
    EXPECT_EQ(messages.Nombre("UFG/TFG.DessinXY"), 1);
    EXPECT_FALSE(g.Image().isNull());

    // An automatic range that cannot be computed is reported once, where
    // it is asked for, not again at each repaint or resize.
    messages.Effacer();
    p.Type = TTypeGraphe::Histo2D;
    p.YMax = 0;
    TFG a;
    a.resize(300, 200);
    a.Transferer(p);
    a.resize(320, 220);
    a.Paint();
    a.Recomposer();
    EXPECT_EQ(messages.Nombre("UFG/TFG.ParamAxeY"), 1);
    EXPECT_FALSE(a.Image().isNull());
}

} // namespace
} // namespace vasco
