#include "Graphes.h"

#include "graphs/UFGDyna.h"
#include "graphs/UFGDynaDouble.h"
#include "graphs/UFGSDouble.h"
#include "graphs/UFGSEco.h"
#include "graphs/UFamilles.h"
#include "tests/support/Support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace vasco {
namespace {

using namespace vasco::test;

const QColor Vert(0, 191, 0), Bleu(0, 0, 191), Rouge(191, 0, 0), Jaune(255, 255, 0);

// The colour halfway between two values in the centre column of a slot.
QColor Entre(const TFG& g, int slot, long double bas, long double haut)
{
    return g.Image().pixelColor(CentreBarre(g, slot), (Sommet(g, bas) + Sommet(g, haut)) / 2);
}

TEST(TFGSEco, BeneficeEnJauneSurLesCoutsPerteEnRougeSurLeCA)
{
    TSupListe liste;
    Ajouter(liste, 10, 4); // turnover 10, profit 4: costs 6
    Ajouter(liste, 6, -2); // turnover 6, loss 2: costs 8
    Ajouter(liste, 5, 0);  // no profit: the loss branch, empty on top
    TFGSEco g;
    EXPECT_EQ(g.windowTitle(), "Graphique Economique");
    g.resize(400, 300);
    g.Transferer(Param(liste, 0, 12, TTypeGraphe::Histo2D));
    const int haut = HautDuTrace(g);

    EXPECT_EQ(Entre(g, 0, 0, 6), Vert);
    EXPECT_EQ(Entre(g, 0, 6, 10), Jaune);
    EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, 0), Qt::white, haut), Sommet(g, 10));
    EXPECT_EQ(Entre(g, 1, 0, 6), Vert);
    EXPECT_EQ(Entre(g, 1, 6, 8), Rouge);
    EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, 1), Qt::white, haut), Sommet(g, 8));
    EXPECT_EQ(Entre(g, 2, 0, 5), Vert);
    EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, 2), Qt::white, haut), Sommet(g, 5));
    EXPECT_EQ(g.Image().pixelColor(CentreBarre(g, 2), Sommet(g, 5) + 2), Vert);

    // In three dimensions the profit's top face is the light yellow.
    g.Transferer(Param(liste, 0, 12, TTypeGraphe::Histo3D));
    EXPECT_EQ(Entre(g, 0, 6, 10), Jaune);
    EXPECT_EQ(
        g.Image().pixelColor(CentreBarre(g, 0) + g.Decal() / 2, Sommet(g, 10) - g.Decal() / 2),
        QColor(255, 255, 32));
}

TEST(TFGSEco, LectureEtValeursDesDeuxQuantites)
{
    TSupListe liste;
    Ajouter(liste, 10, 4);
    Ajouter(liste, 6, -2);
    TFGSEco g;
    g.resize(400, 300);
    g.Transferer(Param(liste, 0, 12, TTypeGraphe::Histo2D));
    g.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(g, 1), 100);
    EXPECT_EQ(g.Colonne(), 1);
    // The costs line (8) reaches left over the first bar's yellow top.
    EXPECT_NE(g.Ecran().pixelColor(CentreBarre(g, 0), Sommet(g, 8)),
              g.Image().pixelColor(CentreBarre(g, 0), Sommet(g, 8)));
    g.MouseMove(Qt::NoButton, Qt::NoModifier, 2, 100);
    EXPECT_EQ(g.Ecran(), g.Image());

    const TTableauValeurs t = g.Valeurs();
    ASSERT_EQ(t.Lignes.size(), 2u);
    EXPECT_EQ(t.Noms, (QStringList{"Série A", "Coûts", "Série B"}));
    EXPECT_EQ(t.Lignes[1], (std::vector<long double>{6, 8, -2})); // costs: 6 - (-2)
    EXPECT_EQ(t.Etiquettes, (std::vector<int32_t>{1, 2})); // counted from 1

    // A profit that cannot be computed: reported once by the picture, and
    // once by the read-out under the economic window's own name, not again
    // while the pointer stays in the column.
    Messages messages;
    TParamGraphe p = Param(liste, 0, 12, TTypeGraphe::Histo2D);
    p.Code2 = CodeEchec;
    TFGSEco echec;
    echec.resize(400, 300);
    echec.Transferer(p);
    EXPECT_EQ(messages.Nombre("UFG/TFG.TracerHisto"), 1);
    echec.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(echec, 1), 100);
    echec.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(echec, 1) + 2, 100);
    EXPECT_EQ(messages.Nombre("UFGSEco/TFGSEco.DessinXY"), 1);
    EXPECT_EQ(messages.Textes().size(), 2u);
    EXPECT_EQ(echec.Ecran(), echec.Image());
}

TEST(TFGSDouble, PremiereSerieDerriereSecondeDevant)
{
    TSupListe liste;
    Ajouter(liste, 4, 7);
    TParamGraphe p = Param(liste, 0, 10, TTypeGraphe::Histo2D);
    p.Couleur = 0;
    p.Couleur2 = 1;
    TFGSDouble g;
    g.resize(400, 300);
    g.Transferer(p);
    const int d = g.Decal();
    ASSERT_GT(d, 4);
    // The second series in front, in its own scheme.
    EXPECT_EQ(Entre(g, 0, 0, 7), Bleu);
    // The first, one depth step up and right, shows beyond the front bar.
    const int x = g.OrigX() + 1 + g.Largeur() + d / 2;
    EXPECT_EQ(g.Image().pixelColor(x, (Sommet(g, 4) + g.Y0()) / 2 - d), Vert);
    EXPECT_EQ(g.Image().pixelColor(x, Sommet(g, 4) - d - 3), Qt::white);
    EXPECT_EQ(g.Valeurs().Lignes.at(0), (std::vector<long double>{4, 7}));

    // The read-out follows each series at its own depth: the first's guide
    // line a depth step up, starting a step right; the second's in front.
    g.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(g, 0), 100);
    ASSERT_EQ(g.Colonne(), 0);
    // Each horizontal line ends left of its vertical line, one column left
    // of the bar's centre.
    const int milieu = CentreBarre(g, 0) - 1;
    const auto lu = [&g](int x, int y) {
        return g.Ecran().pixelColor(x, y) != g.Image().pixelColor(x, y);
    };
    EXPECT_TRUE(lu(milieu + d - 5, Sommet(g, 4) - d));
    EXPECT_FALSE(lu(milieu + d - 5, Sommet(g, 4)));
    EXPECT_TRUE(lu(g.OrigX() + d, Sommet(g, 4) - d));
    EXPECT_FALSE(lu(g.OrigX() + d - 1, Sommet(g, 4) - d));
    EXPECT_TRUE(lu(milieu + d, (Sommet(g, 4) + g.Y0()) / 2 - d));
    EXPECT_TRUE(lu(milieu - 5, Sommet(g, 7)));
    EXPECT_TRUE(lu(g.OrigX(), Sommet(g, 7)));
    EXPECT_TRUE(lu(milieu, (Sommet(g, 7) + g.Y0()) / 2));
}

// Three periods, each with the sizes 10 to 12 of values (k+1, 2(k+1), 3(k+1)).
struct Periodes {
    TSupListe liste;
    Periodes()
    {
        for (int k = 0; k < 3; ++k) {
            ValeurFixe& periode = Ajouter(liste, 0);
            periode.Sous = std::make_unique<TSupListe>();
            periode.Sous->Numeroter(10);
            for (int t = 1; t <= 3; ++t)
                Ajouter(*periode.Sous, t * (k + 1), t * (k + 1) / 2.0L);
        }
    }
    TParamGraphe Param(MagnetoFixe& magneto, TTypeGraphe type = TTypeGraphe::Histo2D)
    {
        TParamGraphe p = test::Param(liste, 0, 10, type);
        p.Magneto = &magneto;
        p.XMin = 8; // the axis starts two classes before the list
        p.XMax = 14;
        return p;
    }
};

TEST(TFGDyna, SuitLeMagnetoscopeDansLesDeuxSensEtGardeSonImageAuDela)
{
    Periodes periodes;
    MagnetoFixe magneto;
    TFGDyna g;
    EXPECT_EQ(g.windowTitle(), "Graphique Dynamique");
    g.resize(400, 300);
    g.Transferer(periodes.Param(magneto));
    const auto sommetClasse = [&](int classe) {
        return PremiereLigne(g.Image(), CentreBarre(g, classe - 8), Qt::white, HautDuTrace(g));
    };
    EXPECT_EQ(g.XMin(), 8);
    EXPECT_EQ(sommetClasse(9), g.Y0()); // no class 9
    EXPECT_EQ(sommetClasse(10), Sommet(g, 1));
    EXPECT_EQ(sommetClasse(12), Sommet(g, 3));

    for (int position : {2, 1, 0, 2}) {
        magneto.Position = position;
        g.Recomposer();
        EXPECT_EQ(sommetClasse(11), Sommet(g, 2 * (position + 1))) << position;
    }
    // Beyond the periods: the picture of the last period shown stays, and
    // there is no read-out.
    const QImage image = g.Image();
    for (int position : {3, -1}) {
        magneto.Position = position;
        g.Recomposer();
        EXPECT_EQ(g.Image(), image);
        g.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(g, 3), 100);
        EXPECT_EQ(g.Colonne(), -1);
    }
    magneto.Position = 1;
    g.Recomposer();
    g.MouseMove(Qt::NoButton, Qt::NoModifier, CentreBarre(g, 3), 100);
    EXPECT_EQ(g.Colonne(), 1); // class 11, the sub-list's second element
    EXPECT_NE(g.Ecran(), g.Image());
}

TEST(TFGDynaDouble, DeuxSeriesDeLaPeriodeChoisie)
{
    Periodes periodes;
    MagnetoFixe magneto;
    magneto.Position = 1;
    TFGDynaDouble g;
    g.resize(400, 300);
    TParamGraphe p = periodes.Param(magneto);
    p.Couleur = 0;
    p.Couleur2 = 1;
    g.Transferer(p);
    // Class 12 of period 1: 6 behind, 3 in front.
    EXPECT_EQ(Entre(g, 4, 0, 3), Bleu);
    EXPECT_EQ(PremiereLigne(g.Image(), CentreBarre(g, 4), Qt::white, HautDuTrace(g)),
              Sommet(g, 6) - g.Decal());
    magneto.Position = 2;
    g.Recomposer();
    EXPECT_EQ(Entre(g, 4, 0, 4.5L), Bleu);
    const QImage image = g.Image();
    magneto.Position = 7;
    g.Recomposer();
    EXPECT_EQ(g.Image(), image);
}

TEST(CreerGraphe, UneFenetreParFamilleAvecSonContexteDAide)
{
    const std::pair<TFamilleGraphe, int> familles[] = {{TFamilleGraphe::Graph, 182162},
                                                       {TFamilleGraphe::Eco, 18608},
                                                       {TFamilleGraphe::Graph2, 182162},
                                                       {TFamilleGraphe::Dyna, 1862},
                                                       {TFamilleGraphe::DynaDouble, 18604}};
    for (const auto& [famille, aide] : familles)
        EXPECT_EQ(CreerGraphe(famille)->ContexteAideFamille(), aide);
    EXPECT_NE(dynamic_cast<TFGSEco*>(CreerGraphe(TFamilleGraphe::Eco).get()), nullptr);
    EXPECT_NE(dynamic_cast<TFGDynaDouble*>(CreerGraphe(TFamilleGraphe::DynaDouble).get()), nullptr);
    EXPECT_THROW(CreerGraphe(static_cast<TFamilleGraphe>(9)), ErreurModele);
}

} // namespace
} // namespace vasco
