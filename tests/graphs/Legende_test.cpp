// The legend of the graph windows: each series named once, by its catalogue
// row, in the legend, the accessible table and the CSV alike; swatches of
// the colours the plot is painted in; a band that gives its height back to
// the plot when "Options | Légendes" turns it off.
#include "Graphes.h"

#include "dataset/UCatalogue.h"
#include "dataset/Ubd.h"
#include "graphs/UFGDyna.h"
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
    const auto luminance = [](const QColor& c) {
        const auto lineaire = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) +
               0.0722 * lineaire(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QStringList NomsVisibles(const TFG& g)
{
    QStringList noms;
    for (const TElementLegende& e : g.Legende())
        if (e.Visible)
            noms << e.Nom;
    return noms;
}

QStringList EnTetesAccessibles(TFG& g)
{
    QAccessibleTableInterface* t = QAccessible::queryAccessibleInterface(&g)->tableInterface();
    QStringList noms;
    for (int k = 1; k < t->columnCount(); ++k)
        noms << t->columnDescription(k);
    return noms;
}

QStringList EnTetesCsv(TFG& g)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("valeurs.csv");
    if (!g.Enregistrer(chemin))
        return {};
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lignes = QTextStream(&fichier).readAll().split('\n');
    QStringList champs = lignes.value(2).split(',');
    champs.removeFirst(); // the X title
    return champs;
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
        EXPECT_LT(cases[k].bottom(), g.HauteurLegende());
    }
    int ecrits = 0;
    for (int y = 0; y < g.HauteurLegende(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool dansUneCase = std::any_of(cases.begin(), cases.end(),
                                                 [&](const QRect& r) { return r.contains(x, y); });
            if (c == fond || dansUneCase)
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
                const TTableauValeurs t = g->Valeurs();
                ASSERT_FALSE(t.Lignes.empty());
                EXPECT_EQ(EnTetesAccessibles(*g), colonnes);
                EXPECT_EQ(EnTetesCsv(*g), colonnes);
                // The largest value of each column, and the deepest loss.
                std::vector<long double> max(colonnes.size(), 0);
                long double perte = 0;
                for (const auto& valeurs : t.Lignes) {
                    for (size_t k = 0; k < max.size(); ++k)
                        max[k] = std::max(max[k], valeurs[k]);
                    perte = std::min(perte, valeurs.back());
                }
                QStringList legende = colonnes;
                if (eco) {
                    legende = {nom(NomCouts), nom(ligne.Nom2)};
                    if (perte < 0)
                        legende << nom(NomPerte);
                    max = {max[0], max[2], -perte};
                }
                EXPECT_EQ(NomsVisibles(*g), legende);
                VerifierBande(*g, g->Image().pixelColor(1, g->height() - 2));
                // A series tall enough to show has its swatch's colour in
                // the plot.
                const std::vector<TElementLegende> elements = g->Legende();
                for (size_t k = 0; k < std::min(elements.size(), max.size()); ++k) {
                    if (max[k] * g->Echelle() >= 3) {
                        EXPECT_TRUE(Peinte(*g, elements[k].Couleur))
                            << elements[k].Nom.toStdString() << ' '
                            << g->windowTitle().toStdString();
                    }
                }
            }
        }
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// "Options | Légendes" hides the band of every open window and gives its
// height to the plot, is kept for the next start, and the windows opened
// meanwhile follow it; checked again, the bands come back.
TEST_F(LegendesGolfe, LOptionMasqueEtMontreLaBandeEtSeGarde)
{
    std::unique_ptr<TFenetreMere> mere = Fenetre();
    QAction* option = mere->Action("Legendes");
    ASSERT_TRUE(option->isCheckable());
    EXPECT_TRUE(option->isChecked());
    mere->Action("EspeceBiomasses")->trigger();
    std::vector<TFG*> graphes = Graphes(*mere);
    ASSERT_FALSE(graphes.empty());
    std::vector<int> bandes, traces;
    for (TFG* g : graphes) {
        bandes.push_back(g->HauteurLegende());
        traces.push_back(g->Y0() - HautDuTrace(*g));
        EXPECT_GT(bandes.back(), 0);
    }

    option->trigger();
    EXPECT_FALSE(LegendesAffichees());
    for (size_t k = 0; k < graphes.size(); ++k) {
        EXPECT_EQ(graphes[k]->HauteurLegende(), 0);
        EXPECT_TRUE(graphes[k]->CasesLegende().empty());
        // The plot regains the band's height, to a pixel of rounding.
        EXPECT_NEAR(graphes[k]->Y0() - HautDuTrace(*graphes[k]), traces[k] + bandes[k], 1);
    }
    mere->Action("GlobalQuantites")->trigger();
    EXPECT_EQ(Graphes(*mere).back()->HauteurLegende(), 0);
    EXPECT_FALSE(Fenetre()->Action("Legendes")->isChecked());

    option->trigger();
    EXPECT_TRUE(LegendesAffichees());
    for (size_t k = 0; k < graphes.size(); ++k) {
        EXPECT_EQ(graphes[k]->HauteurLegende(), bandes[k]);
        EXPECT_EQ(graphes[k]->Y0() - HautDuTrace(*graphes[k]), traces[k]);
    }
    EXPECT_GT(Graphes(*mere).back()->HauteurLegende(), 0);
    EXPECT_TRUE(messages.Textes().empty());
}

// A window of each family, legend on: turned off, its picture is the very
// picture of a window opened without legend (the pixel tests' pictures);
// the saved and copied pictures carry the band.
TEST(Legende, LaBandeSeRetireSansTraceEtVaDansLesImages)
{
    struct Cas {
        const char* nom;
        std::unique_ptr<TFG> (*fabrique)();
        TTypeGraphe type;
    };
    const Cas cas[] = {
        {"TFG", [] { return std::make_unique<TFG>(); }, TTypeGraphe::Histo3D},
        {"TFG plat", [] { return std::make_unique<TFG>(); }, TTypeGraphe::Histo2D},
        {"TFGSDouble", [] { return std::unique_ptr<TFG>(new TFGSDouble); }, TTypeGraphe::Histo3D},
        {"TFGSEco", [] { return std::unique_ptr<TFG>(new TFGSEco); }, TTypeGraphe::Histo3D},
    };
    TSupListe liste;
    for (int i = 0; i < 8; ++i)
        Ajouter(liste, 3 + i % 4, i % 3 - 1);
    QTemporaryDir dossier;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        TParamGraphe p = Param(liste, 0, 10, c.type);
        const std::unique_ptr<TFG> sans = c.fabrique();
        sans->resize(500, 300);
        sans->Transferer(p);
        p.Legende = true;
        const std::unique_ptr<TFG> g = c.fabrique();
        g->resize(500, 300);
        g->Transferer(p);
        ASSERT_GT(g->HauteurLegende(), 0);
        EXPECT_EQ(sans->HauteurLegende(), 0);
        EXPECT_LT(g->Echelle(), sans->Echelle());
        for (const char* fichier : {"graphe.png", "graphe.bmp"}) {
            ASSERT_TRUE(g->Enregistrer(dossier.filePath(fichier)));
            EXPECT_EQ(QImage(dossier.filePath(fichier)).convertToFormat(QImage::Format_RGB32),
                      g->Image());
        }
        g->CopierImage();
        EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                  g->Image());
        VerifierBande(*g, Qt::white);

        g->AfficherLegende(false);
        EXPECT_EQ(g->HauteurLegende(), 0);
        EXPECT_EQ(g->Image(), sans->Image());
    }
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
    ASSERT_EQ(g.CasesLegende().size(), 3u);
    EXPECT_EQ(g.Image().pixelColor(g.CasesLegende()[2].center()), rouge);
    EXPECT_TRUE(Peinte(g, rouge));

    magneto.Position = 39; // periods 10 to 39: no loss
    g.Recomposer();
    EXPECT_EQ(NomsVisibles(g), (QStringList{"Coûts", "Série B"}));
    EXPECT_EQ(g.CasesLegende().size(), 2u);
    EXPECT_FALSE(Peinte(g, rouge));
    EXPECT_EQ(g.HauteurLegende(), bande);
    VerifierBande(g, Qt::white);
}

// On every background of the catalogue, a yellow series on yellow too, the
// swatches' outlines and the names stand out; a narrow window lays the
// entries out on more rows, clear of the period number in the top right
// corner, which stays written.
TEST(Legende, LisibleSurChaqueFondEtLibreLeCoinDeLaPeriode)
{
    TSupListe liste;
    Remplir(liste, {1, 2, 3}); // low bars, clear of the corner
    for (TCouleur fond : {TCouleur{255, 255, 255}, TCouleur{255, 255, 0}, TCouleur{0, 255, 255},
                          TCouleur{192, 192, 192}}) {
        TParamGraphe p = Param(liste, 0, 10, TTypeGraphe::Histo3D);
        std::tie(p.CouleurFond, p.Couleur, p.Couleur2, p.Legende) = std::tuple(fond, 4, 3, true);
        TFGSDouble g;
        g.resize(500, 300);
        g.Transferer(p);
        VerifierBande(g, QColor(fond.R, fond.G, fond.B));
    }

    TParamGraphe p = Param(liste, 0, 10, TTypeGraphe::Histo2D);
    std::tie(p.Nom, p.Nom2, p.AffPeriode, p.Legende) =
        std::tuple("Biomasse de la population entière", "Biomasse féconde", true, true);
    TFGSDouble large, etroit;
    large.resize(700, 300);
    large.Transferer(p);
    etroit.resize(300, 300);
    etroit.Transferer(p);
    EXPECT_EQ(large.CasesLegende().at(0).top(), large.CasesLegende().at(1).top());
    EXPECT_LT(etroit.CasesLegende().at(0).top(), etroit.CasesLegende().at(1).top());
    EXPECT_GT(etroit.HauteurLegende(), large.HauteurLegende());
    for (TFG* g : {static_cast<TFG*>(&large), static_cast<TFG*>(&etroit)}) {
        // The period number where a window without legend writes it: the
        // same pixels, and the names end before it.
        TParamGraphe sansLegende = p;
        sansLegende.Legende = false;
        TFGSDouble sans;
        sans.resize(g->size());
        sans.Transferer(sansLegende);
        const int droite = g->width() - 10, bas = g->HauteurLegende();
        int gauche = droite;
        for (int x = droite / 2; x < droite; ++x)
            for (int y = 0; y < bas; ++y)
                if (sans.Image().pixelColor(x, y) == Qt::black)
                    gauche = std::min(gauche, x);
        ASSERT_LT(gauche, droite) << "no period number";
        const QRect coin(gauche, 0, droite - gauche, bas);
        EXPECT_EQ(g->Image().copy(coin), sans.Image().copy(coin));
        const QFontMetrics fm(g->font());
        const std::vector<QRect> cases = g->CasesLegende();
        const QStringList noms = NomsVisibles(*g);
        for (size_t k = 0; k < cases.size(); ++k)
            EXPECT_LT(cases[k].right() + fm.horizontalAdvance('0') / 2 + 1 +
                          fm.horizontalAdvance(noms[int(k)]),
                      gauche);
        VerifierBande(*g, Qt::white);
    }
}

} // namespace
} // namespace vasco
