#include "shell/Mere.h"

#include "dataset/USession.h"
#include "model/UContextes.h"
#include "model/Umessages.h"
#include "shell/MereComparaison.h"
#include "shell/MereDialogues.h"
#include "shell/MereGraphes.h"
#include "shell/UAide.h"
#include "shell/UChemins.h"
#include "shell/ULangue.h"
#include "shell/ULogo.h"
#include "shell/UMagneto.h"
#include "shell/UReglages.h"
#include "shell/URessources.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <array>
#include <filesystem>
#include <iterator>
#include <stdexcept>

namespace vasco {

namespace {

// The message of a data file that cannot be read; the informative text says
// where and what was expected.
constexpr const char* EchecChargement = "Erreur dans MERE : Choix du fichier de données";

// A continuous run ends after the first step whose last period index passes
// this position.
constexpr int32_t PositionLimite = 500;

// A contest lasts sixty years: the continuous run shows the balance once
// they are complete, a single step before it would complete the sixty-first.
constexpr float AnsConcoursContinu = 60;
constexpr float AnsConcoursPasAPas = 61;

// The enabling states.  Columns are the modes in the order of TMode:
// Charge, Continu, ApresPas, Stop, Limite, Visualisations, FenetresFermees,
// Reutilise, SuiteConcours; '+' enables, '-' disables, a blank leaves the
// item as it is.
struct TLigneEtats {
    std::array<const char*, 3> noms; // unused places are null
    const char* etats;
};

const TLigneEtats TableEtats[] = {
    {{"Choixdufichierdedonnes"}, " - ++  ++"},
    {{"FichierReutiliser", "EnregistrerPartie"}, "+-+++  ++"},
    {{"OuvrirPartie"}, " - ++  ++"},
    // Removing is also off while no comparison is shown (MereComparaison.cpp).
    {{"ComparerParties", "RetirerComparaison"}, "+-+++  ++"},
    {{"EnregistrerGraphiqueSous", "BoutonEnregistrerGraph"}, " -++++--+"},
    {{"Quitter"}, " - ++  ++"},
    {{"Simulations"}, "+   -   -"},
    {{"PasAPas", "EnContinu"}, " - +   + "},
    {{"Stop"}, "-+ -   - "},
    {{"PasEnArriere"}, "--++     "},
    {{"BoutonContinu", "BoutonPasAPas"}, "+- +-  +-"},
    {{"BoutonStop"}, " + --  --"},
    {{"BoutonPasEnArriere"}, "--+++    "},
    {{"Conditions"}, "+- +-  + "},
    {{"Visualisations"}, "+- ++  ++"},
    {{"Fenetres"}, "  +  +-- "},
    {{"FenetreCascade", "FenetreMosaique", "FenetreSupprimer"}, "     + - "},
    {{"BoutonCascade", "BoutonMosaique"}, "     +-- "},
};
constexpr const char* EtatsMagneto = "--++ +--+";
constexpr const char* EtatsLogo = " --  -+  ";
constexpr const char* EtatsEnCours = " + --  --";

int ColonneDuMode(TMode mode)
{
    constexpr TMode ordre[] = {
        TMode::Charge,       TMode::Continu,        TMode::ApresPas,        TMode::Stop,
        TMode::Limite,       TMode::Visualisations, TMode::FenetresFermees, TMode::Reutilise,
        TMode::SuiteConcours};
    const auto i = std::find(std::begin(ordre), std::end(ordre), mode);
    return i == std::end(ordre) ? -1 : static_cast<int>(i - std::begin(ordre));
}

// Elapsed years of n periods, as a 32-bit float (the contest limits are
// compared in single precision).
float Annees(int n, int periodesAn)
{
    return static_cast<float>(n) / static_cast<float>(periodesAn > 0 ? periodesAn : 1);
}

} // namespace

TFenetreMere::TFenetreMere(QWidget* parent)
    : QMainWindow(parent), zone_(new QMdiArea(this)), session_(std::make_unique<TSession>(this)),
      graphes_(std::make_unique<TPartieGraphes>()), dialogues_(std::make_unique<TPartieDialogues>()),
      comparaison_(std::make_unique<TPartieComparaison>())
{
    InitialiserRessources();
    setObjectName("FenetreMere");
    AfficherTitre();
    setWindowIcon(QIcon(":/vasco.png"));
    zone_->setObjectName("Zone");
    zone_->setBackground(QColor(11, 42, 82));
    setCentralWidget(zone_);
    logo_ = new TPanelLogo(zone_->viewport());
    logo_->lower();
    zone_->viewport()->installEventFilter(this);

    magneto_ = new TMagneto(this);
    continu_ = new QTimer(this);
    continu_->setObjectName("MinuterieContinu");
    continu_->setSingleShot(true);
    continu_->setInterval(0);
    connect(continu_, &QTimer::timeout, this, &TFenetreMere::PeriodeContinue);
    CreerMenus();
    CreerBarres();
    for (const TLigneEtats& ligne : TableEtats)
        for (const char* nom : ligne.noms)
            if (nom)
                etats_.emplace_back(ActionExistante(nom), ligne.etats);
    son_ = ActionExistante("son");
    pasEnArriere_ = ActionExistante("PasEnArriere");
    // The graph windows draw the lists of the old data set: they go first,
    // and so does a comparison with the game replaced.
    session_->AvantRemplacement = [this] {
        RetirerComparaison();
        FermerGraphes();
    };
    session_->OptionsChangees = [this] {
        const TOptionsSession options = session_->Options();
        recrutement_->setChecked(options.Recrutement);
        croissance_->setChecked(options.Croissance);
        concours_->setChecked(options.Concours);
    };
    connect(magneto_, &TMagneto::Deplace, this, &TFenetreMere::RedessinerGraphes);
    connect(magneto_, &TMagneto::Deplace, this, &TFenetreMere::AfficherPosition);
    qApp->installEventFilter(this);

    DemanderFichier = [this] {
        QFileDialog dialogue(this, tr("Choix du fichier de données"), DossierDepart(),
                             tr("Fichiers de données Vasco (*.vsc *.VSC);;Tous les fichiers (*)"));
        dialogue.setObjectName("DialogueOuvrir");
        dialogue.setProperty(ProprieteAide, AideChoixFichier);
        dialogue.setFileMode(QFileDialog::ExistingFile);
        dialogue.setDefaultSuffix("vsc");
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
            return QString();
        return dialogue.selectedFiles().constFirst();
    };
    CreerDialogues();
}

TFenetreMere::~TFenetreMere()
{
    // A replay reads the session: it ends first.
    comparaison_->Travail.reset();
    qApp->removeEventFilter(this);
    zone_->viewport()->removeEventFilter(this);
    magneto_->Etat = TMagneto::Arrete;
    FermerGraphes();
    session_->Fermer();
}

QAction* TFenetreMere::NouvelleAction(QMenu* menu, const char* nom, const QString& texte, int aide)
{
    auto* action = new QAction(texte, this);
    action->setObjectName(nom);
    if (aide >= 0)
        action->setProperty(ProprieteAide, aide);
    menu->addAction(action);
    return action;
}

void TFenetreMere::CreerMenus()
{
    auto nouveauMenu = [this](const char* nom, const QString& titre, int aide) {
        QMenu* menu = menuBar()->addMenu(titre);
        menu->setObjectName(nom);
        menu->menuAction()->setObjectName(nom);
        menu->setProperty(ProprieteAide, aide);
        menu->menuAction()->setProperty(ProprieteAide, aide);
        menu->setToolTipsVisible(true);
        return menu;
    };

    QMenu* fichier = nouveauMenu("Fichier", tr("&Fichier"), AideMenuFichier);
    QAction* choix = NouvelleAction(fichier, "Choixdufichierdedonnes",
                                    tr("&Choix du fichier de données"), AideChoixFichier);
    choix->setShortcut(QKeySequence::Open);
    connect(choix, &QAction::triggered, this, &TFenetreMere::ChoixDuFichier);
    QAction* reutiliser =
        NouvelleAction(fichier, "FichierReutiliser", tr("Réutiliser"), AideReutiliser);
    reutiliser->setStatusTip(tr("Pour réinitialiser avec le même fichier de données"));
    reutiliser->setToolTip(reutiliser->statusTip());
    connect(reutiliser, &QAction::triggered, this, &TFenetreMere::FichierReutiliser);
    fichier->addSeparator();
    CreerCommandesPartie(fichier);
    CreerCommandesComparaison(fichier);
    fichier->addSeparator();
    QAction* enregistrer =
        NouvelleAction(fichier, "EnregistrerGraphiqueSous", tr("&Enregistrer graphique sous..."),
                       AideEnregistrerGraphique);
    enregistrer->setShortcut(QKeySequence::Save);
    connect(enregistrer, &QAction::triggered, this, &TFenetreMere::EnregistrerGraphiqueSous);
    fichier->addSeparator();
    QAction* quitter = NouvelleAction(fichier, "Quitter", tr("&Quitter"), AideQuitter);
    quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quitter->setMenuRole(QAction::NoRole);
    connect(quitter, &QAction::triggered, this, &TFenetreMere::QuitterClick);

    QMenu* simulations = nouveauMenu("Simulations", tr("&Simulations"), AideMenuSimulations);
    connect(NouvelleAction(simulations, "PasAPas", tr("&Pas à pas")), &QAction::triggered, this,
            &TFenetreMere::PasAPas);
    connect(NouvelleAction(simulations, "EnContinu", tr("En &continu")), &QAction::triggered, this,
            &TFenetreMere::EnContinu);
    simulations->addSeparator();
    connect(NouvelleAction(simulations, "Stop", tr("&Stop")), &QAction::triggered, this,
            &TFenetreMere::Stop);
    simulations->addSeparator();
    connect(NouvelleAction(simulations, "PasEnArriere", tr("Pas en arrière")), &QAction::triggered,
            this, &TFenetreMere::PasEnArriere);

    QMenu* conditions = nouveauMenu("Conditions", tr("Conditions"), AideMenuConditions);
    connect(NouvelleAction(conditions, "ModificationdesconditionsMetier",
                           tr(" Modification des conditions / &Métier ..."), AideConditionsMetier),
            &QAction::triggered, this, &TFenetreMere::ModificationdesconditionsMetierClick);
    connect(NouvelleAction(conditions, "ModificationdesConditionsEspece",
                           tr("Modification des conditions / &Espèce ..."), AideConditionsEspece),
            &QAction::triggered, this, &TFenetreMere::ModificationdesConditionsEspeceClick);

    QMenu* visualisations =
        nouveauMenu("Visualisations", tr("Visualisations"), AideMenuVisualisations);
    ConstruireMenuVisualisations(visualisations);
    connect(visualisations, &QMenu::aboutToShow, this,
            [this] { ModifierEnabled(TMode::Visualisations); });

    QMenu* fenetres = nouveauMenu("Fenetres", tr("Fenêtres"), AideMenuFenetres);
    connect(NouvelleAction(fenetres, "FenetreCascade", tr("&Cascade")), &QAction::triggered, this,
            [this] {
                logo_->hide();
                zone_->cascadeSubWindows();
            });
    connect(NouvelleAction(fenetres, "FenetreMosaique", tr("&Mosaîque")), &QAction::triggered, this,
            [this] {
                logo_->hide();
                zone_->tileSubWindows();
            });
    connect(NouvelleAction(fenetres, "FenetreSupprimer", tr("&Supprimer")), &QAction::triggered,
            this, [this] {
                FermerGraphes();
                ModifierEnabled(TMode::FenetresFermees);
            });
    fenetres->addSeparator();
    connect(fenetres, &QMenu::aboutToShow, this, [this, fenetres] { ListerFenetres(fenetres); });

    // The options are check marks read when they are needed; each handler
    // runs after Qt has toggled its mark.  The random options and the
    // contest are the session's: a mark the user toggles changes it, and
    // the marks follow it (an opened game sets them).
    QMenu* options = nouveauMenu("Options", tr("Options"), AideMenuOptions);
    auto option = [&](const char* nom, const QString& texte, int aide, bool coche) {
        QAction* action = NouvelleAction(options, nom, texte, aide);
        action->setCheckable(true);
        action->setChecked(coche);
        return action;
    };
    const TOptionsSession& session = session_->Options();
    recrutement_ = option("RecrutementAleatoire", tr("Recrutement aléatoire"),
                          AideRecrutementAleatoire, session.Recrutement);
    croissance_ = option("CroissanceAleatoire", tr("Croissance aléatoire"), AideCroissanceAleatoire,
                         session.Croissance);
    option("son", tr("Son"), -1, false);
    connect(option("AffichageNumeroPeriode", tr("Affichage numéro période"), -1, true),
            &QAction::triggered, this, &TFenetreMere::AffichageNumeroPeriodeClick);
    connect(option("Legendes", tr("Légendes"), -1, LegendesAffichees()), &QAction::triggered, this,
            &TFenetreMere::LegendesClick);
    concours_ = option("Concours", tr("Concours"), AideConcours, session.Concours);
    connect(concours_, &QAction::triggered, this, &TFenetreMere::ConcoursClick);
    const auto suivre = [this](QAction* marque, bool TOptionsSession::*champ) {
        connect(marque, &QAction::toggled, this, [this, champ](bool coche) {
            TOptionsSession options = session_->Options();
            options.*champ = coche;
            session_->FixerOptions(options);
        });
    };
    suivre(recrutement_, &TOptionsSession::Recrutement);
    suivre(croissance_, &TOptionsSession::Croissance);
    suivre(concours_, &TOptionsSession::Concours);
    CreerMenuLangue(options);

    QMenu* aide = nouveauMenu("Aide1", tr("&Aide"), AideMenuAide);
    connect(NouvelleAction(aide, "Index", tr("&Aide")), &QAction::triggered, this,
            [this] { OuvrirAide(AideSommaire); });
    connect(NouvelleAction(aide, "AProposde", tr("&A Propos de...")), &QAction::triggered, this,
            &TFenetreMere::AProposdeClick);

    // At start only the file, options and help commands are usable.
    for (const char* nom :
         {"FichierReutiliser", "EnregistrerPartie", "EnregistrerGraphiqueSous", "Simulations",
          "Conditions", "Visualisations", "Fenetres", "Stop", "PasEnArriere"})
        ActionExistante(nom)->setEnabled(false);
}

void TFenetreMere::CreerMenuLangue(QMenu* options)
{
    // Written in both languages: whoever cannot read the one spoken finds it.
    QMenu* menu = options->addMenu(QStringLiteral("Langue / Language"));
    menu->setObjectName("Langue");
    menu->menuAction()->setObjectName("Langue");
    menu->menuAction()->setProperty(ProprieteAide, AideMenuOptions);
    auto* groupe = new QActionGroup(menu);
    const TLangue enregistree = LangueEnregistree();
    const struct {
        const char* nom;
        QString texte;
        TLangue langue;
    } choix[] = {{"LangueSysteme", tr("Système"), TLangue::Systeme},
                 {"LangueFrancais", QStringLiteral("Français"), TLangue::Francais},
                 {"LangueAnglais", QStringLiteral("English"), TLangue::Anglais}};
    for (const auto& c : choix) {
        QAction* action = menu->addAction(c.texte);
        action->setObjectName(c.nom);
        action->setCheckable(true);
        action->setChecked(c.langue == enregistree);
        groupe->addAction(action);
        connect(action, &QAction::triggered, this, [this, langue = c.langue] {
            EnregistrerLangue(langue);
            statusBar()->showMessage(
                tr("La langue choisie s'appliquera au prochain démarrage de Vasco."), 8000);
        });
    }
}

QAction* TFenetreMere::NouveauBouton(const char* nom, const char* image, const QString& bulle)
{
    auto* action =
        new QAction(QIcon(QStringLiteral(":/barre/%1").arg(QLatin1String(image))), bulle, this);
    action->setObjectName(nom);
    action->setToolTip(bulle);
    action->setStatusTip(bulle);
    action->setEnabled(false);
    return action;
}

void TFenetreMere::CreerBarres()
{
    QToolBar* barre = addToolBar(tr("Barre d'outils"));
    barre->setObjectName("BarreOutils");
    barre->setMovable(false);
    barre->setIconSize(QSize(24, 24));

    QAction* cascade = NouveauBouton("BoutonCascade", "cascade", tr("Cascade"));
    connect(cascade, &QAction::triggered, zone_, &QMdiArea::cascadeSubWindows);
    QAction* mosaique = NouveauBouton("BoutonMosaique", "mosaique", tr("Mosaïque"));
    connect(mosaique, &QAction::triggered, zone_, &QMdiArea::tileSubWindows);
    QAction* aide = NouveauBouton("aide", "aide", tr("Aide"));
    aide->setEnabled(true);
    aide->setProperty(ProprieteAide, AideCommentJouer);
    connect(aide, &QAction::triggered, this, &TFenetreMere::AideClick);
    QAction* enregistrer =
        NouveauBouton("BoutonEnregistrerGraph", "enregistrer", tr("Enregistrer graphique"));
    connect(enregistrer, &QAction::triggered, this, &TFenetreMere::EnregistrerGraphiqueSous);
    QAction* continu = NouveauBouton("BoutonContinu", "continu", tr("Simulation en continue"));
    connect(continu, &QAction::triggered, this, &TFenetreMere::EnContinu);
    QAction* stop = NouveauBouton("BoutonStop", "stop", tr("Stop simulation en continu"));
    connect(stop, &QAction::triggered, this, &TFenetreMere::Stop);
    QAction* pas = NouveauBouton("BoutonPasAPas", "pasapas", tr("Simulation Pas à Pas"));
    connect(pas, &QAction::triggered, this, &TFenetreMere::PasAPas);
    QAction* arriere = NouveauBouton("BoutonPasEnArriere", "pasenarriere",
                                     tr("Effacer le dernier pas de simulation"));
    connect(arriere, &QAction::triggered, this, &TFenetreMere::PasEnArriere);

    barre->addActions({cascade, mosaique});
    barre->addSeparator();
    barre->addAction(aide);
    barre->addSeparator();
    barre->addAction(enregistrer);
    barre->addSeparator();
    barre->addActions({continu, stop, pas, arriere});

    // The step control sits on its own row below the toolbar, with the
    // period it shows.
    addToolBarBreak();
    QToolBar* rangee = addToolBar(tr("Magnétoscope"));
    rangee->setObjectName("BarreMagneto");
    rangee->setMovable(false);
    // Alt+R gives the step control the keyboard focus, wherever it is.
    auto* titre = new QLabel(tr(" &Revoir les périodes : "));
    titre->setBuddy(magneto_);
    rangee->addWidget(titre);
    rangee->addWidget(magneto_);
    magneto_->setEnabled(false);
    // The help topic of the step control (not a context of the menus).
    magneto_->setProperty(ProprieteAide, AideMagneto);
    position_ = new QLabel;
    position_->setObjectName("LbPosition");
    position_->setContentsMargins(12, 0, 0, 0);
    rangee->addWidget(position_);
    statusBar()->showMessage(tr("Choisissez un fichier de données (menu Fichier) pour commencer."));
}

TMagnetoBase* TFenetreMere::Magneto()
{
    return magneto_;
}
void TFenetreMere::DernierePeriode(int32_t index)
{
    magneto_->FixerDernier(index);
}

bool TFenetreMere::RecrutementAleatoire() const
{
    return session_->Options().Recrutement;
}
bool TFenetreMere::CroissanceAleatoire() const
{
    return session_->Options().Croissance;
}
void TFenetreMere::FixerAleatoire(bool recrutement, bool croissance)
{
    session_->FixerOptions({recrutement, croissance, session_->Options().Concours});
}
bool TFenetreMere::AffichageNumeroPeriode() const
{
    return Coche("AffichageNumeroPeriode");
}

void TFenetreMere::ContexteAideDernier(int contexte)
{
    const auto fenetres = zone_->subWindowList(QMdiArea::CreationOrder);
    if (!fenetres.isEmpty())
        fenetres.last()->setProperty(ProprieteAide, contexte);
}

QAction* TFenetreMere::Action(const char* nom) const
{
    return findChild<QAction*>(nom);
}

QAction* TFenetreMere::ActionExistante(const char* nom) const
{
    QAction* action = Action(nom);
    if (!action)
        throw std::logic_error(std::string("TFenetreMere : aucune action ") + nom);
    return action;
}

TBDVasco* TFenetreMere::Donnees() const
{
    return session_->Donnees();
}

QString TFenetreMere::FichierDonnees() const
{
    return QFile::decodeName(QByteArray::fromStdString(session_->FichierDonnees().string()));
}

bool TFenetreMere::Coche(const char* nom) const
{
    const QAction* action = Action(nom);
    return action && action->isChecked();
}

void TFenetreMere::ModifierEnabled(TMode mode)
{
    const int colonne = ColonneDuMode(mode);
    if (colonne < 0)
        return;
    for (const auto& [action, etats] : etats_) {
        if (etats[colonne] != ' ')
            action->setEnabled(etats[colonne] == '+');
    }
    if (EtatsMagneto[colonne] != ' ') {
        magneto_->setEnabled(EtatsMagneto[colonne] == '+');
        if (magneto_->isEnabled())
            magneto_->update();
    }
    if (EtatsLogo[colonne] != ' ')
        logo_->setVisible(EtatsLogo[colonne] == '+');
    if (EtatsEnCours[colonne] != ' ')
        EnCours = EtatsEnCours[colonne] == '+';
    // Whatever ends the run drops the period already scheduled.
    if (!EnCours)
        continu_->stop();
    if (const TBDVasco* bd = Donnees(); mode == TMode::Charge && bd)
        magneto_->PasAn = bd->NbPeriodesAn > 1 ? bd->NbPeriodesAn : 10;
}

bool TFenetreMere::ChargerFichier(const QString& chemin)
{
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    const std::filesystem::path fichier(QFile::encodeName(absolu).toStdString());
    std::string octets;
    try {
        octets = TLecteur::LireOctets(fichier);
    } catch (const ErreurLecture& erreur) {
        TCompteRendu echec;
        echec.Lecture = erreur;
        SignalerEchecChargement(absolu, echec);
        return false;
    }
    const TCompteRendu chargement = session_->Charger(fichier, octets);
    if (!chargement.Reussi()) {
        SignalerEchecChargement(absolu, chargement);
        return false;
    }
    Installer();
    return true;
}

// A file that cannot be read changes nothing: the half-read data set is
// dropped and the current one keeps its windows, its file and its menus.
void TFenetreMere::SignalerEchecChargement(const QString& absolu, const TCompteRendu& echec)
{
    QString raison;
    if (const auto& erreur = echec.Lecture) {
        const QString attendu = QString::fromStdString(erreur->Attendu());
        raison = erreur->Ligne() > 0 ? tr("%1 : ligne %2 : %3")
                                           .arg(QFileInfo(absolu).fileName())
                                           .arg(erreur->Ligne())
                                           .arg(attendu)
                                     : QStringLiteral("%1 : %2").arg(absolu, attendu);
    } else {
        raison = QStringLiteral("%1 : %2").arg(absolu, QString::fromStdString(echec.Raison));
    }
    Signaler(std::string(EchecChargement) + '\n' + raison.toStdString());
}

void TFenetreMere::Installer()
{
    magneto_->Reinitialiser();
    ModifierEnabled(TMode::Charge);
    AfficherPosition();
    AfficherTitre();
    statusBar()->clearMessage();
}

QString TFenetreMere::DossierDepart() const
{
    if (!session_->FichierDonnees().empty())
        return QFileInfo(FichierDonnees()).absolutePath();
    const QString exemples = FichierProgramme("data");
    return exemples.isEmpty() ? QDir::currentPath() : exemples;
}

void TFenetreMere::ChoixDuFichier()
{
    if (EnCours || !DemanderFichier || !ProposerEnregistrement())
        return;
    const QString chemin = DemanderFichier();
    if (!chemin.isEmpty())
        ChargerFichier(chemin);
}

// Starts again from the same file.  The contest balance uses it during a
// continuous run: reusing then ends the run.  False when the user keeps the
// current game (the save question's cancel) or the file cannot be read.
bool TFenetreMere::FichierReutiliser()
{
    return !session_->FichierDonnees().empty() && ProposerEnregistrement() && Reutiliser();
}

bool TFenetreMere::Reutiliser()
{
    if (session_->FichierDonnees().empty() || !ChargerFichier(FichierDonnees()))
        return false;
    ModifierEnabled(TMode::Reutilise);
    return true;
}

// A name ending in .vsp (any case) is a game, any other a data file.  The
// games to compare need it: without it they are refused in words.
void TFenetreMere::OuvrirAuDemarrage(const QStringList& fichiers, const QStringList& comparees)
{
    if (fichiers.isEmpty()) {
        if (!comparees.isEmpty())
            Signaler(tr("Aucune partie à laquelle comparer\n"
                        "Donnez d'abord le fichier de données ou la partie en cours : "
                        "vasco FICHIER --comparer PARTIE.vsp")
                         .toStdString());
        return;
    }
    const QString& fichier = fichiers.constFirst();
    const bool ouvert = fichier.endsWith(".vsp", Qt::CaseInsensitive) ? OuvrirPartie(fichier)
                                                                      : ChargerFichier(fichier);
    if (ouvert && !comparees.isEmpty())
        ComparerParties(comparees);
}

void TFenetreMere::FermerGraphes()
{
    const auto fenetres = zone_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = fenetres.rbegin(); it != fenetres.rend(); ++it)
        delete *it;
}

void TFenetreMere::PasAPas()
{
    if (!Donnees() || EnCours)
        return;
    if (zone_->subWindowList().isEmpty())
        OuvrirCAEtBenefices();
    if (session_->Options().Concours &&
        Annees(Donnees()->NbPeriodes() + 1, Donnees()->NbPeriodesAn) >= AnsConcoursPasAPas) {
        BilanConcours();
        return;
    }
    try {
        Donnees()->Pas();
    } catch (...) {
        Signaler("Umere/TFenetreMere.pasPas1Click");
    }
    ModifierEnabled(TMode::ApresPas);
}

// A continuous run simulates one period per tick of a zero-interval timer.
// Between two periods the window is back in its event loop: the graphs are
// repainted there, and Stop, the step control, closing the window and the
// accessibility clients are served without waiting for the run to end.  The
// first period is simulated at once, so that a run makes at least one step
// even when it is stopped before the timer's first tick.  While it runs
// every command that could start a second run is disabled, and a call that
// slips through (a shortcut, a double click) returns at once.
void TFenetreMere::EnContinu()
{
    if (!Donnees() || EnCours)
        return;
    ModifierEnabled(TMode::Continu);
    if (zone_->subWindowList().isEmpty())
        OuvrirCAEtBenefices();
    PeriodeContinue();
}

// One period of the run.  The timer is single-shot and started again only
// once the period is complete: a modal box shown meanwhile (the contest
// balance, an error) cannot start the next period from its own event loop.
void TFenetreMere::PeriodeContinue()
{
    if (!Donnees() || !EnCours)
        return;
    try {
        Donnees()->Pas();
    } catch (...) {
        Signaler("Umere/TFenetreMere.EnContinu");
    }
    if (session_->Options().Concours &&
        Annees(Donnees()->NbPeriodes(), Donnees()->NbPeriodesAn) >= AnsConcoursContinu)
        BilanConcours();
    // Stop, closing the window, reusing the file or the contest's answer
    // have ended the run; otherwise it ends past its last position.
    if (!EnCours)
        return;
    if (magneto_->Position > PositionLimite)
        ModifierEnabled(TMode::Limite);
    else
        continu_->start();
}

void TFenetreMere::Stop()
{
    if (EnCours)
        ModifierEnabled(TMode::Stop);
}

void TFenetreMere::PasEnArriere()
{
    if (!Donnees() || EnCours || Donnees()->NbPeriodes() == 0)
        return;
    Donnees()->PasEnArriere();
    if (Donnees()->NbPeriodes() == 0)
        pasEnArriere_->setEnabled(false);
}

void TFenetreMere::OuvrirAide(int contexte)
{
    // Shown above a modal dialog, the viewer must belong to it to take the
    // mouse and keyboard; otherwise it belongs to the main window.
    QWidget* proprietaire = QApplication::activeModalWidget();
    if (!proprietaire)
        proprietaire = this;
    if (!aide_)
        aide_ = new TAide(proprietaire);
    else if (aide_->parentWidget() != proprietaire)
        aide_->setParent(proprietaire, Qt::Window);
    if (!aide_->Charge()) {
        const QString nomAide = FichierAide();
        const QString chemin = FichierProgramme(nomAide);
        if (chemin.isEmpty() || !aide_->Charger(chemin)) {
            Signaler(tr("Le fichier d'aide « %1 » est introuvable ou illisible.\n"
                        "Il doit se trouver à côté du programme ou dans son dossier share/vasco.")
                         .arg(nomAide)
                         .toStdString());
            return;
        }
    }
    aide_->Afficher(contexte);
    if (!aide_->isVisible()) {
        // Opened centred over the window that asked for it.
        QRect cadre = aide_->frameGeometry();
        cadre.moveCenter(proprietaire->window()->frameGeometry().center());
        aide_->move(cadre.topLeft());
    }
    aide_->show();
    aide_->raise();
    aide_->activateWindow();
}

TAide* TFenetreMere::Aide() const
{
    return aide_;
}

void TFenetreMere::AideClick()
{
    try {
        OuvrirAide(AideCommentJouer);
    } catch (...) {
        Signaler("Exception dans MERE/AideClick");
    }
}

int TFenetreMere::ContexteAideDe(const QObject* objet)
{
    if (const auto* menu = qobject_cast<const QMenu*>(objet)) {
        const QAction* action = menu->activeAction();
        if (action && action->property(ProprieteAide).isValid())
            return action->property(ProprieteAide).toInt();
    }
    for (; objet; objet = objet->parent()) {
        const QVariant contexte = objet->property(ProprieteAide);
        if (contexte.isValid())
            return contexte.toInt();
    }
    return 0;
}

void TFenetreMere::ListerFenetres(QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->property("FenetreListee").toBool())
            delete action;
    }
    const auto fenetres = zone_->subWindowList(QMdiArea::CreationOrder);
    for (int i = 0; i < fenetres.size(); ++i) {
        QMdiSubWindow* fenetre = fenetres[i];
        QString titre = fenetre->windowTitle();
        titre.replace('&', "&&");
        QAction* action =
            menu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(titre) : titre);
        action->setProperty("FenetreListee", true);
        action->setCheckable(true);
        action->setChecked(fenetre == zone_->activeSubWindow());
        connect(action, &QAction::triggered, zone_,
                [this, fenetre = QPointer<QMdiSubWindow>(fenetre)] {
                    if (fenetre)
                        zone_->setActiveSubWindow(fenetre);
                });
    }
}

void TFenetreMere::AfficherPosition()
{
    if (!Donnees()) {
        position_->clear();
        return;
    }
    const QString nom = QFileInfo(FichierDonnees()).fileName();
    const int32_t p = magneto_->Position;
    if (p < 0) {
        position_->setText(tr("%1 : aucune période simulée").arg(nom));
        return;
    }
    const int parAn = Donnees()->NbPeriodesAn > 0 ? Donnees()->NbPeriodesAn : 1;
    QString texte = tr("%1 : période %2 sur %3 (année %4, période %5 de l'année)")
                        .arg(nom)
                        .arg(p + 1)
                        .arg(magneto_->Max + 1)
                        .arg(p / parAn + 1)
                        .arg(p % parAn + 1);
    // Past the current game only the compared games are drawn.
    if (magneto_->ApresLaFin())
        texte = tr("%1, après la fin de la partie (%2 périodes jouées)")
                    .arg(texte)
                    .arg(magneto_->DernierePartie() + 1);
    position_->setText(texte);
}

// Once the last child window has gone (closed by its close box, or by a
// command), the window follows as after "Supprimer".  The check waits until
// the area has forgotten the window.
void TFenetreMere::SuivreFenetresFermees()
{
    QTimer::singleShot(0, this, [this] {
        if (zone_->subWindowList().isEmpty())
            ModifierEnabled(TMode::FenetresFermees);
    });
}

bool TFenetreMere::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == zone_->viewport()) {
        if (evenement->type() == QEvent::Resize)
            logo_->setGeometry(zone_->viewport()->rect());
        else if (evenement->type() == QEvent::ChildRemoved)
            SuivreFenetresFermees();
        return false;
    }
    if (evenement->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_F1 && objet->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(objet);
        // F1 inside the viewer itself leaves it where it is.
        if (aide_ && (widget == aide_ || aide_->isAncestorOf(widget)))
            return true;
        OuvrirAide(ContexteAideDe(objet));
        return true;
    }
    return false;
}

void TFenetreMere::closeEvent(QCloseEvent* evenement)
{
    // The close box asks to save a game that has changed (Quitter has asked
    // already); cancelling keeps the window and its game.
    if (!questionPosee_ && !ProposerEnregistrement()) {
        evenement->ignore();
        return;
    }
    questionPosee_ = false;
    // A run in progress ends (closing comes between two of its periods) and
    // so does a replay; the graph windows go before the data set whose
    // lists they draw.
    Stop();
    RetirerComparaison();
    magneto_->Etat = TMagneto::Arrete;
    if (aide_)
        aide_->close();
    FermerGraphes();
    session_->Fermer();
    AfficherPosition();
    evenement->accept();
}

void TFenetreMere::resizeEvent(QResizeEvent* evenement)
{
    QMainWindow::resizeEvent(evenement);
    zone_->tileSubWindows();
}

} // namespace vasco
