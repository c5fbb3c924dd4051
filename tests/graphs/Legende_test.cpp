// The legend of the graph windows: each series named once, by its catalogue
// row, in the legend, the accessible table and the CSV alike; swatches of
// the colours the plot is painted in; a band that gives its height back to
// the plot when "Options | Légendes" turns it off.
#include "Graphes.h"

#include "dataset/UCatalogue.h"
#include "dataset/Ubd.h"
#include "graphs/UFGSDouble.h"
#include "graphs/UFGSEco.h"
#include "model/UTraduction.h"
#include "shell/Mere.h"
#include "shell/ULangue.h"
#include "shell/UReglages.h"
#include "tests/support/Support.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <gtest/gtest.h>

namespace vasco {
namespace {

using namespace vasco::test;

// The contrast ratio of two colours, as that of text on its background.
double Contraste(const QColor& a, const QColor& b)
{
    const auto l = [](const QColor& c) {
        const auto v = [](double x) {
            return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * v(c.redF()) + 0.7152 * v(c.greenF()) + 0.0722 * v(c.blueF());
    };
    return (std::max(l(a), l(b)) + 0.05) / (std::min(l(a), l(b)) + 0.05);
}

QStringList NomsVisibles(const TFG& g)
{
    QStringList noms;
    for (const TElementLegende& e : g.Legende())
        if (e.Visible)
            noms << e.Nom;
    return noms;
}

// The series' headers of the accessible table and of the CSV file.
std::pair<QStringList, QStringList> EnTetes(TFG& g)
{
    QAccessibleTableInterface* t = QAccessible::queryAccessibleInterface(&g)->tableInterface();
    QStringList accessibles;
    for (int k = 1; k < t->columnCount(); ++k)
        accessibles << t->columnDescription(k);
    QTemporaryDir dossier;
    QFile fichier(dossier.filePath("valeurs.csv"));
    if (!g.Enregistrer(fichier.fileName()) || !fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return {accessibles, {}};
    QStringList csv = QTextStream(&fichier).readAll().split('\n').value(2).split(',');
    csv.removeFirst(); // the X title
    return {accessibles, csv};
}

// Whether a colour is painted in the plot, below the band.
bool Peinte(const TFG& g, const QColor& couleur)
{
    const QImage& image = g.Image();
    for (int y = g.HauteurLegende(); y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == couleur)
                return true;
    return false;
}

// Each swatch in the picture has its entry's colour, inside an outline
// that stands out from the background, and every other pixel of the band
// that is not background (the names) stands out as much.
void VerifierBande(const TFG& g, const QColor& fond)
{
    std::vector<TElementLegende> elements = g.Legende();
    std::erase_if(elements, [](const TElementLegende& e) { return !e.Visible; });
    const std::vector<QRect> cases = g.CasesLegende();
    ASSERT_EQ(cases.size(), elements.size());
    const QImage& image = g.Image();
    for (size_t k = 0; k < cases.size(); ++k) {
        EXPECT_EQ(image.pixelColor(cases[k].center()), elements[k].Couleur) << k;
        EXPECT_GE(Contraste(image.pixelColor(cases[k].topLeft()), fond), 3.0) << k;
    }
    int ecrits = 0;
    for (int y = 0; y < g.HauteurLegende(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == fond || std::any_of(cases.begin(), cases.end(),
                                         [&](const QRect& r) { return r.contains(x, y); }))
                continue;
            ++ecrits;
            EXPECT_GE(Contraste(c, fond), 3.0) << x << ',' << y;
        }
    EXPECT_GT(ecrits, 0);
}

class LegendesGolfe : public testing::Test {
protected:
    void SetUp() override { EnregistrerLegendes(true); }
    void TearDown() override
    {
        EnregistrerLegendes(true);
        InstallerLangue(false);
    }

    static std::unique_ptr<TFenetreMere> Fenetre()
    {
        auto mere = std::make_unique<TFenetreMere>();
        mere->resize(1100, 800);
        // Shown, so that the tiled windows have their size.
        mere->show();
        EXPECT_TRUE(mere->ChargerFichier(QString::fromStdString(FichierDonnees("golfe.vsc"))));
        for (int i = 0; i < 12; ++i)
            mere->Donnees()->Pas();
        return mere;
    }
    static std::vector<TFG*> Graphes(const TFenetreMere& mere)
    {
        std::vector<TFG*> graphes;
        for (QMdiSubWindow* f : mere.Zone()->subWindowList(QMdiArea::CreationOrder))
            if (auto* g = qobject_cast<TFG*>(f->widget()))
                graphes.push_back(g);
        return graphes;
    }

    Messages messages;
};

// Every command of the catalogue, in French then in English: the legend,
// the accessible table and the CSV name the series with the row's names
// (the economic windows: the three things painted in the legend, turnover,
// costs and profit in the table), and the swatches have the colours the
// plot is painted in.
TEST_F(LegendesGolfe, ChaqueLigneDuCatalogueNommeSesSeriesUneFois)
{
    for (bool anglais : {false, true}) {
        SCOPED_TRACE(anglais ? "English" : "Français");
        ASSERT_TRUE(InstallerLangue(anglais));
        const auto nom = [](const char* texte) {
            return QCoreApplication::translate(ContexteModele, texte);
        };
        EXPECT_EQ(nom("Biomasse féconde"), anglais ? "Spawning biomass" : "Biomasse féconde");
        const std::unique_ptr<TFenetreMere> mere = Fenetre();
        for (const TLigneGraphe& ligne : CatalogueGraphes()) {
            SCOPED_TRACE(ligne.Commande);
            mere->FermerGraphes();
            mere->Action(ligne.Commande)->trigger();
            const std::vector<TFG*> graphes = Graphes(*mere);
            ASSERT_FALSE(graphes.empty());
            const bool eco = ligne.Famille == TFamilleGraphe::Eco;
            QStringList colonnes{nom(ligne.Nom)};
            if (eco)
                colonnes << nom(NomCouts);
            if (ligne.Nom2)
                colonnes << nom(ligne.Nom2);
            for (TFG* g : graphes) {
                EXPECT_EQ(EnTetes(*g), std::pair(colonnes, colonnes));
                const std::vector<std::vector<long double>> t = g->Valeurs().Lignes;
                const bool perte =
                    std::any_of(t.begin(), t.end(), [](const auto& l) { return l.back() < 0; });
                QStringList legende = colonnes;
                if (eco)
                    legende = QStringList{nom(NomCouts), nom(ligne.Nom2)} +
                              (perte ? QStringList{nom(NomPerte)} : QStringList{});
                EXPECT_EQ(NomsVisibles(*g), legende);
                VerifierBande(*g, g->Image().pixelColor(1, g->height() - 2));

                // A swatch has the colour of the middle of its part of a bar,
                // in the row where that part is tallest: the front series
                // (the last), each of the economic parts.
                const std::vector<TElementLegende> e = g->Legende();
                using Partie =
                    std::pair<long double, long double> (*)(const std::vector<long double>&);
                const auto verifier = [&](const TElementLegende& entree, Partie partie) {
                    size_t r = 0;
                    for (size_t i = 0; i < t.size(); ++i)
                        if (partie(t[i]).second - partie(t[i]).first >
                            partie(t[r]).second - partie(t[r]).first)
                            r = i;
                    const auto [bas, haut] = partie(t[r]);
                    if ((haut - bas) * g->Echelle() < 4 || g->Largeur() < 3)
                        return;
                    EXPECT_EQ(g->Image().pixelColor(g->ZoneLigne(int(r)).x() + g->Largeur() / 2,
                                                    g->Y0() - int((bas + haut) / 2 * g->Echelle())),
                              entree.Couleur)
                        << entree.Nom.toStdString();
                };
                if (!eco) {
                    verifier(e.back(), [](const auto& l) { return std::pair(0.0L, l.back()); });
                    continue;
                }
                // Turnover, costs, profit: the green base up to the lower of
                // turnover and costs, the profit above the costs, the loss
                // above the turnover.
                verifier(e[0], [](const auto& l) { return std::pair(0.0L, std::min(l[0], l[1])); });
                verifier(e[1], [](const auto& l) { return std::pair(l[1], l[0]); });
                verifier(e[2], [](const auto& l) { return std::pair(l[0], l[1]); });
            }
        }
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// "Options | Légendes" hides the band of every open window and gives its
// height back to the plot, is kept for the next start, and the windows
// opened meanwhile follow it; checked again, the bands come back.  Every
// picture saved (PNG, BMP) or copied is the one drawn, band and all.
TEST_F(LegendesGolfe, LOptionMasqueEtMontreLaBandeDansLesImagesAussi)
{
    std::unique_ptr<TFenetreMere> mere = Fenetre();
    QAction* option = mere->Action("Legendes");
    EXPECT_TRUE(option->isCheckable() && option->isChecked());
    mere->Action("EspeceBiomasses")->trigger();
    const std::vector<TFG*> graphes = Graphes(*mere);
    ASSERT_FALSE(graphes.empty());
    QTemporaryDir dossier;
    std::vector<std::pair<int, int>> mesures[3]; // band and plot heights
    for (int passe = 0; passe < 3; ++passe) {
        if (passe > 0)
            option->trigger();
        EXPECT_EQ(LegendesAffichees(), passe != 1);
        for (TFG* g : graphes) {
            mesures[passe].emplace_back(g->HauteurLegende(), g->Y0() - HautDuTrace(*g));
            for (const char* fichier : {"graphe.png", "graphe.bmp"}) {
                ASSERT_TRUE(g->Enregistrer(dossier.filePath(fichier)));
                EXPECT_EQ(QImage(dossier.filePath(fichier)).convertToFormat(QImage::Format_RGB32),
                          g->Image());
            }
            g->CopierImage();
            EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                      g->Image());
        }
        if (passe == 1) {
            EXPECT_FALSE(Fenetre()->Action("Legendes")->isChecked());
            mere->Action("GlobalQuantites")->trigger();
            EXPECT_EQ(Graphes(*mere).back()->HauteurLegende(), 0);
        }
    }
    for (size_t k = 0; k < graphes.size(); ++k) {
        const auto [bande, trace] = mesures[0][k];
        EXPECT_GT(bande, 0);
        EXPECT_EQ(mesures[1][k].first, 0);
        // The plot regains the band's height, to a pixel of rounding.
        EXPECT_NEAR(mesures[1][k].second, trace + bande, 1);
        EXPECT_EQ(mesures[2][k], mesures[0][k]);
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// The loss is named, in the red it is painted in, only while a period at a
// loss is in the window; the band keeps its height either way.
TEST(Legende, LaPerteNommeeQuandElleEstDessinee)
{
    TSupListe liste;
    for (int i = 0; i < 40; ++i)
        Ajouter(liste, 10, i == 5 ? -3 : 2);
    MagnetoFixe magneto;
    magneto.Position = 29;
    TParamGraphe p = Param(liste, 0, 20, TTypeGraphe::Histo2D);
    std::tie(p.Magneto, p.XMax, p.Legende) = std::tuple(&magneto, 29, true);
    TFGSEco g;
    g.resize(600, 300);
    g.Transferer(p);
    const QColor rouge(191, 0, 0);
    const int bande = g.HauteurLegende();
    EXPECT_EQ(NomsVisibles(g), (QStringList{"Coûts", "Série B", "Perte"}));
    EXPECT_EQ(g.Image().pixelColor(g.CasesLegende().at(2).center()), rouge);
    EXPECT_TRUE(Peinte(g, rouge));

    magneto.Position = 39; // periods 10 to 39: no loss
    g.Recomposer();
    EXPECT_EQ(NomsVisibles(g), (QStringList{"Coûts", "Série B"}));
    EXPECT_FALSE(Peinte(g, rouge));
    EXPECT_EQ(g.HauteurLegende(), bande);
    VerifierBande(g, Qt::white);
}

// A narrow window lays the entries out on more rows, their names clear of
// the period number, which stays in the top right corner as a window
// without legend writes it.
TEST(Legende, PlusieursRangsLibresDuCoinDeLaPeriode)
{
    TSupListe liste;
    Remplir(liste, {1, 2, 3}); // low bars, clear of the corner
    TParamGraphe p = Param(liste, 0, 10, TTypeGraphe::Histo2D);
    std::tie(p.Nom, p.Nom2, p.AffPeriode) =
        std::tuple("Biomasse de la population entière", "Biomasse féconde", true);
    int rangs = 0;
    for (int largeur : {700, 300}) {
        TFGSDouble sans, g;
        sans.resize(largeur, 300);
        sans.Transferer(p);
        p.Legende = true;
        g.resize(largeur, 300);
        g.Transferer(p);
        p.Legende = false;
        const std::vector<QRect> cases = g.CasesLegende();
        ASSERT_EQ(cases.size(), 2u);
        EXPECT_EQ(cases[0].top() < cases[1].top(), largeur == 300) << largeur;
        EXPECT_GT(g.HauteurLegende(), rangs);
        rangs = g.HauteurLegende();
        const int droite = largeur - 10;
        int gauche = droite;
        for (int x = droite / 2; x < droite; ++x)
            for (int y = 0; y < rangs; ++y)
                if (sans.Image().pixelColor(x, y) == Qt::black)
                    gauche = std::min(gauche, x);
        ASSERT_LT(gauche, droite) << "no period number";
        const QRect coin(gauche, 0, droite - gauche, rangs);
        EXPECT_EQ(g.Image().copy(coin), sans.Image().copy(coin));
        const QFontMetrics fm(g.font());
        const QStringList noms = NomsVisibles(g);
        for (size_t k = 0; k < cases.size(); ++k)
            EXPECT_LT(cases[k].right() + fm.horizontalAdvance(noms[int(k)]), gauche - 4);
        VerifierBande(g, Qt::white);
    }
}

} // namespace
} // namespace vasco
