// A class's games drawn in the graph windows: the same numbers as the
// current game when a game is compared with itself, the quantiles of the
// games that reach each period, lines for one or two games and a band for
// more, their legend, colours that read on the background, and the periods
// after the end of the current game.
#include "Graphes.h"

#include "dataset/UCatalogue.h"
#include "dataset/UComparaison.h"
#include "dataset/UQuantiles.h"
#include "dataset/USession.h"
#include "graphs/UFamilles.h"
#include "model/UTraduction.h"
#include "tests/support/Classe.h"
#include "tests/support/Support.h"

#include <QAccessible>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <gtest/gtest.h>

namespace vasco {
namespace {

using namespace vasco::test;
namespace fs = std::filesystem;

// A class of golfe.vsc games in a folder of its own.
class Classe {
public:
    explicit Classe(const std::vector<TEleve>& eleves)
        : fichiers_(FaireClasse(dossier_.path().toStdString(), "golfe.vsc", eleves))
    {
    }
    const std::vector<fs::path>& Fichiers() const { return fichiers_; }
    fs::path Chemin(const std::string& nom) const { return dossier_.path().toStdString() + "/" + nom; }

private:
    QTemporaryDir dossier_;
    std::vector<fs::path> fichiers_;
};

std::vector<TEleve> Eleves(std::initializer_list<int> periodes)
{
    std::vector<TEleve> eleves;
    int i = 0;
    for (int p : periodes) {
        TEleve e = ClasseVariee(i + 1, p).back();
        e.Periodes = p;
        eleves.push_back(e);
        ++i;
    }
    return eleves;
}

std::shared_ptr<const TComparaison> Comparees(const TSession& session,
                                              const std::vector<fs::path>& fichiers)
{
    auto c = std::make_shared<TComparaison>();
    TDemandeComparaison demande;
    demande.Fichiers = fichiers;
    demande.Fils = 2;
    EXPECT_TRUE(Comparer(session, demande, *c));
    EXPECT_EQ(c->Parties.size(), fichiers.size());
    return c;
}

void Ouvrir(TSession& session, const fs::path& partie)
{
    ASSERT_TRUE(session.Ouvrir(partie, {}, {}).Reussi());
}

const TLigneGraphe& Ligne(const std::string& commande)
{
    for (const TLigneGraphe& ligne : CatalogueGraphes())
        if (commande == ligne.Commande)
            return ligne;
    throw std::runtime_error("commande inconnue : " + commande);
}

// The current game: a game of the class opened as a student's, its
// windows on a step control at its last period.
struct PartieCourante {
    TSession Session;
    HoteEnregistreur Hote;

    explicit PartieCourante(const fs::path& partie)
    {
        EXPECT_TRUE(Session.Ouvrir(partie, {}, {}).Reussi());
        Hote.LeMagneto.Position = Donnees().NbPeriodes() - 1;
    }
    TBDVasco& Donnees() const { return *Session.Donnees(); }

    // The window of a catalogue command's first element, as the command
    // opens it.
    std::unique_ptr<TFG> Fenetre(const std::string& commande)
    {
        Hote.Graphes.clear();
        Donnees().OuvrirGraphes(Ligne(commande), Hote);
        EXPECT_FALSE(Hote.Graphes.empty());
        std::unique_ptr<TFG> g = CreerGraphe(Hote.Graphes.at(0).Famille);
        g->resize(640, 420);
        g->Transferer(Hote.Graphes.at(0));
        return g;
    }
};

// The CSV file of a window: its header (the X title first) and its rows,
// as written.
struct Csv {
    QStringList EnTetes;
    std::vector<QStringList> Lignes;
    QString Colonne(int ligne, const QString& nom) const
    {
        return Lignes.at(size_t(ligne)).value(EnTetes.indexOf(nom), "absente");
    }
};

Csv LireCsv(TFG& g)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("valeurs.csv");
    EXPECT_TRUE(g.Enregistrer(chemin));
    QFile fichier(chemin);
    EXPECT_TRUE(fichier.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList lignes = QTextStream(&fichier).readAll().split('\n', Qt::SkipEmptyParts);
    Csv csv;
    csv.EnTetes = lignes.value(2).split(',');
    for (qsizetype i = 3; i < lignes.size(); ++i)
        csv.Lignes.push_back(lignes[i].split(','));
    return csv;
}

QStringList EnTetesAccessibles(TFG& g)
{
    QAccessibleTableInterface* t = QAccessible::queryAccessibleInterface(&g)->tableInterface();
    QStringList entetes;
    for (int k = 0; k < t->columnCount(); ++k)
        entetes << t->columnDescription(k);
    return entetes;
}

QString Nombre(long double v)
{
    return QString::number(static_cast<double>(v), 'g', 15);
}

// Whether a colour is painted in a rectangle of the picture.
bool Peinte(const QImage& image, const QColor& couleur, QRect zone)
{
    zone &= image.rect();
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (image.pixelColor(x, y) == couleur)
                return true;
    return false;
}

QColor Face(uint8_t schema)
{
    TCouleursBarre c;
    CouleursSchema(schema, c);
    return c.Face;
}

// A game compared with itself: every compared column of the CSV is the
// game's own column, for a time graph of each family and for size graphs.
TEST(ComparaisonGraphes, UnePartieCompareeASoiMemeDonneSesPropresNombres)
{
    Messages messages;
    const Classe classe(Eleves({14}));
    PartieCourante courante(classe.Fichiers()[0]);
    const auto comparaison = Comparees(courante.Session, classe.Fichiers());
    const struct {
        const char* commande;
        int colonnesComparees;
    } cas[] = {
        {"GlobalCAEtBenefices", 2}, // turnover and costs
        {"GlobalQuantites", 1},
        {"EspeceBiomasses", 2},
        {"EspeceComposition", 2},
        {"EspeceCapturesTaille", 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.commande);
        const std::unique_ptr<TFG> g = courante.Fenetre(c.commande);
        const Csv avant = LireCsv(*g);
        g->FixerComparaison(comparaison);
        EXPECT_EQ(g->Comparaison(), comparaison.get());
        const Csv csv = LireCsv(*g);
        ASSERT_EQ(csv.EnTetes.size(), avant.EnTetes.size() + c.colonnesComparees);
        ASSERT_EQ(csv.Lignes.size(), avant.Lignes.size());
        ASSERT_FALSE(csv.Lignes.empty());
        for (qsizetype k = avant.EnTetes.size(); k < csv.EnTetes.size(); ++k) {
            const QString nom = csv.EnTetes[k];
            ASSERT_TRUE(nom.endsWith(" eleve01")) << nom.toStdString();
            const QString propre = nom.chopped(QString(" eleve01").size());
            for (int i = 0; i < int(csv.Lignes.size()); ++i)
                EXPECT_EQ(csv.Colonne(i, nom), csv.Colonne(i, propre))
                    << nom.toStdString() << " ligne " << i;
        }
        EXPECT_EQ(EnTetesAccessibles(*g), csv.EnTetes);
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// Five games of different lengths: at each period the band and the median
// are the quantiles of the games that reach it, as computed here from each
// game's own records.
TEST(ComparaisonGraphes, QuantilesDesPartiesQuiAtteignentChaquePeriode)
{
    Messages messages;
    const Classe classe(Eleves({20, 16, 11, 7, 18}));
    PartieCourante courante(classe.Fichiers()[0]);
    const std::unique_ptr<TFG> g = courante.Fenetre("GlobalQuantites");
    g->FixerComparaison(Comparees(courante.Session, classe.Fichiers()));

    // Each game's own quantity, period by period.
    const uint8_t code = Ligne("GlobalQuantites").Code;
    std::vector<std::vector<long double>> parties;
    for (const fs::path& fichier : classe.Fichiers()) {
        TSession partie;
        Ouvrir(partie, fichier);
        TBDVasco& b = *partie.Donnees();
        std::vector<long double> valeurs;
        for (int i = 0; i < b.Bilans.Nombre(); ++i)
            valeurs.push_back(b.Bilans.Element(i).Calcul(code, &b.Contexte));
        parties.push_back(valeurs);
    }
    const Csv csv = LireCsv(*g);
    const QString serie = QString::fromStdString(Traduire(Ligne("GlobalQuantites").Nom));
    EXPECT_EQ(csv.EnTetes.mid(1), (QStringList{serie, serie + " q05", serie + " médiane",
                                               serie + " q95"}));
    ASSERT_EQ(csv.Lignes.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        std::vector<long double> atteintes;
        for (const auto& p : parties)
            if (i < int(p.size()))
                atteintes.push_back(p[size_t(i)]);
        const auto q = Quantiles(std::span<long double>(atteintes));
        EXPECT_EQ(csv.Colonne(i, serie + " q05"), Nombre(q[0]));
        EXPECT_EQ(csv.Colonne(i, serie + " médiane"), Nombre(q[1]));
        EXPECT_EQ(csv.Colonne(i, serie + " q95"), Nombre(q[2]));
        // The current game is the first and longest: its own column.
        EXPECT_EQ(csv.Colonne(i, serie), Nombre(parties[0][size_t(i)]));
    }
    EXPECT_EQ(EnTetesAccessibles(*g), csv.EnTetes);
    EXPECT_TRUE(messages.Textes().empty());
}

// One or two games are named in the legend, each with its own dash
// pattern; three or more as their median and band, "min–max" below twenty
// games.  The table and the description follow.
TEST(ComparaisonGraphes, LegendeDUneDeuxOuDePlusieursParties)
{
    Messages messages;
    const Classe classe(Eleves({6, 5}));
    // Twenty copies of a game, under names of their own.
    std::vector<fs::path> vingt;
    for (int i = 1; i <= 20; ++i) {
        vingt.push_back(classe.Chemin(QString("p%1.vsp").arg(100 + i).toStdString()));
        fs::copy_file(classe.Fichiers()[0], vingt.back());
    }
    PartieCourante courante(classe.Fichiers()[0]);
    const std::unique_ptr<TFG> g = courante.Fenetre("EspeceBiomasses");
    g->AfficherLegende(true);
    const QStringList propres{QString::fromStdString(Traduire(Ligne("EspeceBiomasses").Nom)),
                              QString::fromStdString(Traduire(Ligne("EspeceBiomasses").Nom2))};
    EXPECT_EQ(g->Legende().size(), 2u);

    const struct {
        std::vector<fs::path> fichiers;
        QStringList legende;
        std::vector<Qt::PenStyle> traits;
        QStringList suffixes;
        const char* description;
    } cas[] = {
        {{classe.Fichiers()[1]}, {"eleve02"}, {Qt::DashLine}, {"eleve02"}, "comparée à 1 partie"},
        {classe.Fichiers(),
         {"eleve01", "eleve02"},
         {Qt::DashLine, Qt::DashDotLine},
         {"eleve01", "eleve02"},
         "comparée à 2 parties"},
        {std::vector<fs::path>(vingt.begin(), vingt.begin() + 3),
         {"médiane de 3 parties", "min–max"},
         {Qt::DashLine, Qt::NoPen},
         {"q05", "médiane", "q95"},
         "comparée à 3 parties"},
        {std::vector<fs::path>(vingt.begin(), vingt.begin() + 19),
         {"médiane de 19 parties", "min–max"},
         {Qt::DashLine, Qt::NoPen},
         {"q05", "médiane", "q95"},
         "comparée à 19 parties"},
        {vingt,
         {"médiane de 20 parties", "5–95 %"},
         {Qt::DashLine, Qt::NoPen},
         {"q05", "médiane", "q95"},
         "comparée à 20 parties"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.description);
        g->FixerComparaison(Comparees(courante.Session, c.fichiers));
        const std::vector<TElementLegende> legende = g->Legende();
        ASSERT_EQ(legende.size(), 2 + size_t(c.legende.size()));
        for (qsizetype k = 0; k < c.legende.size(); ++k) {
            const TElementLegende& e = legende[size_t(2 + k)];
            EXPECT_EQ(e.Nom, c.legende[k]);
            EXPECT_EQ(e.Trait, c.traits[size_t(k)]);
            EXPECT_GE(Contraste(QColor(e.Couleur.rgb()), Qt::white), ContrasteCompare);
        }
        // A band's swatch is translucent, as the band is.
        if (c.suffixes.size() == 3) {
            EXPECT_LT(legende.back().Couleur.alphaF(), 0.5);
        }
        // Every entry has its swatch in the band.
        EXPECT_EQ(g->CasesLegende().size(), legende.size());
        QStringList colonnes = propres;
        for (const QString& propre : propres)
            for (const QString& suffixe : c.suffixes)
                colonnes << propre + ' ' + suffixe;
        EXPECT_EQ(EnTetesAccessibles(*g).mid(1), colonnes);
        EXPECT_TRUE(g->accessibleDescription().contains(c.description))
            << g->accessibleDescription().toStdString();
    }
    g->FixerComparaison(nullptr);
    EXPECT_EQ(g->Legende().size(), 2u);
    EXPECT_FALSE(g->accessibleDescription().contains("comparée"));
    EXPECT_TRUE(messages.Textes().empty());
}

// The shade of a compared game is darker than its series' bars and stands
// out from every background a window may have by 3:1 at least; on a
// background too dark for that, it is lighter.
TEST(ComparaisonGraphes, TraitsComparesContrastesSurLeFond)
{
    const QColor fonds[] = {Qt::white, QColor(0, 255, 255), QColor(192, 192, 192),
                            QColor(255, 255, 0), QColor(0, 0, 64), Qt::black};
    for (const QColor& fond : fonds)
        for (uint8_t schema = 0; schema < 7; ++schema) {
            SCOPED_TRACE(fond.name().toStdString() + " " + std::to_string(schema));
            const QColor serie = Face(schema);
            const QColor c = CouleurComparee(serie, fond);
            EXPECT_GE(Contraste(c, fond), ContrasteCompare);
            const bool clair = Contraste(Qt::black, fond) >= ContrasteCompare;
            if (clair)
                EXPECT_LT(c.lightness(), serie.lightness());
            else
                EXPECT_GT(c.lightness(), serie.lightness());
        }
    EXPECT_NEAR(Contraste(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(Contraste(QColor(128, 128, 128), QColor(128, 128, 128)), 1.0, 1e-9);
}

// The row of a value in a window, as drawn.
int Rang(const TFG& g, long double v)
{
    return g.Y0() - int(std::trunc(v * g.Echelle()));
}

// Pixels of the composed picture: the band tints the bars it covers, the
// median and the lines are in the shade of the series, the games' markers
// are there; removing the comparison gives back the very picture.
TEST(ComparaisonGraphes, BandeEtTraitsPeintsSurLesBarres)
{
    Messages messages;
    // Without random draws: the current game's fleet kept, the others'
    // halved, doubled and multiplied by 1.5, so that the band of the three
    // others spans the current game's bars.
    const Classe classe({{.Nom = "eleve01", .Periodes = 12},
                         {.Nom = "eleve02", .Periodes = 12, .Facteur = 0.5},
                         {.Nom = "eleve03", .Periodes = 12, .Facteur = 2},
                         {.Nom = "eleve04", .Periodes = 12, .Facteur = 1.5}});
    PartieCourante courante(classe.Fichiers()[0]);
    const std::unique_ptr<TFG> g = courante.Fenetre("GlobalQuantites");
    const std::unique_ptr<TFG> temoin = courante.Fenetre("GlobalQuantites");
    const QImage sans = g->Image();
    const TTableauValeurs valeursSans = g->Valeurs();
    const QColor face = Face(Ligne("GlobalQuantites").Couleur);
    const QColor fond = sans.pixelColor(1, sans.height() - 2);
    const QColor trait = CouleurComparee(face, fond);

    // Three games: the band and the median.
    g->FixerComparaison(Comparees(courante.Session, {classe.Fichiers().begin() + 1, classe.Fichiers().end()}));
    const QImage bande = g->Image();
    const TTableauValeurs t = g->Valeurs();
    int vues = 0;
    for (size_t i = 0; i < t.Lignes.size(); ++i) {
        const long double propre = t.Lignes[i][0], q05 = t.Lignes[i][1], mediane = t.Lignes[i][2],
                          q95 = t.Lignes[i][3];
        const int x = CentreBarre(*g, int(i));
        const int y05 = Rang(*g, q05), y95 = Rang(*g, q95), yBarre = Rang(*g, propre);
        // The median's dashes start at each period's point.
        if (i + 1 < t.Lignes.size()) {
            EXPECT_TRUE(Peinte(bande, trait, QRect(x - 1, Rang(*g, mediane) - 1, 3, 3))) << i;
        }
        // Inside the band and inside the bar, away from the median's line:
        // the bar's face seen through the band.
        for (int y = std::max(y95, yBarre) + 3; y < std::min(y05, g->Y0()) - 3; ++y) {
            if (std::abs(y - Rang(*g, mediane)) < 3 || sans.pixelColor(x, y) != face)
                continue;
            const QColor c = bande.pixelColor(x, y);
            EXPECT_NE(c, face) << i << ',' << y;
            EXPECT_NE(c, trait) << i << ',' << y;
            EXPECT_LT(c.lightness(), face.lightness()) << i << ',' << y;
            ++vues;
        }
    }
    EXPECT_GT(vues, 0);

    // Two games: each game's line and markers, the first's filled squares
    // at its points.
    g->FixerComparaison(Comparees(courante.Session, {classe.Fichiers()[1], classe.Fichiers()[2]}));
    const QImage lignes = g->Image();
    const TTableauValeurs t2 = g->Valeurs();
    ASSERT_EQ(t2.Noms.size(), 3);
    for (size_t i = 0; i < t2.Lignes.size(); ++i) {
        const int x = CentreBarre(*g, int(i)), y = Rang(*g, t2.Lignes[i][1]);
        EXPECT_EQ(lignes.pixelColor(x - 2, y + 2), trait) << i;
        EXPECT_EQ(lignes.pixelColor(x + 2, y - 2), trait) << i;
    }
    EXPECT_NE(lignes, sans);
    // The saved picture is the composed one, comparison and legend included.
    QTemporaryDir dossier;
    ASSERT_TRUE(g->Enregistrer(dossier.filePath("image.png")));
    EXPECT_EQ(QImage(dossier.filePath("image.png")).convertToFormat(lignes.format()), lignes);

    // Removed: the picture and the table as if it never was.
    g->FixerComparaison(nullptr);
    EXPECT_EQ(g->Comparaison(), nullptr);
    EXPECT_EQ(g->Image(), sans);
    EXPECT_EQ(g->Image(), temoin->Image());
    EXPECT_EQ(g->Valeurs().Noms, valeursSans.Noms);
    EXPECT_EQ(g->Valeurs().Lignes, valeursSans.Lignes);
    EXPECT_TRUE(messages.Textes().empty());
}

// The step control past the current game's last period: the current game
// draws no bar there, the compared game its line, the size graph its
// classes; the period number says it is after the end; the read-out and
// the table give the compared values.
TEST(ComparaisonGraphes, ApresLaFinDeLaPartieSeuleLaComparaisonEstDessinee)
{
    Messages messages;
    const Classe classe(Eleves({8, 20}));
    PartieCourante courante(classe.Fichiers()[0]);
    ASSERT_EQ(courante.Donnees().NbPeriodes(), 8);
    const auto comparaison = Comparees(courante.Session, {classe.Fichiers()[1]});
    courante.Hote.LeMagneto.Position = 14;

    const std::unique_ptr<TFG> g = courante.Fenetre("GlobalQuantites");
    const QColor face = Face(Ligne("GlobalQuantites").Couleur);
    const QColor fond = g->Image().pixelColor(1, g->height() - 2);
    EXPECT_FALSE(g->ApresLaFin());
    EXPECT_EQ(g->TextePeriode(), "15");
    g->FixerComparaison(comparaison);
    EXPECT_TRUE(g->ApresLaFin());
    EXPECT_EQ(g->TextePeriode(), "Période 15 (après la fin de la partie)");
    EXPECT_TRUE(g->accessibleDescription().contains("après la fin de la partie"));
    const TTableauValeurs t = g->Valeurs();
    ASSERT_EQ(t.Lignes.size(), 15u); // the window ends at the position
    const QImage& image = g->Image();
    for (size_t i = 0; i < t.Lignes.size(); ++i) {
        SCOPED_TRACE(i);
        const QRect colonne(g->ZoneLigne(int(i)).x() + 1, 0, g->Largeur() - 2, g->Y0() - 1);
        EXPECT_EQ(std::isnan(t.Lignes[i][0]), i >= 8);
        EXPECT_FALSE(std::isnan(t.Lignes[i][1]));
        EXPECT_EQ(Peinte(image, face, colonne), i < 8 && t.Lignes[i][0] * g->Echelle() >= 2);
        EXPECT_TRUE(Peinte(image, CouleurComparee(face, fond), colonne));
    }
    EXPECT_EQ(g->TexteCellule(12, 1), "");
    EXPECT_EQ(g->TexteCellule(12, 2), QString::number(std::llround(t.Lignes[12][1])));
    // The read-out of a column after the end shows the compared value.
    g->MouseMove(Qt::LeftButton, Qt::NoModifier, g->ZoneLigne(12).center().x(), 100);
    EXPECT_EQ(g->Colonne(), 12);
    EXPECT_NE(g->Ecran(), g->Image());
    QKeyEvent fin(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(g.get(), &fin);
    EXPECT_EQ(g->CurseurClavier(), 14);
    EXPECT_TRUE(g->accessibleDescription().contains(
        g->EnTeteColonne(2) + " : " + g->TexteCellule(14, 2)))
        << g->accessibleDescription().toStdString();

    // The size graph draws the compared game's classes of that period, and
    // no bar of the current game.
    const std::unique_ptr<TFG> d = courante.Fenetre("EspeceComposition");
    const QImage dernier = d->Image();
    const QColor fondTailles = dernier.pixelColor(1, dernier.height() - 2);
    d->FixerComparaison(comparaison);
    EXPECT_TRUE(d->ApresLaFin());
    EXPECT_EQ(d->TextePeriode(), "Période 15 (après la fin de la partie)");
    const TTableauValeurs tailles = d->Valeurs();
    ASSERT_EQ(tailles.Noms.size(), 4);
    ASSERT_FALSE(tailles.Lignes.empty());
    bool classes = false;
    for (const auto& ligne : tailles.Lignes) {
        EXPECT_TRUE(std::isnan(ligne[0]) && std::isnan(ligne[1]));
        classes = classes || ligne[2] > 0;
    }
    EXPECT_TRUE(classes);
    const QRect trace(0, d->HauteurLegende(), d->width(), d->Y0() - d->HauteurLegende());
    const uint8_t schemas[] = {Ligne("EspeceComposition").Couleur, Ligne("EspeceComposition").Couleur2};
    for (uint8_t schema : schemas) {
        EXPECT_FALSE(Peinte(d->Image(), Face(schema), trace)) << int(schema);
        EXPECT_TRUE(Peinte(d->Image(), CouleurComparee(Face(schema), fondTailles), trace))
            << int(schema);
    }
    // Removed: the size graph is back at the last period it drew.
    d->FixerComparaison(nullptr);
    EXPECT_EQ(d->Image(), dernier);
    EXPECT_FALSE(d->ApresLaFin());
    EXPECT_TRUE(messages.Textes().empty());
}

} // namespace
} // namespace vasco
