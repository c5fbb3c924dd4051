// The main window: a multiple-document frame whose child windows are the
// graph windows, with the menus, the toolbar, the step control and the logo.
// It shows the game session (dataset/USession.h), which owns the data set,
// and is the host the model sees.
//
// Its code is split by subject:
//   Mere.cpp           start-up, menus and toolbar, enabling states, loading,
//                      simulation control, window commands, help;
//   MereGraphes.cpp    graph windows: the host's OuvrirGraphe, the
//                      "Visualisations" menu, redrawing, saving a graph;
//   MereDialogues.cpp  condition dialogs, contest, options, quit and about;
//   MerePartie.cpp     game files: saving, opening, the save question;
//   MereDiagramme.cpp  the bio-economic diagram and its computation;
//   MereComparaison.cpp  a class's games compared with the current one.
#pragma once

#include "model/Uhote.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;

namespace vasco {

class TAide;
class TBDVasco;
class TFG;
struct TComparaison;
struct TPartieComparaison;
class TDiagrammes;
class TMagneto;
class TSession;
struct TCompteRendu;
struct TPartieGraphes;
struct TPartieDialogues;

// What the user has just done, for the enabling states of the menus and
// buttons.  The values are those of the help file's description of the
// states; no state is numbered 0 or 4.
enum class TMode : uint8_t {
    Charge = 1,          // a data file loaded
    Continu = 2,         // a continuous run starts
    ApresPas = 3,        // after a single step
    Stop = 5,            // Stop during a run
    Limite = 6,          // the run reached its limit
    Visualisations = 7,  // the "Visualisations" menu opened
    FenetresFermees = 8, // every graph window closed
    Reutilise = 9,       // the data file reused
    SuiteConcours = 10,  // going on after the contest balance
};

class TFenetreMere : public QMainWindow, public THote {
    Q_OBJECT

public:
    explicit TFenetreMere(QWidget* parent = nullptr);
    ~TFenetreMere() override;

    // The host, as the model sees it.  The random options are the session's,
    // shown as check marks of the "Options" menu.
    bool RecrutementAleatoire() const override;
    bool CroissanceAleatoire() const override;
    bool AffichageNumeroPeriode() const override;
    // Ticks the two marks without running their handlers.
    void FixerAleatoire(bool recrutement, bool croissance) override;
    TMagnetoBase* Magneto() override;
    void DernierePeriode(int32_t index) override;
    void OuvrirGraphe(const TParamGraphe& param) override; // MereGraphes.cpp
    void ContexteAideDernier(int contexte) override;

    // The client area that holds the graph windows.
    QMdiArea* Zone() const { return zone_; }
    TMagneto* Magnetoscope() const { return magneto_; }
    // The game being played: data set, files, options, "changed".
    TSession& Session() const { return *session_; }
    // The current data set, or null before the first load.
    TBDVasco* Donnees() const;
    // The data file of the current data set.
    QString FichierDonnees() const;
    // The action (menu item or toolbar button) of that object name, or null.
    QAction* Action(const char* nom) const;
    // The check mark of an item of the "Options" menu.
    bool Coche(const char* nom) const;

    // A continuous run is in progress: its periods follow one another from
    // the event loop, EnContinu having returned.
    bool EnCours = false;

    // Switches the menus and buttons for what the user may now do.
    void ModifierEnabled(TMode mode);

    // Commands (Mere.cpp).  ChargerFichier reads into a new data set and
    // keeps the previous one when the file cannot be read (the message says
    // where); on success the old graph windows close, the step control
    // starts over and the menus are those of a loaded file.
    bool ChargerFichier(const QString& chemin);
    void ChoixDuFichier();
    // Loads the same file again (which also ends a run), after the save
    // question; false when the current game stays.
    bool FichierReutiliser();
    // Closes every child window, the last first, freed at once.
    void FermerGraphes();
    void PasAPas();
    void EnContinu();
    void Stop();
    void PasEnArriere();
    void OuvrirAide(int contexte);
    // The file named on the command line, loaded as if it had been chosen
    // (a .vsp file opened as a game); nothing when none is given.  The
    // games of `comparees` (--comparer) are then compared with it.
    void OuvrirAuDemarrage(const QStringList& fichiers, const QStringList& comparees = {});
    // The help viewer, once opened.
    TAide* Aide() const;
    // The help context of an object: its own ContexteAide, or its nearest
    // ancestor's (a menu answers for its highlighted item); 0, the contents,
    // when none carries one.
    static int ContexteAideDe(const QObject* objet);

    // The open-file dialog, replaceable by the tests: the chosen data file,
    // or an empty string when the user cancels.
    std::function<QString()> DemanderFichier;

    // Game files (MerePartie.cpp).  EnregistrerPartie writes the game to a
    // temporary file beside the target, renamed over it once complete; on
    // failure the message says what failed and the old file is intact.
    bool EnregistrerPartie(const QString& chemin);
    // Opens a game: its data file loaded with its seed and options, every
    // period replayed with its measures.  A file that cannot be used
    // changes nothing (the message says why).
    bool OuvrirPartie(const QString& chemin);
    // The commands: ask for a name (and, for opening, whether to save the
    // current game first).
    void EnregistrerPartieSous();
    void OuvrirPartieCommande();
    // The game differs from its last save or opening (or from its load).
    bool PartieModifiee() const;
    // Asks "Enregistrer la partie ?" when the game has changed; false when
    // the user cancels, or when the save was cancelled or failed.
    bool ProposerEnregistrement();
    // The game file saved or opened last, empty for a new game.
    QString FichierPartie() const;
    // The dialogs of the two commands, replaceable by the tests: a name, or
    // an empty string when the user cancels.
    std::function<QString()> DemanderPartieAOuvrir;
    std::function<QString()> DemanderPartieAEnregistrer;

    // A class's games compared with the current one (MereComparaison.cpp).
    // ComparerParties replays them in the background, with the bar and
    // Cancel in the status bar; once at least one has been replayed they are
    // shown in every graph window, and the step control's range reaches the
    // longest.  One message names the games left out and the replays'
    // messages.  Loading, opening a game or reusing the file ends the
    // comparison (RetirerComparaison), as does the menu command.
    void ComparerPartiesCommande();
    void ComparerParties(const QStringList& fichiers);
    void RetirerComparaison();
    // The comparison shown, null with none; a replay is under way.
    const std::shared_ptr<const TComparaison>& Comparaison() const;
    bool ComparaisonEnCours() const;
    // Every open graph window draws the comparison shown (or none).
    void DiffuserComparaison();
    // The dialog of "Comparer avec des parties...", replaceable by the
    // tests: the games chosen, none when the user cancels.
    std::function<QStringList()> DemanderPartiesAComparer;
    // The report of a comparison, "" when there is nothing to tell: the
    // games left out with their reasons, and under each compared game's
    // name the guard messages of its replay.
    static QString CompteRenduComparaison(const TComparaison& comparaison);

    // Graph windows (MereGraphes.cpp).
    void ConstruireMenuVisualisations(QMenu* menu);
    // The global "CA et bénéfices" graph, opened by a step with no window.
    void OuvrirCAEtBenefices();
    // Every graph window recomposes its picture at the step control's position.
    void RedessinerGraphes();
    // "Options | Légendes": kept for the next start, and every open graph
    // window shows or hides its legend at once.
    void LegendesClick();
    void EnregistrerGraphiqueSous();
    TPartieGraphes& Graphes() { return *graphes_; }

    // The bio-economic diagram (MereDiagramme.cpp): its command, added to
    // the "Visualisations" menu after the catalogue's, opens its two
    // windows and computes the equilibrium in the background; the diagram
    // pair open now, or null.
    void AjouterCommandeDiagramme(QMenu* menu);
    void OuvrirDiagramme();
    TDiagrammes* Diagrammes() const;

    // Dialogs, contest, options, quit and about (MereDialogues.cpp).
    // CreerDialogues runs once, from the constructor.
    void CreerDialogues();
    void ModificationdesconditionsMetierClick();
    void ModificationdesConditionsEspeceClick();
    void BilanConcours();
    void ConcoursClick();
    void AffichageNumeroPeriodeClick();
    void QuitterClick();
    void AProposdeClick();
    TPartieDialogues& Dialogues() { return *dialogues_; }

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    // F1 anywhere in the program, the logo following the client area, and
    // the state after the last child window has gone.
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void CreerMenus();
    void CreerBarres();
    QAction* NouvelleAction(QMenu* menu, const char* nom, const QString& texte, int aide = -1);
    QAction* NouveauBouton(const char* nom, const char* image, const QString& bulle);
    QString DossierDepart() const;
    void ListerFenetres(QMenu* menu);
    void AfficherPosition();
    void AideClick();
    void SuivreFenetresFermees();
    void PeriodeContinue();
    // FichierReutiliser without the save question.
    bool Reutiliser();
    // The action of that object name; a name no action carries is a fault
    // of the program, raised while the window is built.
    QAction* ActionExistante(const char* nom) const;
    // The window after the session has taken a new data set: step control,
    // menus, caption.
    void Installer();
    // "Erreur dans MERE : Choix du fichier de données", and where and what.
    void SignalerEchecChargement(const QString& absolu, const TCompteRendu& echec);
    void CreerCommandesPartie(QMenu* fichier);
    // Where the game dialogs open, and their filters.
    QString DossierParties() const;
    QString FiltresParties() const;
    void CreerCommandesComparaison(QMenu* fichier);
    void FinirComparaison(std::shared_ptr<TComparaison> resultat, bool annule);
    void MontrerComparaison(std::shared_ptr<const TComparaison> comparaison);
    void DonnerComparaison(TFG& graphe) const;
    // "Options | Langue / Language": the choice stored for the next start.
    void CreerMenuLangue(QMenu* options);
    void AfficherTitre();

    QMdiArea* zone_;
    QWidget* logo_ = nullptr;
    QLabel* position_ = nullptr;
    QPointer<TAide> aide_;
    TMagneto* magneto_ = nullptr;
    // The continuous run's period timer.
    QTimer* continu_ = nullptr;
    std::unique_ptr<TSession> session_;
    // The marks of the session's options, and the items whose enabling
    // follows the user's actions with their states (TableEtats), looked up
    // once.
    QAction* recrutement_ = nullptr;
    QAction* croissance_ = nullptr;
    QAction* concours_ = nullptr;
    QAction* son_ = nullptr;
    QAction* pasEnArriere_ = nullptr;
    std::vector<std::pair<QAction*, const char*>> etats_;
    // The question has been answered for the quit under way.
    bool questionPosee_ = false;
    std::unique_ptr<TPartieGraphes> graphes_;
    std::unique_ptr<TPartieDialogues> dialogues_;
    // Last: its replay, which reads the session, goes first.
    std::unique_ptr<TPartieComparaison> comparaison_;
};

} // namespace vasco
