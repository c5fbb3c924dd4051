// Game files in the window: a game saved after steps, steps back, measures
// and option changes opens in another window with the same numbers in every
// global graph; files that cannot be used change nothing; a failed write
// keeps the old file; the save question's three answers.
#include "batch/Csv.h"
#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "dataset/UCatalogue.h"
#include "dataset/UMesures.h"
#include "dataset/USession.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "graphs/ufg.h"
#include "shell/Mere.h"
#include "shell/UMagneto.h"
#include "tests/shell/Fenetre.h"
#include "tests/support/Support.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace vasco {
namespace {

using test::Messages;
using test::Mesurer;
using test::Releve;

QByteArray Lire(const QString& chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

QString Position(const TFenetreMere& f)
{
    return f.findChild<QLabel*>("LbPosition")->text();
}

// The values of every global graph, as their CSV exports write them.
QList<QByteArray> GraphesGlobaux(TFenetreMere& f, const QString& dossier)
{
    QList<QByteArray> valeurs;
    for (const TLigneGraphe& ligne : CatalogueGraphes()) {
        if (ligne.Element != TElementGraphe::Global || !ligne.Commande)
            continue;
        f.Action(ligne.Commande)->trigger();
        const auto fenetres = f.Zone()->subWindowList(QMdiArea::CreationOrder);
        auto* graphe = qobject_cast<TFG*>(fenetres.last()->widget());
        QDir().mkpath(dossier);
        const QString csv = QDir(dossier).filePath(QString(ligne.Commande) + ".csv");
        EXPECT_TRUE(graphe && graphe->Enregistrer(csv)) << ligne.Commande;
        valeurs << Lire(csv);
    }
    f.FermerGraphes();
    return valeurs;
}

// A game of golfe.vsc with both random options: steps, a step back (after
// which the draws are new ones), measures on a métier and a species, an
// option unticked, a measure entered for the next period.
void Jouer(TFenetreMere& f)
{
    f.Action("RecrutementAleatoire")->setChecked(true);
    f.Action("CroissanceAleatoire")->setChecked(true);
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
    TBDVasco& bd = *f.Donnees();
    Mesurer(bd, false, 0, TMesure::Navires, "15");
    for (int i = 0; i < 3; ++i)
        f.PasAPas();
    Mesurer(bd, true, 0, TMesure::Quota, "250");
    Mesurer(bd, false, 1, TMesure::Repression, "35");
    f.PasAPas();
    f.PasEnArriere();
    f.Action("CroissanceAleatoire")->setChecked(false);
    for (int i = 0; i < 4; ++i)
        f.PasAPas();
    Mesurer(bd, true, 1, TMesure::TailleMin, "28");
}

TEST(Partie, EnregistreeEtRouverteAuBitPres)
{
    Messages messages;
    QTemporaryDir dossier;
    TFenetreMere f;
    Jouer(f);
    ASSERT_TRUE(f.PartieModifiee());
    const QString chemin = dossier.filePath("eleve.vsp");
    ASSERT_TRUE(f.EnregistrerPartie(chemin));
    const uint32_t etat = Graine();
    EXPECT_FALSE(f.PartieModifiee());
    EXPECT_EQ(f.windowTitle(), "Vasco - eleve.vsp");
    EXPECT_TRUE(Lire(chemin).startsWith("# Partie Vasco\ndonnees;"));

    FixerGraine(99); // another game's draws in between
    TFenetreMere g;
    ASSERT_TRUE(g.OuvrirPartie(chemin));
    // The generator as it was when the game was saved.
    EXPECT_EQ(Graine(), etat);
    EXPECT_EQ(g.windowTitle(), "Vasco - eleve.vsp");
    EXPECT_FALSE(g.PartieModifiee());
    TBDVasco& a = *f.Donnees();
    TBDVasco& b = *g.Donnees();
    ASSERT_EQ(b.NbPeriodes(), a.NbPeriodes());
    for (int p = 1; p <= a.NbPeriodes(); ++p)
        ASSERT_EQ(Releve(b, p), Releve(a, p)) << "période " << p;
    EXPECT_EQ(g.Magnetoscope()->Max, f.Magnetoscope()->Max);
    EXPECT_EQ(g.Magnetoscope()->Position, f.Magnetoscope()->Position);
    EXPECT_EQ(Position(g), Position(f));
    for (const char* option : {"RecrutementAleatoire", "CroissanceAleatoire", "Concours"})
        EXPECT_EQ(g.Coche(option), f.Coche(option)) << option;
    for (const char* commande : {"PasAPas", "PasEnArriere", "EnregistrerPartie"})
        EXPECT_TRUE(g.Action(commande)->isEnabled()) << commande;
    EXPECT_EQ(GraphesGlobaux(g, dossier.filePath("b")), GraphesGlobaux(f, dossier.filePath("a")));

    // The same future, after a step back too (the two games share the
    // program's generator: each starts from the saved state).
    for (TFenetreMere* fenetre : {&f, &g}) {
        FixerGraine(etat);
        fenetre->PasEnArriere();
        fenetre->PasAPas();
        fenetre->PasAPas();
    }
    EXPECT_EQ(Releve(b, b.NbPeriodes()), Releve(a, a.NbPeriodes()));
    EXPECT_TRUE(messages.Textes().empty());
}

#ifdef VASCO_BATCH
// vasco-batch replays a game saved by the program: its CSV is the program's
// history, column for column.
TEST(Partie, RejoueeParVascoBatch)
{
    QTemporaryDir dossier;
    TFenetreMere f;
    Jouer(f);
    const QString chemin = dossier.filePath("eleve.vsp");
    ASSERT_TRUE(f.EnregistrerPartie(chemin));
    QProcess batch;
    batch.start(VASCO_BATCH, {"--partie", chemin});
    ASSERT_TRUE(batch.waitForFinished(60000));
    EXPECT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();
    const TBDVasco& bd = *f.Donnees();
    std::string attendu = EnTeteCsv(bd);
    for (int p = 1; p <= bd.NbPeriodes(); ++p)
        attendu += LigneCsv(bd, p);
    EXPECT_EQ(batch.readAllStandardOutput().toStdString(), attendu);
}
#endif

// A game that cannot be used leaves the current one as it was: its data
// set, windows, caption, options and generator.
TEST(Partie, FichiersRefusesSansRienPerdre)
{
    Messages messages;
    QTemporaryDir dossier;
    // A data file of its own name: the samples cannot stand in for it.
    const QString donnees = dossier.filePath("ma_peche.vsc");
    EcrireFichier(donnees, Lire(Exemple("simple.vsc")));
    const QString bonne = dossier.filePath("bonne.vsp");
    {
        TFenetreMere source;
        ASSERT_TRUE(source.ChargerFichier(donnees));
        source.PasAPas();
        ASSERT_TRUE(source.EnregistrerPartie(bonne));
    }
    const QByteArray texte = Lire(bonne);

    TFenetreMere f;
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
    f.PasAPas();
    f.PasAPas();
    const TBDVasco* avant = f.Donnees();
    const auto fenetres = f.Zone()->subWindowList().size();
    const uint32_t graine = Graine();

    const struct {
        const char* nom;
        QByteArray contenu;
        bool changerDonnees;
        const char* raison;
    } cas[] = {
        {"coupee.vsp", texte.left(texte.indexOf("graine")), false, "partie ligne "},
        {"double.vsp", texte + "graine;3\n", false, "« graine » en double"},
        {"changee.vsp", texte, true,
         "Le fichier de données ma_peche.vsc a changé depuis l'enregistrement de la partie"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        if (c.changerDonnees)
            EcrireFichier(donnees, Lire(Exemple("simple.vsc")) + "\n");
        EcrireFichier(dossier.filePath(c.nom), c.contenu);
        messages.Effacer();
        EXPECT_FALSE(f.OuvrirPartie(dossier.filePath(c.nom)));
        ASSERT_EQ(messages.Textes().size(), 1u);
        EXPECT_TRUE(messages.Textes()[0].starts_with("La partie ne peut pas être ouverte\n"));
        EXPECT_NE(messages.Textes()[0].find(c.raison), std::string::npos) << messages.Textes()[0];
        EXPECT_EQ(f.Donnees(), avant);
        EXPECT_EQ(f.Donnees()->NbPeriodes(), 2);
        EXPECT_EQ(f.Zone()->subWindowList().size(), fenetres);
        EXPECT_EQ(f.windowTitle(), "Vasco  ");
        EXPECT_EQ(Graine(), graine);
    }

    // A data file found nowhere is asked for: cancelled, nothing happens;
    // the right one given, the game opens.
    EcrireFichier(donnees, Lire(Exemple("simple.vsc")));
    QDir(dossier.path()).rename("ma_peche.vsc", "rangee.vsc");
    QString reponse;
    f.DemanderFichier = [&] { return reponse; };
    EXPECT_FALSE(f.OuvrirPartie(bonne));
    EXPECT_EQ(f.Donnees(), avant);
    reponse = dossier.filePath("rangee.vsc");
    EXPECT_TRUE(f.OuvrirPartie(bonne));
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 1);
    EXPECT_EQ(f.FichierDonnees(), reponse);
}

// A write that fails half-way (the file size limit of the process) keeps the
// previous file whole and says so.
TEST(Partie, EcritureRateeGardeLAncienFichier)
{
    Messages messages;
    QTemporaryDir dossier;
    TFenetreMere f;
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
    const QString chemin = dossier.filePath("partie.vsp");
    ASSERT_TRUE(f.EnregistrerPartie(chemin));
    const QByteArray ancien = Lire(chemin);
    for (int i = 0; i < 5; ++i)
        f.PasAPas();
    Mesurer(*f.Donnees(), false, 0, TMesure::Navires, "12");

    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit petite{static_cast<rlim_t>(ancien.size()), limite.rlim_max};
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &petite);
    const bool ecrit = f.EnregistrerPartie(chemin);
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, signal);

    EXPECT_FALSE(ecrit);
    EXPECT_EQ(Lire(chemin), ancien);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"partie.vsp"});
    ASSERT_EQ(messages.Textes().size(), 1u);
    EXPECT_TRUE(messages.Textes()[0].starts_with("La partie n'a pas pu être enregistrée\n"));
    EXPECT_TRUE(f.PartieModifiee());

    // A folder that is gone: the same.
    messages.Effacer();
    EXPECT_FALSE(f.EnregistrerPartie(dossier.filePath("parti/partie.vsp")));
    EXPECT_EQ(messages.Textes().size(), 1u);
}

// The question comes only when the game has changed; Annuler keeps
// everything, "Ne pas enregistrer" goes on, Enregistrer saves first.
TEST(Partie, QuestionAvantDAbandonnerLaPartie)
{
    QTemporaryDir dossier;
    TFenetreMere f;
    ASSERT_TRUE(f.ChargerFichier(Exemple("simple.vsc")));
    const QString chemin = dossier.filePath("question.vsp");
    f.DemanderPartieAEnregistrer = [&] { return chemin; };
    TReponseQuestion& reponse = ReponseQuestion();
    const int posees = reponse.Posees;

    // Nothing to save: nothing asked.
    EXPECT_TRUE(f.FichierReutiliser());
    EXPECT_EQ(reponse.Posees, posees);

    const struct {
        const char* bouton;
        bool suite;
        bool enregistre;
    } cas[] = {{"Annuler", false, false}, {"Ne pas enregistrer", true, false},
               {"Enregistrer", true, true}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.bouton);
        f.PasAPas();
        const TBDVasco* avant = f.Donnees();
        reponse.Bouton = c.bouton;
        EXPECT_EQ(f.FichierReutiliser(), c.suite);
        EXPECT_EQ(f.Donnees() != avant, c.suite);
        EXPECT_EQ(QFile::exists(chemin), c.enregistre);
        // Ticking "Concours" asks too; cancelled, the mark goes back.
        if (!c.suite) {
            f.Action("Concours")->trigger();
            EXPECT_FALSE(f.Coche("Concours"));
            EXPECT_EQ(f.Donnees(), avant);
            EXPECT_FALSE(f.close());
            EXPECT_EQ(f.Donnees(), avant);
        }
    }
    EXPECT_EQ(reponse.Posees, posees + 5);
    EXPECT_EQ(Lire(chemin).count("\nperiodes;1\n"), 1);
    reponse.Bouton = "Ne pas enregistrer";
}

// On the command line a .vsp file, whatever its case, is a game.
TEST(Partie, LigneDeCommande)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("CLASSE.VSP");
    {
        TFenetreMere source;
        ASSERT_TRUE(source.ChargerFichier(Exemple("simple.vsc")));
        source.PasAPas();
        ASSERT_TRUE(source.EnregistrerPartie(chemin));
    }
    TFenetreMere f;
    f.OuvrirAuDemarrage({chemin});
    ASSERT_NE(f.Donnees(), nullptr);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 1);
    EXPECT_EQ(f.FichierPartie(), chemin);
}

// The option marks show the session's options: a mark the user toggles sets
// the session's, and what the session sets (a game opened) ticks the marks.
TEST(Partie, LesCochesSuiventLaSession)
{
    TFenetreMere f;
    TSession& session = f.Session();
    f.Action("RecrutementAleatoire")->trigger();
    EXPECT_EQ(session.Options(), (TOptionsSession{true, false, false}));
    EXPECT_TRUE(f.RecrutementAleatoire());
    session.FixerOptions({false, true, true});
    for (const auto& [nom, coche] : {std::pair{"RecrutementAleatoire", false},
                                     std::pair{"CroissanceAleatoire", true},
                                     std::pair{"Concours", true}})
        EXPECT_EQ(f.Coche(nom), coche) << nom;
    f.FixerAleatoire(true, false);
    EXPECT_EQ(session.Options(), (TOptionsSession{true, false, true}));
    EXPECT_TRUE(f.Coche("RecrutementAleatoire"));
}

} // namespace
} // namespace vasco
