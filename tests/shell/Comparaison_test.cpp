// A class's games compared in the main window: the two commands and their
// enabling, the dialog of several files, --comparer at start, the one report
// of the games left out, Cancel, the step control's range over longer games,
// what ends a comparison, stepping past the current game's end, closing
// during the replay, and the memory of comparison after comparison.

#include "dataset/UComparaison.h"
#include "dataset/USession.h"
#include "dataset/Ubd.h"
#include "model/UBlocs.h"
#include "model/UContextes.h"
#include "model/UNombres.h"
#include "model/UTraduction.h"
#include "graphs/ufg.h"
#include "model/Ulecteur.h"
#include "graphs/UFGDiagramme.h"
#include "shell/Mere.h"
#include "shell/MereDiagramme.h"
#include "shell/ULangue.h"
#include "shell/UMagneto.h"
#include "tests/shell/Fenetre.h"
#include "tests/support/Classe.h"
#include "tests/support/Support.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vasco {
namespace {

namespace fs = std::filesystem;
using test::Messages;

QString Texte(const fs::path& chemin)
{
    return QString::fromStdString(chemin.string());
}

// The games of a class of golfe.vsc in a folder of their own, beside their
// copy of the data file.
class Classe {
public:
    explicit Classe(const std::vector<test::TEleve>& eleves)
        : fichiers_(test::FaireClasse(Dossier(), "golfe.vsc", eleves))
    {
    }
    fs::path Dossier() const { return dossier_.path().toStdString(); }
    QString Golfe() const { return dossier_.filePath("golfe.vsc"); }
    QString Partie(size_t i) const { return Texte(fichiers_.at(i)); }
    QStringList Parties() const
    {
        QStringList parties;
        for (const fs::path& f : fichiers_)
            parties << Texte(f);
        return parties;
    }
    // Copies of one game under other names: as many games to replay.
    QStringList Copies(size_t i, int n) const
    {
        QStringList copies;
        for (int k = 0; k < n; ++k) {
            const QString copie = dossier_.filePath(QString("copie%1.vsp").arg(k, 2, 10, QChar('0')));
            QFile::copy(Partie(i), copie);
            copies << copie;
        }
        return copies;
    }

private:
    QTemporaryDir dossier_;
    std::vector<fs::path> fichiers_;
};

// The window shown, the class's data file loaded and `pas` periods played.
void Jouer(TFenetreMere& f, const Classe& classe, int pas)
{
    f.show();
    ASSERT_TRUE(f.ChargerFichier(classe.Golfe()));
    for (int i = 0; i < pas; ++i)
        f.PasAPas();
}

bool AttendreComparaison(const TFenetreMere& f)
{
    return AttendreQue([&] { return !f.ComparaisonEnCours(); });
}

// Compares and waits for the end; the comparison shown.
const TComparaison* Comparer(TFenetreMere& f, const QStringList& parties)
{
    f.ComparerParties(parties);
    EXPECT_TRUE(AttendreComparaison(f));
    return f.Comparaison().get();
}

QLabel* Etiquette(const TFenetreMere& f, const char* nom)
{
    return f.findChild<QLabel*>(nom);
}

QString Description(TMagneto& m)
{
    return QAccessible::queryAccessibleInterface(&m)->text(QAccessible::Description);
}

// The button face beside the picture: the colour the control is drawn in.
QColor Face(TMagneto& m)
{
    const QRect r = m.RectBouton(btDebut);
    return m.grab().toImage().pixelColor(r.left() + 3, r.center().y());
}

int Fils()
{
    return static_cast<int>(QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

TEST(Comparaison, LesDeuxCommandesDuMenuFichierLeurRaccourciEtLeurAide)
{
    TFenetreMere f;
    QAction* comparer = f.Action("ComparerParties");
    QAction* retirer = f.Action("RetirerComparaison");
    ASSERT_NE(comparer, nullptr);
    ASSERT_NE(retirer, nullptr);
    EXPECT_EQ(comparer->text(), "Comparer avec des parties...");
    EXPECT_EQ(retirer->text(), "Retirer la comparaison");
    EXPECT_EQ(comparer->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_EQ(TFenetreMere::ContexteAideDe(comparer), AideComparerParties);
    EXPECT_EQ(TFenetreMere::ContexteAideDe(retirer), AideRetirerComparaison);
    // Right after the game commands, before the separator of the graph's.
    const QList<QAction*> items = f.findChild<QMenu*>("Fichier")->actions();
    const qsizetype i = items.indexOf(f.Action("EnregistrerPartie"));
    ASSERT_GE(i, 0);
    ASSERT_GT(items.size(), i + 4);
    EXPECT_EQ(items[i + 1], comparer);
    EXPECT_EQ(items[i + 2], retirer);
    EXPECT_TRUE(items[i + 3]->isSeparator());
    EXPECT_EQ(items[i + 4], f.Action("EnregistrerGraphiqueSous"));
}

// Comparing needs a data set and no run; removing, a comparison shown too.
TEST(Comparaison, ActivationDesDeuxCommandesSelonCeQuiAEteFait)
{
    Messages messages;
    const Classe classe({{.Nom = "a", .Periodes = 6}});
    const struct {
        const char* quoi;
        std::function<void(TFenetreMere&)> faire;
        bool comparer;
        bool retirer;
    } cas[] = {
        {"rien", [](TFenetreMere&) {}, false, false},
        {"chargé", [&](TFenetreMere& f) { f.ChargerFichier(classe.Golfe()); }, true, false},
        {"comparaison montrée",
         [&](TFenetreMere& f) {
             f.ChargerFichier(classe.Golfe());
             Comparer(f, {classe.Partie(0)});
         },
         true, true},
        {"en continu avec une comparaison",
         [&](TFenetreMere& f) {
             f.ChargerFichier(classe.Golfe());
             Comparer(f, {classe.Partie(0)});
             f.EnContinu();
         },
         false, false},
        {"arrêtée",
         [&](TFenetreMere& f) {
             f.ChargerFichier(classe.Golfe());
             Comparer(f, {classe.Partie(0)});
             f.EnContinu();
             f.Stop();
         },
         true, true},
        {"pendant la reprise",
         [&](TFenetreMere& f) {
             f.ChargerFichier(classe.Golfe());
             f.ComparerParties({classe.Partie(0)});
         },
         false, false},
        {"pendant une reprise, une comparaison montrée",
         [&](TFenetreMere& f) {
             f.ChargerFichier(classe.Golfe());
             Comparer(f, {classe.Partie(0)});
             f.ComparerParties({classe.Partie(0)});
         },
         false, true},
        {"retirée",
         [&](TFenetreMere& f) {
             f.ChargerFichier(classe.Golfe());
             Comparer(f, {classe.Partie(0)});
             f.Action("RetirerComparaison")->trigger();
         },
         true, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        TFenetreMere f;
        f.show();
        c.faire(f);
        EXPECT_EQ(f.Action("ComparerParties")->isEnabled(), c.comparer);
        EXPECT_EQ(f.Action("RetirerComparaison")->isEnabled(), c.retirer);
        f.Stop();
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// While the games are replayed the window answers: the graphs, the step
// control and saving stay; stepping, running, the measures, loading and
// opening wait.  Afterwards everything is as the table says again.
TEST(Comparaison, PendantLaRepriseCeQuiChangeLaPartieAttend)
{
    Messages messages;
    const Classe classe({{.Nom = "a", .Periodes = 6}});
    TFenetreMere f;
    ASSERT_NO_FATAL_FAILURE(Jouer(f, classe, 2));
    const char* const restent[] = {"EnregistrerPartie", "EnregistrerGraphiqueSous",
                                   "GlobalCAEtBenefices", "FenetreMosaique", "Quitter"};
    const char* const attendent[] = {
        "Choixdufichierdedonnes", "FichierReutiliser", "OuvrirPartie", "ComparerParties",
        "PasAPas", "EnContinu", "PasEnArriere", "BoutonPasAPas", "BoutonContinu",
        "BoutonPasEnArriere", "ModificationdesconditionsMetier",
        "ModificationdesConditionsEspece", "Concours"};
    f.ComparerParties({classe.Partie(0)});
    ASSERT_TRUE(f.ComparaisonEnCours());
    EXPECT_NE(f.statusBar()->findChild<QProgressBar*>(), nullptr);
    for (const char* nom : restent)
        EXPECT_TRUE(f.Action(nom)->isEnabled()) << nom;
    for (const char* nom : attendent)
        EXPECT_FALSE(f.Action(nom)->isEnabled()) << nom;
    EXPECT_TRUE(f.Magnetoscope()->isEnabled());
    // The table goes on meanwhile: the last window closed.
    f.FermerGraphes();
    f.ModifierEnabled(TMode::FenetresFermees);
    EXPECT_FALSE(f.Action("PasAPas")->isEnabled());

    ASSERT_TRUE(AttendreComparaison(f));
    for (const char* nom : attendent)
        EXPECT_TRUE(f.Action(nom)->isEnabled()) << nom;
    EXPECT_EQ(f.statusBar()->findChild<QProgressBar*>(), nullptr);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 2);
    EXPECT_TRUE(messages.Textes().empty());
}

// The program's own dialog: several games at once, from the data file's
// folder, with the filter of "Ouvrir une partie...".
TEST(Comparaison, LeDialogueRendPlusieursParties)
{
    Messages messages;
    const Classe classe({{.Nom = "a", .Periodes = 4}, {.Nom = "b", .Periodes = 5}});
    TFenetreMere f;
    ASSERT_NO_FATAL_FAILURE(Jouer(f, classe, 0));
    QString dossier;
    QStringList filtres;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogue)
            return;
        dossier = dialogue->directory().absolutePath();
        filtres = dialogue->nameFilters();
        mode = dialogue->fileMode();
        dialogue->findChild<QLineEdit*>("fileNameEdit")->setText("\"a.vsp\" \"b.vsp\"");
        static_cast<QDialog*>(dialogue)->accept(); // QFileDialog::accept, which checks the files
    });
    f.Action("ComparerParties")->trigger();
    EXPECT_EQ(mode, QFileDialog::ExistingFiles);
    EXPECT_EQ(QDir(dossier), QDir(Texte(classe.Dossier())));
    EXPECT_EQ(filtres, QStringList({"Parties Vasco (*.vsp)", "Tous les fichiers (*)"}));
    ASSERT_TRUE(AttendreComparaison(f));
    ASSERT_NE(f.Comparaison(), nullptr);
    ASSERT_EQ(f.Comparaison()->Parties.size(), 2u);
    EXPECT_EQ(f.Comparaison()->Parties[0].Nom, "a");
    EXPECT_EQ(f.Comparaison()->Parties[1].Nom, "b");

    // Cancelled, nothing starts and the comparison stays.
    const auto avant = f.Comparaison();
    f.DemanderPartiesAComparer = [] { return QStringList(); };
    f.Action("ComparerParties")->trigger();
    EXPECT_FALSE(f.ComparaisonEnCours());
    EXPECT_EQ(f.Comparaison(), avant);
    EXPECT_TRUE(messages.Textes().empty());
}

// vasco FICHIER --comparer PARTIE.vsp ...: a data file or a game, then the
// games compared with it; without it, the games are refused in words.
TEST(Comparaison, AuDemarrageLesPartiesDeComparerSontCompareesAuFichierDonne)
{
    const Classe classe({{.Nom = "a", .Periodes = 4}, {.Nom = "b", .Periodes = 7}});
    {
        Messages messages;
        TFenetreMere f;
        f.OuvrirAuDemarrage({classe.Golfe()}, {classe.Partie(0), classe.Partie(1)});
        ASSERT_TRUE(AttendreComparaison(f));
        ASSERT_NE(f.Comparaison(), nullptr);
        EXPECT_EQ(f.Comparaison()->Parties.size(), 2u);
        EXPECT_EQ(f.Magnetoscope()->Max, 6);
        EXPECT_TRUE(messages.Textes().empty());
    }
    {
        Messages messages;
        TFenetreMere f;
        f.OuvrirAuDemarrage({classe.Partie(0)}, {classe.Partie(1)});
        ASSERT_TRUE(AttendreComparaison(f));
        EXPECT_EQ(f.FichierPartie(), classe.Partie(0));
        ASSERT_NE(f.Comparaison(), nullptr);
        EXPECT_EQ(f.Comparaison()->Parties.size(), 1u);
        EXPECT_TRUE(messages.Textes().empty());
    }
    {
        Messages messages;
        TFenetreMere f;
        f.OuvrirAuDemarrage({}, {classe.Partie(0)});
        EXPECT_FALSE(f.ComparaisonEnCours());
        EXPECT_EQ(f.Comparaison(), nullptr);
        ASSERT_EQ(messages.Textes().size(), 1u);
        EXPECT_EQ(messages.Textes()[0],
                  "Aucune partie à laquelle comparer\nDonnez d'abord le fichier de données ou "
                  "la partie en cours : vasco FICHIER --comparer PARTIE.vsp");
    }
}

// A class of five games, the current game opened from the first: it, a
// game given twice, a cut file and a game of another fishery are left out,
// named in one message; the others are kept and nothing of the current
// game changes.
TEST(Comparaison, UneClasseCompareeGardeLesPartiesEtNommeCellesEcarteesDansUnMessage)
{
    Messages messages;
    const Classe classe(test::ClasseVariee(5, 12));
    const QString coupe = Texte(classe.Dossier() / "coupe.vsp");
    {
        QFile entier(classe.Partie(2));
        ASSERT_TRUE(entier.open(QIODevice::ReadOnly));
        EcrireFichier(coupe, entier.readAll().left(60) + "\nxyz\n");
    }
    const auto autre = test::FaireClasse(classe.Dossier() / "autre", "simple.vsc", {{.Nom = "simple"}});

    TFenetreMere f;
    f.show();
    ASSERT_TRUE(f.OuvrirPartie(classe.Partie(0)));
    const int periodes = f.Donnees()->NbPeriodes();
    const int fenetres = static_cast<int>(f.Zone()->subWindowList().size());
    QStringList parties = classe.Parties();
    parties << classe.Partie(1) << coupe << Texte(autre[0]);
    const TComparaison* c = Comparer(f, parties);

    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->Parties.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(c->Parties[i].Nom, "eleve0" + std::to_string(i + 2));
    ASSERT_EQ(messages.Textes().size(), 1u);
    const QStringList lignes = QString::fromStdString(messages.Textes()[0]).split('\n');
    ASSERT_EQ(lignes.size(), 6) << messages.Textes()[0];
    EXPECT_EQ(lignes[0], "Comparaison avec 4 parties");
    EXPECT_EQ(lignes[1], "Parties écartées :");
    EXPECT_EQ(lignes[2], "  • eleve01 : c'est la partie en cours elle-même");
    EXPECT_EQ(lignes[3], "  • eleve02 : le même fichier est déjà comparé");
    EXPECT_TRUE(lignes[4].startsWith("  • coupe : partie ligne")) << lignes[4].toStdString();
    EXPECT_TRUE(lignes[5].startsWith("  • simple : ")) << lignes[5].toStdString();
    EXPECT_TRUE(lignes[5].contains("simple.vsc")) << lignes[5].toStdString();

    EXPECT_EQ(Etiquette(f, "LbComparaison")->text(), "Comparée à 4 parties");
    EXPECT_TRUE(Etiquette(f, "LbComparaison")->isVisible());
    EXPECT_EQ(f.Donnees()->NbPeriodes(), periodes);
    EXPECT_EQ(f.FichierPartie(), classe.Partie(0));
    EXPECT_FALSE(f.PartieModifiee());
    EXPECT_EQ(f.Zone()->subWindowList().size(), fenetres);
}

// The report in words: the games left out and their reasons, then under
// each compared game's name its replay's messages; nothing to tell, no box.
TEST(Comparaison, CompteRenduDesPartiesEcarteesEtDesMessages)
{
    Messages silence;
    TSession session;
    ASSERT_TRUE(session.Charger("golfe.vsc", LireTexte(test::FichierDonnees("golfe.vsc")).value())
                    .Reussi());
    const auto partie = [&](const char* nom, const char* messages) {
        TPartieComparee p(*session.Donnees());
        p.Nom = nom;
        p.Messages = messages;
        return p;
    };
    const struct {
        const char* quoi;
        std::vector<std::pair<const char*, const char*>> parties; // name, messages
        std::vector<TRefusComparaison> refus;
        QString texte;
    } cas[] = {
        {"rien à dire", {{"a", ""}, {"b", ""}}, {}, ""},
        {"une écartée",
         {{"a", ""}},
         {{"b", "fichier illisible ou introuvable"}},
         "Comparaison avec une partie\nParties écartées :\n"
         "  • b : fichier illisible ou introuvable"},
        {"aucune comparée",
         {},
         {{"a", "partie sans aucune période jouée"}, {"b", "le même fichier est déjà comparé"}},
         "Aucune partie n'a pu être comparée\nParties écartées :\n"
         "  • a : partie sans aucune période jouée\n  • b : le même fichier est déjà comparé"},
        {"des messages",
         {{"a", "Division par zéro\nEspèce merlu\n"}, {"b", ""}, {"c", "Débordement\n"}},
         {},
         "Comparaison avec 3 parties\nMessages pendant la reprise des parties :\n"
         "  a :\n    Division par zéro\n    Espèce merlu\n  c :\n    Débordement"},
        {"beaucoup pour une même raison",
         {{"a", ""}},
         {{"p061", "au-delà"}, {"p062", "au-delà"}, {"p063", "au-delà"}, {"p064", "au-delà"},
          {"x", "illisible"}, {"y", "au-delà"}},
         "Comparaison avec une partie\nParties écartées :\n"
         "  • 4 parties, de p061 à p064 : au-delà\n  • x : illisible\n  • y : au-delà"},
        {"les deux",
         {{"a", "Débordement\n"}, {"b", ""}},
         {{"c", "partie ligne 3: entier attendu"}},
         "Comparaison avec 2 parties\nParties écartées :\n  • c : partie ligne 3: entier "
         "attendu\nMessages pendant la reprise des parties :\n  a :\n    Débordement"},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.quoi);
        TComparaison c;
        for (const auto& [nom, messages] : k.parties)
            c.Parties.push_back(partie(nom, messages));
        c.Refus = k.refus;
        EXPECT_EQ(TFenetreMere::CompteRenduComparaison(c), k.texte);
    }
}

// In English, the commands, the report and the line of the status bar.
TEST(Comparaison, EnAnglaisLesCommandesEtLeCompteRendu)
{
    ASSERT_TRUE(InstallerLangue(true));
    struct TRetour {
        ~TRetour() { InstallerLangue(false); }
    } retour;
    Messages messages;
    const Classe classe({{.Nom = "a", .Periodes = 4}, {.Nom = "b", .Periodes = 5}});
    TFenetreMere f;
    EXPECT_EQ(f.Action("ComparerParties")->text(), "Compare with games...");
    EXPECT_EQ(f.Action("RetirerComparaison")->text(), "Remove the comparison");
    ASSERT_TRUE(f.OuvrirPartie(classe.Partie(0)));
    ASSERT_NE(Comparer(f, {classe.Partie(0), classe.Partie(1), classe.Partie(1)}), nullptr);
    ASSERT_EQ(messages.Textes().size(), 1u);
    EXPECT_EQ(messages.Textes()[0], "Comparison with one game\nGames left out:\n"
                                    "  • a : it is the current game itself\n"
                                    "  • b : the same file is already being compared");
    EXPECT_EQ(Etiquette(f, "LbComparaison")->text(), "Compared with one game");
}

// Cancel half-way: nothing kept, the comparison shown before stays as it
// was, no box, and no thread left.
TEST(Comparaison, AnnuleeAMiCheminElleNeGardeRienEtNeLaisseAucunFil)
{
    Messages messages;
    const Classe classe({{.Nom = "longue", .Periodes = 240}, {.Nom = "courte", .Periodes = 3}});
    TFenetreMere f;
    ASSERT_NO_FATAL_FAILURE(Jouer(f, classe, 0));
    const TComparaison* avant = Comparer(f, {classe.Partie(1)});
    ASSERT_NE(avant, nullptr);
    const int fils = Fils();

    f.ComparerParties(classe.Copies(0, 60));
    ASSERT_TRUE(f.ComparaisonEnCours());
    auto* barre = f.statusBar()->findChild<QProgressBar*>();
    ASSERT_NE(barre, nullptr);
    EXPECT_EQ(barre->maximum(), 60);
    ASSERT_TRUE(AttendreQue([&] { return barre->value() >= 1 || !f.ComparaisonEnCours(); }));
    ASSERT_TRUE(f.ComparaisonEnCours()) << "la reprise a fini avant l'annulation";
    EXPECT_LT(barre->value(), 60);
    QPushButton* annuler = nullptr;
    for (QPushButton* bouton : f.statusBar()->findChildren<QPushButton*>())
        if (bouton->text() == "Annuler")
            annuler = bouton;
    ASSERT_NE(annuler, nullptr);
    QTest::mouseClick(annuler, Qt::LeftButton);
    ASSERT_TRUE(AttendreComparaison(f));

    EXPECT_EQ(f.Comparaison().get(), avant);
    EXPECT_EQ(Etiquette(f, "LbComparaison")->text(), "Comparée à une partie");
    EXPECT_EQ(f.Magnetoscope()->Max, 2);
    EXPECT_EQ(f.statusBar()->currentMessage(), "Comparaison annulée");
    EXPECT_TRUE(messages.Textes().empty());
    EXPECT_LE(Fils(), fils);
    EXPECT_TRUE(f.Action("PasAPas")->isEnabled());
}

// Longer compared games extend the step control's range; the positions
// past the current game are drawn and said as such; the range comes back
// when the comparison goes, and never shrinks below the current game.
TEST(Comparaison, LeMagnetoSEtendSurLesPartiesPlusLonguesEtRevient)
{
    Messages messages;
    const Classe classe({{.Nom = "a", .Periodes = 12}, {.Nom = "b", .Periodes = 20}});
    TFenetreMere f;
    ASSERT_NO_FATAL_FAILURE(Jouer(f, classe, 5));
    TMagneto& m = *f.Magnetoscope();
    QLabel* position = Etiquette(f, "LbPosition");
    const QColor face = Face(m);
    ASSERT_NE(Comparer(f, classe.Parties()), nullptr);
    EXPECT_EQ(m.Max, 19);
    EXPECT_EQ(m.Position, 4);
    EXPECT_FALSE(m.ApresLaFin());
    EXPECT_EQ(Face(m), face);
    EXPECT_TRUE(m.BoutonActif(btAnPlus));

    m.Appuyer(btAnPlus);
    m.Appuyer(btPeriodePlus);
    EXPECT_EQ(m.Position, 5 + m.PasAn);
    EXPECT_TRUE(m.ApresLaFin());
    EXPECT_NE(Face(m), face);
    EXPECT_TRUE(position->text().endsWith(
        QString("sur 20 (année %1, période 2 de l'année), après la fin de la partie (5 périodes "
                "jouées)")
            .arg(1 + (5 + m.PasAn) / f.Donnees()->NbPeriodesAn)))
        << position->text().toStdString();
    EXPECT_EQ(Description(m),
              QString("Période %1 sur 20, après la fin de la partie").arg(6 + m.PasAn));
    m.Appuyer(btDebut);
    EXPECT_FALSE(m.ApresLaFin());
    EXPECT_EQ(Description(m), "Période 1 sur 20");

    m.Appuyer(btAnPlus);
    m.Appuyer(btAnPlus);
    f.Action("RetirerComparaison")->trigger();
    EXPECT_EQ(f.Comparaison(), nullptr);
    EXPECT_EQ(m.Max, 4);
    EXPECT_EQ(m.Position, 4);
    EXPECT_FALSE(m.ApresLaFin());
    EXPECT_EQ(Face(m), face);
    EXPECT_FALSE(position->text().contains("après la fin"));
    EXPECT_FALSE(Etiquette(f, "LbComparaison")->isVisible());

    // Shorter games leave the range to the current game.
    for (int i = 0; i < 20; ++i)
        f.PasAPas();
    ASSERT_NE(Comparer(f, classe.Parties()), nullptr);
    EXPECT_EQ(m.Max, 24);
    EXPECT_EQ(m.Position, 24);
    EXPECT_TRUE(messages.Textes().empty());
}

// A step, a run, from a position past the current game's end: the game
// goes on from its last period; a step back keeps the comparison.
TEST(Comparaison, UnPasApresLaFinPartDeLaDernierePeriodeDeLaPartie)
{
    Messages messages;
    const Classe classe({{.Nom = "a", .Periodes = 20}});
    TFenetreMere f;
    ASSERT_NO_FATAL_FAILURE(Jouer(f, classe, 5));
    TMagneto& m = *f.Magnetoscope();
    ASSERT_NE(Comparer(f, classe.Parties()), nullptr);
    const auto comparaison = f.Comparaison();
    m.Appuyer(btAnPlus);
    m.Appuyer(btAnPlus);
    ASSERT_TRUE(m.ApresLaFin());

    f.Action("BoutonPasAPas")->trigger();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 6);
    EXPECT_EQ(m.Position, 5);
    EXPECT_EQ(m.DernierePartie(), 5);
    EXPECT_EQ(m.Max, 19);
    EXPECT_FALSE(m.ApresLaFin());

    m.Appuyer(btAnPlus);
    ASSERT_TRUE(m.ApresLaFin());
    f.EnContinu(); // its first period is simulated at once
    f.Stop();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 7);
    EXPECT_EQ(m.Position, 6);

    f.Action("PasEnArriere")->trigger();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 6);
    EXPECT_EQ(f.Comparaison(), comparaison);
    EXPECT_EQ(m.Max, 19);
    EXPECT_EQ(m.Position, 5);
    EXPECT_TRUE(messages.Textes().empty());
}

// Another data file, a game opened, the file reused: the comparison ends,
// the windows are told and the range comes back.  A load that fails
// changes nothing, the comparison included.
TEST(Comparaison, CeQuiRemplaceLaPartieTermineLaComparaison)
{
    const Classe classe({{.Nom = "a", .Periodes = 3}, {.Nom = "b", .Periodes = 20}});
    const struct {
        const char* quoi;
        std::function<bool(TFenetreMere&)> faire;
        bool termine;
        int32_t max;
    } cas[] = {
        {"autre fichier chargé",
         [](TFenetreMere& f) { return f.ChargerFichier(Exemple("simple.vsc")); }, true, -1},
        {"partie ouverte", [&](TFenetreMere& f) { return f.OuvrirPartie(classe.Partie(0)); },
         true, 2},
        {"fichier réutilisé", [](TFenetreMere& f) { return f.FichierReutiliser(); }, true, -1},
        {"fichier illisible",
         [](TFenetreMere& f) { return !f.ChargerFichier("absent-de-partout.vsc"); }, false, 19},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        Messages messages;
        TFenetreMere f;
        ASSERT_NO_FATAL_FAILURE(Jouer(f, classe, 1));
        ASSERT_NE(Comparer(f, {classe.Partie(1)}), nullptr);
        ASSERT_TRUE(c.faire(f));
        EXPECT_EQ(f.Comparaison() == nullptr, c.termine);
        EXPECT_EQ(f.Magnetoscope()->Max, c.max);
        EXPECT_EQ(f.Action("RetirerComparaison")->isEnabled(), !c.termine);
        EXPECT_EQ(Etiquette(f, "LbComparaison")->isVisible(), !c.termine);
    }
}

// The diagram windows draw the compared games too: a pair open when the
// comparison comes, and a pair opened while one is shown, until it goes.
TEST(Comparaison, LesDiagrammesMontrentLesPartiesComparees)
{
    Messages messages;
    const Classe classe({{.Nom = "a", .Periodes = 8}, {.Nom = "b", .Periodes = 10}});
    // A coarse grid: the paths are what this test looks at.
    struct Grille {
        Grille() { TDiagrammes::Grille = {0, 3, 0.5, 20}; }
        ~Grille() { TDiagrammes::Grille = {}; }
    } grille;
    TFenetreMere f;
    ASSERT_NO_FATAL_FAILURE(Jouer(f, classe, 2));
    const auto chemins = [&] {
        TDiagrammes* d = f.Diagrammes();
        EXPECT_TRUE(d && AttendreQue([&] { return !d->EnCours(); }, 60000));
        return d ? d->Fenetre(0)->Diagramme()->CheminsCompares().size() : 99u;
    };
    f.OuvrirDiagramme();
    EXPECT_EQ(chemins(), 0u);
    ASSERT_NE(Comparer(f, classe.Parties()), nullptr);
    EXPECT_EQ(chemins(), 2u);
    f.OuvrirDiagramme();
    EXPECT_EQ(chemins(), 2u);
    f.RetirerComparaison();
    EXPECT_EQ(chemins(), 0u);
    EXPECT_TRUE(messages.Textes().empty());
}

// Closed or destroyed during the replay, the window cancels it and waits
// for its thread before the data set goes.
TEST(Comparaison, FermerLaFenetrePendantLaRepriseLAnnuleProprement)
{
    Messages messages;
    const Classe classe({{.Nom = "longue", .Periodes = 200}});
    const QStringList copies = classe.Copies(0, 8);
    for (const bool fermer : {true, false}) {
        SCOPED_TRACE(fermer ? "fermée" : "détruite");
        QPointer<TFenetreMere> f = new TFenetreMere;
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        ASSERT_TRUE(f->ChargerFichier(classe.Golfe()));
        // Those of the window library, once a window is shown, stay.
        const int fils = Fils();
        f->ComparerParties(copies);
        ASSERT_TRUE(f->ComparaisonEnCours());
        if (fermer) {
            EXPECT_TRUE(f->close());
            EXPECT_FALSE(f->ComparaisonEnCours());
            EXPECT_EQ(f->Comparaison(), nullptr);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(f.isNull());
        } else {
            delete f.data();
        }
        QCoreApplication::processEvents();
        EXPECT_LE(Fils(), fils);
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// Fifty comparisons of ten games, one after the other in one window: the
// memory after the last is within a tenth of that after the fifth.  The
// sanitizers keep freed memory aside, and without the cell reserves the
// allocator decides: the measure then means nothing.
TEST(Comparaison, CinquanteComparaisonsSansCroissanceDeLaMemoire)
{
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "mémoire tenue par ThreadSanitizer";
#endif
    if (!VASCO_BLOCS_ACTIFS)
        GTEST_SKIP() << "mémoire tenue par le désinfecteur d'adresses";
    Messages messages;
    const Classe classe(test::ClasseVariee(10, 24));
    TFenetreMere f;
    ASSERT_NO_FATAL_FAILURE(Jouer(f, classe, 1));
    long apresCinq = 0;
    for (int fois = 1; fois <= 50; ++fois) {
        const TComparaison* c = Comparer(f, classe.Parties());
        ASSERT_NE(c, nullptr);
        ASSERT_EQ(c->Parties.size(), 10u);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (fois == 5)
            apresCinq = test::Residente();
    }
    const long apresCinquante = test::Residente();
    const long page = sysconf(_SC_PAGESIZE);
    RecordProperty("Ko_apres_5", std::to_string(apresCinq * page / 1024));
    RecordProperty("Ko_apres_50", std::to_string(apresCinquante * page / 1024));
    EXPECT_LE(apresCinquante, apresCinq + apresCinq / 10)
        << "pages résidentes après 5 comparaisons : " << apresCinq << ", après 50 : "
        << apresCinquante << " (" << page << " o)";
    EXPECT_TRUE(messages.Textes().empty());
}

#ifdef VASCO_BATCH
// The teacher's case: the data file loaded, no period played, a class of
// five games of different options, measures and lengths compared.  Each
// global graph's band and median are vasco-batch --comparer's quantiles of
// the same column, divided by the graph's scale, period by period.
TEST(Comparaison, LesQuantilesDesGraphesGlobauxSontCeuxDeVascoBatch)
{
    Messages messages;
    const Classe classe(test::ClasseVariee(5, 24));
    TFenetreMere f;
    f.show();
    ASSERT_TRUE(f.ChargerFichier(classe.Golfe()));
    ASSERT_NE(Comparer(f, classe.Parties()), nullptr);
    TMagneto& m = *f.Magnetoscope();
    while (m.Position < m.Max && m.BoutonActif(btAnPlus))
        m.Appuyer(btAnPlus);
    while (m.Position < m.Max)
        m.Appuyer(btPeriodePlus);
    ASSERT_EQ(m.Position + 1, 24);

    QProcess batch;
    QStringList arguments{"--comparer", "--fils", "2"};
    arguments << classe.Parties();
    batch.start(VASCO_BATCH, arguments);
    ASSERT_TRUE(batch.waitForFinished(60000));
    ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();
    QStringList lignes = QString::fromUtf8(batch.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 25);
    const QStringList colonnes = lignes.takeFirst().split(',');

    const TBDVasco& bd = *f.Donnees();
    const struct {
        const char* commande;
        const char* colonne; // of vasco-batch's table
        int echelle;
    } cas[] = {
        {"GlobalCAEtBenefices", "CA", EchelleMonnaie},
        {"GlobalQuantites", "PoidsDebarque", EchellePoids},
        {"GlobalEffectifs", "Effectifs", EchelleEquipages},
        {"GlobalTaxes", "SubventionsNettes", EchelleMonnaie},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.commande);
        f.Action(c.commande)->trigger();
        auto* g = qobject_cast<TFG*>(f.Zone()->activeSubWindow()->widget());
        ASSERT_NE(g, nullptr);
        const TTableauValeurs t = g->Valeurs();
        ASSERT_EQ(t.Lignes.size(), 24u);
        const TLigneGraphe& ligne = *std::find_if(
            CatalogueGraphes().begin(), CatalogueGraphes().end(),
            [&](const TLigneGraphe& l) { return std::string(l.Commande) == c.commande; });
        const QString serie = QString::fromStdString(Traduire(ligne.Nom));
        const char* suffixes[] = {":q05", ":q50", ":q95"};
        const QString noms[] = {serie + " q05", serie + " médiane", serie + " q95"};
        for (int q = 0; q < 3; ++q) {
            const qsizetype colonneGraphe = t.Noms.indexOf(noms[q]);
            const qsizetype colonneBatch = colonnes.indexOf(QString(c.colonne) + suffixes[q]);
            ASSERT_GE(colonneGraphe, 0) << noms[q].toStdString();
            ASSERT_GE(colonneBatch, 0);
            for (int p = 1; p <= 24; ++p) {
                const long double attendu =
                    lignes[p - 1].split(',')[colonneBatch].toDouble() /
                    static_cast<long double>(bd.EchelleDiviseur.at(size_t(c.echelle)));
                EXPECT_EQ(NeufChiffres(t.Lignes[size_t(p - 1)][size_t(colonneGraphe)]),
                          NeufChiffres(attendu))
                    << noms[q].toStdString() << " période " << p;
            }
        }
    }
    EXPECT_TRUE(messages.Textes().empty());
}
#endif

} // namespace
} // namespace vasco
