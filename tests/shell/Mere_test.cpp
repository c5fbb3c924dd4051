// The main window driven for real on the offscreen platform: start state,
// enabling states, loading, the simulation commands and closing.

#include "dataset/Ubd.h"
#include "dialogs/UConcourForm.h"
#include "shell/Mere.h"
#include "shell/MereDialogues.h"
#include "shell/UMagneto.h"
#include "tests/shell/Fenetre.h"
#include "tests/support/Support.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace vasco {
namespace {

using test::Messages;

TEST(FenetreMere, SOuvreAvecSaZoneDeFenetresEtSeFerme)
{
    QPointer<TFenetreMere> fenetre = new TFenetreMere;
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre));
    EXPECT_EQ(fenetre->windowTitle(), "Vasco  ");

    auto* zone = qobject_cast<QMdiArea*>(fenetre->centralWidget());
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone, fenetre->Zone());
    zone->addSubWindow(new QWidget)->show();
    EXPECT_EQ(zone->subWindowList().size(), 1);

    EXPECT_TRUE(fenetre->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenetre.isNull());
}

// Every menu and item: caption, help context, and the separators.
TEST(FenetreMere, MenusAvecLeursTitresEtContextesDAide)
{
    TFenetreMere f;
    struct Menu {
        const char* nom;
        QString titre;
        int aide;
        QStringList items; // "-" for a separator
    };
    const Menu menus[] = {
        {"Fichier",
         "&Fichier",
         100,
         {"&Choix du fichier de données", "Réutiliser", "-", "Ouvrir une partie...",
          "Enregistrer la partie...", "Comparer avec des parties...", "Retirer la comparaison",
          "-", "&Enregistrer graphique sous...", "-", "&Quitter"}},
        {"Simulations",
         "&Simulations",
         109,
         {"&Pas à pas", "En &continu", "-", "&Stop", "-", "Pas en arrière"}},
        {"Conditions",
         "Conditions",
         98,
         {" Modification des conditions / &Métier ...",
          "Modification des conditions / &Espèce ..."}},
        {"Fenetres", "Fenêtres", 99, {"&Cascade", "&Mosaîque", "&Supprimer", "-"}},
        {"Options",
         "Options",
         105,
         {"Recrutement aléatoire", "Croissance aléatoire", "Son", "Affichage numéro période",
          "Légendes", "Concours", "Langue / Language"}},
        {"Aide1", "&Aide", 97, {"&Aide", "&A Propos de..."}},
    };
    for (const Menu& attendu : menus) {
        SCOPED_TRACE(attendu.nom);
        auto* menu = f.findChild<QMenu*>(attendu.nom);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), attendu.titre);
        EXPECT_EQ(TFenetreMere::ContexteAideDe(menu), attendu.aide);
        QStringList items;
        for (const QAction* action : menu->actions())
            items << (action->isSeparator() ? QString("-") : action->text());
        EXPECT_EQ(items, attendu.items);
    }
    auto* visualisations = f.findChild<QMenu*>("Visualisations");
    ASSERT_NE(visualisations, nullptr);
    EXPECT_EQ(visualisations->title(), "Visualisations");
    QStringList barre;
    for (const QAction* action : f.menuBar()->actions())
        barre << action->objectName();
    EXPECT_EQ(barre, QStringList({"Fichier", "Simulations", "Conditions", "Visualisations",
                                  "Fenetres", "Options", "Aide1"}));

    const std::map<const char*, int> contextes = {{"Choixdufichierdedonnes", 101},
                                                  {"FichierReutiliser", 104},
                                                  {"EnregistrerGraphiqueSous", 102},
                                                  {"Quitter", 103},
                                                  {"ModificationdesconditionsMetier", 25},
                                                  {"ModificationdesConditionsEspece", 24},
                                                  {"RecrutementAleatoire", 108},
                                                  {"CroissanceAleatoire", 107},
                                                  {"Concours", 106},
                                                  {"aide", 1}};
    for (const auto& [nom, contexte] : contextes)
        EXPECT_EQ(f.Action(nom)->property("ContexteAide").toInt(), contexte) << nom;
    EXPECT_EQ(f.Action("FichierReutiliser")->statusTip(),
              "Pour réinitialiser avec le même fichier de données");

    const std::map<const char*, QString> bulles = {
        {"BoutonCascade", "Cascade"},
        {"BoutonMosaique", "Mosaïque"},
        {"aide", "Aide"},
        {"BoutonEnregistrerGraph", "Enregistrer graphique"},
        {"BoutonContinu", "Simulation en continue"},
        {"BoutonStop", "Stop simulation en continu"},
        {"BoutonPasAPas", "Simulation Pas à Pas"},
        {"BoutonPasEnArriere", "Effacer le dernier pas de simulation"}};
    for (const auto& [nom, bulle] : bulles) {
        EXPECT_EQ(f.Action(nom)->toolTip(), bulle) << nom;
        EXPECT_FALSE(f.Action(nom)->icon().isNull()) << nom;
    }
}

TEST(FenetreMere, AuDemarrageSeulsFichierOptionsEtAideServentEtLeLogoRemplitLaZone)
{
    TFenetreMere f;
    f.resize(900, 700);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(f.Donnees(), nullptr);

    for (const char* nom : {"Fichier", "Choixdufichierdedonnes", "Quitter", "Options", "Aide1",
                            "Index", "AProposde", "aide"})
        EXPECT_TRUE(f.Action(nom)->isEnabled()) << nom;
    for (const char* nom :
         {"FichierReutiliser", "EnregistrerGraphiqueSous", "Simulations", "Conditions",
          "Visualisations", "Fenetres", "BoutonCascade", "BoutonMosaique", "BoutonEnregistrerGraph",
          "BoutonContinu", "BoutonStop", "BoutonPasAPas", "BoutonPasEnArriere"})
        EXPECT_FALSE(f.Action(nom)->isEnabled()) << nom;

    EXPECT_FALSE(f.Coche("RecrutementAleatoire"));
    EXPECT_FALSE(f.Coche("CroissanceAleatoire"));
    EXPECT_FALSE(f.Coche("son"));
    EXPECT_TRUE(f.Coche("AffichageNumeroPeriode"));
    EXPECT_FALSE(f.Coche("Concours"));
    EXPECT_TRUE(f.AffichageNumeroPeriode());

    EXPECT_FALSE(f.Magnetoscope()->isEnabled());
    EXPECT_EQ(f.Magnetoscope()->Position, -1);
    EXPECT_EQ(f.Magnetoscope()->Max, -1);

    QWidget* logo = f.findChild<QWidget*>("PanelLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(logo->isVisible());
    EXPECT_EQ(logo->geometry(), f.Zone()->viewport()->rect());
    // The picture is drawn: the sky at the top, darker sea at the bottom.
    const QImage image = logo->grab().toImage();
    const QColor haut = image.pixelColor(image.width() / 2, 2);
    const QColor bas = image.pixelColor(image.width() / 2, image.height() - 3);
    EXPECT_GT(haut.lightness(), bas.lightness());
    EXPECT_GT(bas.blue(), bas.red());
}

// The commands a user reaches by the mouse: menu items and toolbar buttons.
const QStringList Commandes =
    QString("Choixdufichierdedonnes FichierReutiliser EnregistrerGraphiqueSous Quitter PasAPas "
            "EnContinu Stop PasEnArriere ModificationdesconditionsMetier "
            "ModificationdesConditionsEspece GlobalCAEtBenefices FenetreCascade FenetreMosaique "
            "FenetreSupprimer BoutonCascade BoutonMosaique BoutonEnregistrerGraph BoutonContinu "
            "BoutonStop BoutonPasAPas BoutonPasEnArriere")
        .split(' ');

// An action can be clicked when it is enabled and so is every menu on the
// way to it from the menu bar.
bool Cliquable(const QAction* action)
{
    if (!action->isEnabled())
        return false;
    for (const QObject* objet : action->associatedObjects()) {
        const auto* menu = qobject_cast<const QMenu*>(objet);
        if (menu && !Cliquable(menu->menuAction()))
            return false;
    }
    return true;
}

// What the user can click, the step control included ("Magneto"), and
// whether the logo is shown.
struct Vue {
    std::string cliquables; // sorted, separated by spaces
    bool logo = false;
    bool operator==(const Vue&) const = default;
};

void PrintTo(const Vue& v, std::ostream* os)
{
    *os << "{" << v.cliquables << (v.logo ? "; logo" : "; sans logo") << "}";
}

// Names separated by spaces, in alphabetical order.
std::string Trier(QStringList noms)
{
    noms.sort();
    return noms.join(' ').toStdString();
}
std::string Trier(const char* noms)
{
    return Trier(QString(noms).split(' ', Qt::SkipEmptyParts));
}

Vue Voir(const TFenetreMere& f)
{
    QStringList cliquables;
    for (const QString& nom : Commandes) {
        if (Cliquable(f.Action(nom.toUtf8().constData())))
            cliquables << nom;
    }
    if (f.Magnetoscope()->isEnabled())
        cliquables << "Magneto";
    Vue v;
    v.cliquables = Trier(cliquables);
    v.logo = !f.findChild<QWidget*>("PanelLogo")->isHidden();
    return v;
}

void Charger(TFenetreMere& f)
{
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
}

void OuvrirVisualisations(TFenetreMere& f)
{
    emit f.findChild<QMenu*>("Visualisations")->aboutToShow();
}

// What can be clicked after each thing a user does, from a new window.
TEST(FenetreMere, CeQuiPeutEtreCliqueSuitCeQueLUtilisateurAFait)
{
    const char* const apresChargement =
        "Choixdufichierdedonnes FichierReutiliser Quitter PasAPas EnContinu BoutonContinu "
        "BoutonPasAPas ModificationdesconditionsMetier ModificationdesConditionsEspece "
        "GlobalCAEtBenefices";
    const char* const apresUnPas =
        "Choixdufichierdedonnes FichierReutiliser EnregistrerGraphiqueSous Quitter PasAPas "
        "EnContinu PasEnArriere BoutonEnregistrerGraph BoutonContinu BoutonPasAPas "
        "BoutonPasEnArriere ModificationdesconditionsMetier ModificationdesConditionsEspece "
        "GlobalCAEtBenefices FenetreCascade FenetreMosaique FenetreSupprimer Magneto";
    const std::string apresUnPasEtVisualisations =
        std::string(apresUnPas) + " BoutonCascade BoutonMosaique";
    struct Cas {
        const char* quoi;
        std::function<void(TFenetreMere&)> faire;
        const char* cliquables;
        bool logo;
        bool enCours;
    };
    const Cas cas[] = {
        {"rien", [](TFenetreMere&) {}, "Choixdufichierdedonnes Quitter", true, false},
        {"chargement", Charger, apresChargement, true, false},
        {"un pas",
         [](TFenetreMere& f) {
             Charger(f);
             f.Action("BoutonPasAPas")->trigger();
         },
         apresUnPas, false, false},
        {"menu Visualisations ouvert après un pas",
         [](TFenetreMere& f) {
             Charger(f);
             f.PasAPas();
             OuvrirVisualisations(f);
         },
         apresUnPasEtVisualisations.c_str(), false, false},
        {"toutes les fenêtres supprimées",
         [](TFenetreMere& f) {
             Charger(f);
             f.PasAPas();
             OuvrirVisualisations(f);
             f.Action("FenetreSupprimer")->trigger();
         },
         "Choixdufichierdedonnes FichierReutiliser Quitter PasAPas EnContinu PasEnArriere "
         "BoutonContinu BoutonPasAPas BoutonPasEnArriere ModificationdesconditionsMetier "
         "ModificationdesConditionsEspece GlobalCAEtBenefices",
         true, false},
        {"pendant une simulation en continu",
         [](TFenetreMere& f) {
             Charger(f);
             f.Action("BoutonContinu")->trigger();
         },
         "Stop BoutonStop", false, true},
        {"Stop pendant la simulation",
         [](TFenetreMere& f) {
             Charger(f);
             f.Action("EnContinu")->trigger();
             ASSERT_TRUE(AttendreQue([&] { return f.Donnees()->NbPeriodes() >= 3; }));
             f.Action("BoutonStop")->trigger();
         },
         "Choixdufichierdedonnes FichierReutiliser EnregistrerGraphiqueSous Quitter PasAPas "
         "EnContinu PasEnArriere BoutonEnregistrerGraph BoutonContinu BoutonPasAPas "
         "BoutonPasEnArriere ModificationdesconditionsMetier ModificationdesConditionsEspece "
         "GlobalCAEtBenefices Magneto",
         false, false},
        {"simulation arrivée à sa limite",
         [](TFenetreMere& f) {
             Charger(f);
             f.EnContinu();
             ASSERT_TRUE(AttendreFin(f));
         },
         "Choixdufichierdedonnes FichierReutiliser EnregistrerGraphiqueSous Quitter "
         "BoutonEnregistrerGraph BoutonPasEnArriere GlobalCAEtBenefices",
         false, false},
        {"bilan du concours puis Visualiser",
         [](TFenetreMere& f) {
             Charger(f);
             f.Action("Concours")->setChecked(true);
             f.Dialogues().Montrer = [](QDialog&) { return TBilan60ans::Visualiser; };
             f.EnContinu();
             ASSERT_TRUE(AttendreFin(f));
         },
         "Choixdufichierdedonnes FichierReutiliser EnregistrerGraphiqueSous Quitter "
         "BoutonEnregistrerGraph GlobalCAEtBenefices FenetreCascade FenetreMosaique "
         "FenetreSupprimer BoutonCascade BoutonMosaique Magneto",
         false, false},
        {"fichier réutilisé après deux pas",
         [](TFenetreMere& f) {
             Charger(f);
             f.PasAPas();
             f.PasAPas();
             f.Action("FichierReutiliser")->trigger();
         },
         apresChargement, true, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        TFenetreMere f;
        f.show();
        c.faire(f);
        // What follows the action in the event loop (the state after the
        // last window has gone) is part of what the user sees.
        QTest::qWait(1);
        const Vue vue = Voir(f);
        EXPECT_EQ(vue.cliquables, Trier(c.cliquables));
        EXPECT_EQ(vue.logo, c.logo);
        EXPECT_EQ(f.EnCours, c.enCours);
    }
}

TEST(FenetreMere, ChargerGolfeActiveLaSimulationEtDonneLePasAnnuelAuMagnetoscope)
{
    Messages messages;
    TFenetreMere f;
    f.show();
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
    ASSERT_NE(f.Donnees(), nullptr);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 0);
    EXPECT_EQ(f.FichierDonnees(), Exemple("golfe.vsc"));
    EXPECT_EQ(f.Magnetoscope()->PasAn, 4);
    for (const char* nom : {"FichierReutiliser", "Simulations", "Conditions", "Visualisations",
                            "BoutonContinu", "BoutonPasAPas", "PasAPas", "EnContinu"})
        EXPECT_TRUE(f.Action(nom)->isEnabled()) << nom;
    for (const char* nom : {"Stop", "PasEnArriere", "BoutonPasEnArriere", "BoutonStop"})
        EXPECT_FALSE(f.Action(nom)->isEnabled()) << nom;
    EXPECT_FALSE(f.Magnetoscope()->isEnabled());
    EXPECT_TRUE(messages.Textes().empty());

    // A fishery of one period a year leaves the year step at its default.
    ASSERT_TRUE(f.ChargerFichier(Exemple("simple.vsc")));
    EXPECT_EQ(f.Donnees()->NbPeriodesAn, 1);
    EXPECT_EQ(f.Magnetoscope()->PasAn, 10);
}

TEST(FenetreMere, UnChargementRateGardeLesDonneesLesFenetresEtLesMenus)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    QFile golfe(Exemple("golfe.vsc"));
    ASSERT_TRUE(golfe.open(QIODevice::ReadOnly));
    const QByteArray texte = golfe.readAll();
    const QString coupe = dossier.filePath("coupe.vsc");
    EcrireFichier(coupe, texte.left(texte.size() / 2));
    const QString copie = dossier.filePath("golfe.vsc");
    EcrireFichier(copie, texte);

    Messages messages;
    TFenetreMere f;
    f.show();
    ASSERT_TRUE(f.ChargerFichier(copie));
    f.PasAPas();
    f.PasAPas();
    TBDVasco* avant = f.Donnees();
    f.Zone()->addSubWindow(new QWidget)->show();
    const auto fenetres = f.Zone()->subWindowList();
    const Vue menus = Voir(f);

    for (const QString& fichier : {coupe, dossier.filePath("absent.vsc"), dossier.path()}) {
        messages.Effacer();
        EXPECT_FALSE(f.ChargerFichier(fichier));
        ASSERT_EQ(messages.Textes().size(), 1u);
        const QString message = QString::fromStdString(messages.Textes()[0]);
        EXPECT_TRUE(message.startsWith("Erreur dans MERE : Choix du fichier de données\n"))
            << message.toStdString();
        EXPECT_GT(message.size(),
                  QString("Erreur dans MERE : Choix du fichier de données\n").size());
        EXPECT_EQ(f.Donnees(), avant);
        EXPECT_EQ(f.Donnees()->NbPeriodes(), 2);
        EXPECT_EQ(f.FichierDonnees(), copie);
        EXPECT_EQ(f.Zone()->subWindowList(), fenetres);
        EXPECT_EQ(Voir(f), menus);
    }
    // The cut file names the line where it stops.
    f.ChargerFichier(coupe);
    EXPECT_NE(QString::fromStdString(messages.Textes().back()).indexOf("ligne "), -1);

    // Reusing a file that has become unreadable is guarded the same way.
    EcrireFichier(copie, texte.left(texte.size() / 3));
    messages.Effacer();
    f.FichierReutiliser();
    ASSERT_EQ(messages.Textes().size(), 1u);
    EXPECT_EQ(f.Donnees(), avant);
    EXPECT_EQ(f.Zone()->subWindowList(), fenetres);

    // Once readable again, reusing starts over from the file.
    EcrireFichier(copie, texte);
    f.FichierReutiliser();
    EXPECT_NE(f.Donnees(), nullptr);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 0);
    EXPECT_TRUE(f.Zone()->subWindowList().isEmpty());
    EXPECT_TRUE(f.Action("Simulations")->isEnabled());
    EXPECT_FALSE(f.Action("PasEnArriere")->isEnabled());
}

TEST(FenetreMere, LeDialogueDOuvertureAnnuleNeChangeRienEtConfirmeCharge)
{
    Messages messages;
    TFenetreMere f;
    f.show();
    int demandes = 0;
    f.DemanderFichier = [&] {
        ++demandes;
        return QString();
    };
    f.Action("Choixdufichierdedonnes")->trigger();
    EXPECT_EQ(demandes, 1);
    EXPECT_EQ(f.Donnees(), nullptr);
    EXPECT_FALSE(f.Action("Simulations")->isEnabled());

    f.DemanderFichier = [] { return Exemple("golfe.vsc"); };
    f.Action("Choixdufichierdedonnes")->trigger();
    ASSERT_NE(f.Donnees(), nullptr);
    f.PasAPas();
    TBDVasco* charge = f.Donnees();

    f.DemanderFichier = [&] {
        ++demandes;
        return QString();
    };
    f.ChoixDuFichier();
    EXPECT_EQ(demandes, 2);
    EXPECT_EQ(f.Donnees(), charge);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 1);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST(FenetreMere, PasAPasPuisPasEnArriereJusquAuChargement)
{
    TFenetreMere f;
    f.show();
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
    int deplacements = 0;
    QObject::connect(f.Magnetoscope(), &TMagneto::Deplace, [&] { ++deplacements; });

    // A step with no window open shows the global accounts first.
    ASSERT_TRUE(f.Zone()->subWindowList().isEmpty());
    f.Action("PasAPas")->trigger();
    EXPECT_EQ(f.Zone()->subWindowList().size(), 1);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 1);
    EXPECT_EQ(f.Magnetoscope()->Position, 0);
    EXPECT_EQ(f.Magnetoscope()->Max, 0);
    EXPECT_TRUE(f.Magnetoscope()->isEnabled());
    EXPECT_TRUE(f.findChild<QWidget*>("PanelLogo")->isHidden());
    EXPECT_TRUE(f.Action("PasEnArriere")->isEnabled());
    EXPECT_TRUE(f.Action("BoutonPasEnArriere")->isEnabled());
    f.Action("BoutonPasAPas")->trigger();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 2);
    EXPECT_EQ(f.Zone()->subWindowList().size(), 1);
    EXPECT_EQ(deplacements, 2);

    f.Action("PasEnArriere")->trigger();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 1);
    EXPECT_EQ(f.Magnetoscope()->Max, 0);
    EXPECT_TRUE(f.Action("PasEnArriere")->isEnabled());
    f.Action("BoutonPasEnArriere")->trigger();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 0);
    EXPECT_EQ(f.Magnetoscope()->Position, -1);
    EXPECT_FALSE(f.Action("PasEnArriere")->isEnabled());
    // The toolbar button keeps its state and does nothing more.
    EXPECT_TRUE(f.Action("BoutonPasEnArriere")->isEnabled());
    f.Action("BoutonPasEnArriere")->trigger();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 0);
    EXPECT_EQ(deplacements, 4);
}

// Counts the paint events of a widget.
class CompteurPeintures : public QObject {
public:
    explicit CompteurPeintures(QWidget* widget) { widget->installEventFilter(this); }
    int Nombre = 0;

protected:
    bool eventFilter(QObject*, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint)
            ++Nombre;
        return false;
    }
};

// The run goes on from the event loop once the command has returned: the
// graph and the position under the toolbar follow it period after period.
TEST(FenetreMere, LaSimulationContinueRendLaMainEtLesFenetresSuivent)
{
    TFenetreMere f;
    f.resize(900, 700);
    f.show();
    Charger(f);
    f.Action("BoutonContinu")->trigger();
    EXPECT_TRUE(f.EnCours);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 1);
    ASSERT_EQ(f.Zone()->subWindowList().size(), 1);
    QWidget* graphe = f.Zone()->subWindowList().constFirst()->widget();
    CompteurPeintures peintures(graphe);
    auto* position = f.findChild<QLabel*>("LbPosition");
    QStringList vues;
    QObject::connect(f.Magnetoscope(), &TMagneto::Deplace, position,
                     [&] { vues << position->text(); });

    ASSERT_TRUE(AttendreQue([&] { return f.Donnees()->NbPeriodes() >= 40; }));
    EXPECT_TRUE(f.EnCours);
    // Repainted many times while the run goes on, not once at its end.
    EXPECT_GE(peintures.Nombre, 5);
    ASSERT_FALSE(vues.isEmpty());
    EXPECT_EQ(vues.constFirst(), "golfe.vsc : période 2 sur 2 (année 1, période 2 de l'année)");
    f.Stop();
}

// Whatever ends a run ends it between two periods: none is simulated after.
TEST(FenetreMere, CeQuiTermineUneSimulationContinue)
{
    struct Cas {
        const char* quoi;
        std::function<void(TFenetreMere&)> faire;
        bool recommence; // the file read again: no period left
    };
    const Cas cas[] = {
        {"bouton Stop", [](TFenetreMere& f) { f.Action("BoutonStop")->trigger(); }, false},
        {"menu Stop", [](TFenetreMere& f) { f.Action("Stop")->trigger(); }, false},
        {"fichier réutilisé", [](TFenetreMere& f) { f.FichierReutiliser(); }, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        TFenetreMere f;
        f.show();
        Charger(f);
        f.EnContinu();
        ASSERT_TRUE(AttendreQue([&] { return f.Donnees()->NbPeriodes() >= 5; }));
        c.faire(f);
        EXPECT_FALSE(f.EnCours);
        const int32_t n = f.Donnees()->NbPeriodes();
        EXPECT_EQ(n == 0, c.recommence);
        QTest::qWait(50);
        EXPECT_EQ(f.Donnees()->NbPeriodes(), n);
        EXPECT_TRUE(Cliquable(f.Action("PasAPas")));
        EXPECT_TRUE(Cliquable(f.Action("BoutonContinu")));
        EXPECT_FALSE(Cliquable(f.Action("Stop")));
        EXPECT_FALSE(Cliquable(f.Action("BoutonStop")));
    }
}

TEST(FenetreMere, StopArreteLaSimulationContinueApresLePasEnCours)
{
    TFenetreMere f;
    f.show();
    Charger(f);
    f.Action("BoutonContinu")->trigger();
    EXPECT_TRUE(f.EnCours);
    EXPECT_TRUE(f.Action("BoutonStop")->isEnabled() && f.Action("Stop")->isEnabled());
    EXPECT_FALSE(f.Action("Choixdufichierdedonnes")->isEnabled() ||
                 f.Action("PasAPas")->isEnabled() || f.Action("Conditions")->isEnabled());
    // Neither a second run nor a step starts from inside the run.
    f.EnContinu();
    f.PasAPas();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 1);
    // Stopped before its first tick, the run keeps the period it made at once.
    f.Action("BoutonStop")->trigger();
    ASSERT_TRUE(AttendreFin(f));
    QTest::qWait(20);
    EXPECT_FALSE(f.EnCours);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 1);
    EXPECT_TRUE(f.Action("Simulations")->isEnabled());
    EXPECT_TRUE(f.Action("PasAPas")->isEnabled());
    EXPECT_FALSE(f.Action("Stop")->isEnabled());
    EXPECT_TRUE(f.Action("Choixdufichierdedonnes")->isEnabled());
    EXPECT_TRUE(f.Action("BoutonContinu")->isEnabled());

    // Stop pressed while a period is simulated takes effect at its end.
    QObject::connect(f.Magnetoscope(), &TMagneto::Deplace, &f, [&] {
        if (f.Donnees()->NbPeriodes() == 6)
            f.Action("BoutonStop")->trigger();
    });
    f.EnContinu();
    ASSERT_TRUE(AttendreFin(f));
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 6);
}

TEST(FenetreMere, LaSimulationContinueSArreteApresLaPosition500)
{
    TFenetreMere f;
    f.show();
    Charger(f);
    f.EnContinu();
    ASSERT_TRUE(AttendreFin(f));
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 502);
    EXPECT_EQ(f.Magnetoscope()->Position, 501);
    EXPECT_FALSE(f.EnCours);
    for (const char* nom : {"Simulations", "Conditions", "BoutonContinu", "BoutonPasAPas"})
        EXPECT_FALSE(f.Action(nom)->isEnabled()) << nom;
    EXPECT_TRUE(f.Action("FichierReutiliser")->isEnabled());

    // Started beyond the limit, a run makes one step.
    f.EnContinu();
    ASSERT_TRUE(AttendreFin(f));
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 503);

    // Reusing the file makes the fishery playable again.
    f.FichierReutiliser();
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 0);
    for (const char* nom : {"Simulations", "PasAPas", "BoutonContinu", "BoutonPasAPas"})
        EXPECT_TRUE(f.Action(nom)->isEnabled()) << nom;
}

// Contest of four periods a year: single steps go on to 243 periods, the
// next one shows the balance instead; a continuous run shows it right after
// the 240th period, and again after each period while no button ends it.
TEST(FenetreMere, LesLimitesDuConcoursMontrentLeBilan)
{
    TFenetreMere f;
    f.show();
    Charger(f);
    f.Action("Concours")->setChecked(true);
    std::vector<int> bilans; // n when the balance is shown
    int reponse = 0;
    f.Dialogues().Montrer = [&](QDialog&) {
        bilans.push_back(f.Donnees()->NbPeriodes());
        return reponse;
    };
    for (int i = 0; i < 243; ++i)
        f.PasAPas();
    EXPECT_TRUE(bilans.empty());
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 243);
    f.PasAPas();
    EXPECT_EQ(bilans, std::vector<int>{243});
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 243);

    // Closed by other means, then "Visualiser": the run ends there.
    f.FichierReutiliser();
    bilans.clear();
    f.Dialogues().Montrer = [&](QDialog&) {
        bilans.push_back(f.Donnees()->NbPeriodes());
        return bilans.size() == 1 ? 0 : TBilan60ans::Visualiser;
    };
    f.EnContinu();
    ASSERT_TRUE(AttendreFin(f));
    EXPECT_EQ(bilans, (std::vector<int>{240, 241}));
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 241);
    EXPECT_FALSE(f.EnCours);
    EXPECT_FALSE(f.Action("Simulations")->isEnabled());

    // "Recommencer" during a run: the file is read again and the run ends.
    f.FichierReutiliser();
    TBDVasco* ancien = f.Donnees();
    f.Dialogues().Montrer = [&](QDialog&) { return TBilan60ans::Recommencer; };
    f.EnContinu();
    ASSERT_TRUE(AttendreFin(f));
    EXPECT_NE(f.Donnees(), ancien);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 0);
    EXPECT_FALSE(f.EnCours);
    EXPECT_TRUE(f.Action("PasAPas")->isEnabled());
    // Nothing is simulated on the new data set afterwards.
    QTest::qWait(20);
    EXPECT_EQ(f.Donnees()->NbPeriodes(), 0);
}

TEST(FenetreMere, FermerPendantUneSimulationLArreteEtLibereFenetresPuisDonnees)
{
    QPointer<TFenetreMere> f = new TFenetreMere;
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->show();
    ASSERT_TRUE(f->ChargerFichier(Exemple("golfe.vsc")));
    QPointer<QMdiSubWindow> graphe = f->Zone()->addSubWindow(new QWidget);
    graphe->show();
    f->EnContinu();
    ASSERT_TRUE(AttendreQue([&] { return f->Donnees()->NbPeriodes() >= 3; }));
    EXPECT_TRUE(f->close());
    EXPECT_FALSE(f->EnCours);
    EXPECT_EQ(f->Donnees(), nullptr);
    EXPECT_TRUE(graphe.isNull());
    EXPECT_FALSE(f->isVisible());
    // The window is freed once back in the event loop, and no period of
    // the run is left to run on it.
    QTest::qWait(20);
    EXPECT_TRUE(f.isNull());
}

TEST(FenetreMere, LesCommandesDeFenetresEtLaListeDuMenuFenetres)
{
    TFenetreMere f;
    f.resize(800, 600);
    f.show();
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
    f.PasAPas();
    f.FermerGraphes();
    QMdiSubWindow* un = f.Zone()->addSubWindow(new QWidget);
    un->setAttribute(Qt::WA_DeleteOnClose);
    un->setWindowTitle("Biomasses : Merlu");
    un->show();
    QMdiSubWindow* deux = f.Zone()->addSubWindow(new QWidget);
    deux->setWindowTitle("CA & bénéfices");
    deux->show();

    auto* menu = f.findChild<QMenu*>("Fenetres");
    emit menu->aboutToShow();
    QStringList titres;
    QList<QAction*> fenetres;
    for (QAction* action : menu->actions()) {
        if (action->property("FenetreListee").toBool()) {
            titres << action->text();
            fenetres << action;
        }
    }
    EXPECT_EQ(titres, QStringList({"&1 Biomasses : Merlu", "&2 CA && bénéfices"}));
    fenetres[0]->trigger();
    EXPECT_EQ(f.Zone()->activeSubWindow(), un);
    emit menu->aboutToShow();
    EXPECT_EQ(menu->actions().size(), 6); // three commands, a separator, two windows

    f.Action("FenetreMosaique")->trigger();
    EXPECT_TRUE(f.findChild<QWidget*>("PanelLogo")->isHidden());
    EXPECT_NEAR(un->width(), deux->width(), 2);

    // The last window closed by its close box: the window follows as after
    // "Supprimer".
    emit f.findChild<QMenu*>("Visualisations")->aboutToShow();
    EXPECT_TRUE(f.Action("Fenetres")->isEnabled());
    un->close();
    delete deux;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.Zone()->subWindowList().isEmpty());
    EXPECT_FALSE(f.Action("Fenetres")->isEnabled());
    EXPECT_FALSE(f.findChild<QWidget*>("PanelLogo")->isHidden());

    // "Supprimer" closes every window at once.
    f.Zone()->addSubWindow(new QWidget)->show();
    f.Zone()->addSubWindow(new QWidget)->show();
    f.ModifierEnabled(TMode::Visualisations);
    f.Action("FenetreSupprimer")->trigger();
    EXPECT_TRUE(f.Zone()->subWindowList().isEmpty());
    EXPECT_FALSE(f.Action("Fenetres")->isEnabled());
    EXPECT_NE(f.Donnees(), nullptr);
}

// The toolbar twins of "Cascade" and "Mosaîque" arrange the windows without
// hiding the logo; resizing the main window tiles the windows and the logo
// follows the client area.
TEST(FenetreMere, BoutonsDeRangementEtRedimensionnement)
{
    TFenetreMere f;
    f.resize(800, 600);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
    QWidget* logo = f.findChild<QWidget*>("PanelLogo");
    QMdiSubWindow* un = f.Zone()->addSubWindow(new QWidget);
    un->show();
    QMdiSubWindow* deux = f.Zone()->addSubWindow(new QWidget);
    deux->show();
    f.ModifierEnabled(TMode::Visualisations);
    logo->show();

    f.Action("BoutonCascade")->trigger();
    EXPECT_FALSE(logo->isHidden());
    EXPECT_NE(un->pos(), deux->pos());
    f.Action("BoutonMosaique")->trigger();
    EXPECT_FALSE(logo->isHidden());
    EXPECT_NEAR(un->width(), deux->width(), 2);

    deux->resize(50, 50);
    f.resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_NEAR(un->width(), deux->width(), 2);
    EXPECT_GT(deux->width() + un->width(), 700);
    EXPECT_EQ(logo->geometry(), f.Zone()->viewport()->rect());
}

TEST(FenetreMere, UnFichierDonneAuDemarrageEstChargeCommeSIlAvaitEteChoisi)
{
    Messages messages;
    TFenetreMere f;
    f.OuvrirAuDemarrage({});
    EXPECT_EQ(f.Donnees(), nullptr);
    f.OuvrirAuDemarrage({Exemple("simple.vsc")});
    ASSERT_NE(f.Donnees(), nullptr);
    EXPECT_EQ(f.FichierDonnees(), Exemple("simple.vsc"));
    EXPECT_TRUE(f.Action("Simulations")->isEnabled());
    EXPECT_TRUE(messages.Textes().empty());

    TFenetreMere g;
    g.OuvrirAuDemarrage({"absent-de-partout.vsc"});
    EXPECT_EQ(g.Donnees(), nullptr);
    ASSERT_EQ(messages.Textes().size(), 1u);
    EXPECT_TRUE(QString::fromStdString(messages.Textes()[0])
                    .startsWith("Erreur dans MERE : Choix du fichier de données\n"));
    EXPECT_FALSE(g.Action("Simulations")->isEnabled());
}

} // namespace
} // namespace vasco
