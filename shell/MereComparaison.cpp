// A class's games compared with the current game, the main window's side:
// "Comparer avec des parties..." and "Retirer la comparaison", the replay in
// the background, its report, and what the graph windows and the step
// control are told.
//
// The games are replayed by Comparer (dataset/UComparaison.h) on a thread of
// a TTravail, which reads only the session's data file bytes and digest:
// the current game, its data set and every widget stay the window thread's.
// Whatever replaces the data set (loading, opening a game, reusing the file)
// first ends the comparison and a replay under way, so the bytes the worker
// reads never change under it.

#include "shell/MereComparaison.h"

#include "dataset/UComparaison.h"
#include "dataset/USession.h"
#include "graphs/ufg.h"
#include "model/UContextes.h"
#include "model/Umessages.h"
#include "shell/Mere.h"
#include "shell/MereDiagramme.h"
#include "shell/UMagneto.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>
#include <cstdint>
#include <exception>
#include <limits>

namespace vasco {

namespace {

// The items a replay switches off.  Saving, the graphs, the windows and the
// step control stay on: they read the current game and change nothing of
// what the replay reads.
constexpr const char* BloqueesPendantLaReprise[] = {
    "Choixdufichierdedonnes", "FichierReutiliser", "OuvrirPartie", "ComparerParties",
    "PasAPas", "EnContinu", "PasEnArriere", "BoutonPasAPas", "BoutonContinu",
    "BoutonPasEnArriere", "ModificationdesconditionsMetier", "ModificationdesConditionsEspece",
    "Concours"};

QActionGroup* Groupe(QObject* parent)
{
    auto* groupe = new QActionGroup(parent);
    // Checkable items (Concours) keep their own marks.
    groupe->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    return groupe;
}

QString Ligne(const std::string& texte)
{
    return QString::fromStdString(texte).trimmed();
}

} // namespace

void TFenetreMere::CreerCommandesComparaison(QMenu* fichier)
{
    TPartieComparaison& c = *comparaison_;
    QAction* comparer = NouvelleAction(fichier, "ComparerParties",
                                       tr("Comparer avec des parties..."), AideComparerParties);
    comparer->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    comparer->setStatusTip(tr("Montrer dans chaque graphique les parties rendues par les élèves"));
    comparer->setToolTip(comparer->statusTip());
    comparer->setEnabled(false);
    connect(comparer, &QAction::triggered, this, &TFenetreMere::ComparerPartiesCommande);
    QAction* retirer = NouvelleAction(fichier, "RetirerComparaison", tr("Retirer la comparaison"),
                                      AideRetirerComparaison);
    retirer->setEnabled(false);
    connect(retirer, &QAction::triggered, this, &TFenetreMere::RetirerComparaison);
    c.AvecComparaison = Groupe(this);
    c.AvecComparaison->addAction(retirer);
    c.AvecComparaison->setEnabled(false);

    c.Etiquette = new QLabel(this);
    c.Etiquette->setObjectName("LbComparaison");
    statusBar()->addPermanentWidget(c.Etiquette);
    c.Etiquette->hide();

    // Several games at once, from where "Ouvrir une partie..." opens.
    DemanderPartiesAComparer = [this] {
        QFileDialog dialogue(this, tr("Comparer avec des parties"), DossierParties(),
                             FiltresParties());
        dialogue.setObjectName("DialogueComparerParties");
        dialogue.setProperty(ProprieteAide, AideComparerParties);
        dialogue.setFileMode(QFileDialog::ExistingFiles);
        if (dialogue.exec() != QDialog::Accepted)
            return QStringList();
        return dialogue.selectedFiles();
    };
}

const std::shared_ptr<const TComparaison>& TFenetreMere::Comparaison() const
{
    return comparaison_->Montree;
}

bool TFenetreMere::ComparaisonEnCours() const
{
    return comparaison_->Travail != nullptr;
}

void TFenetreMere::ComparerPartiesCommande()
{
    if (!Donnees() || EnCours || ComparaisonEnCours() || !DemanderPartiesAComparer)
        return;
    const QStringList fichiers = DemanderPartiesAComparer();
    if (!fichiers.isEmpty())
        ComparerParties(fichiers);
}

void TFenetreMere::ComparerParties(const QStringList& fichiers)
{
    TPartieComparaison& c = *comparaison_;
    if (!Donnees() || EnCours || ComparaisonEnCours() || fichiers.isEmpty())
        return;
    // Owned here; a child of the window as well, so that once ended and
    // handed to deleteLater it still goes with the window.
    c.Travail = std::make_unique<TTravail>(statusBar(), tr("Comparaison des parties"),
                                           fichiers.size(), this);
    TDemandeComparaison demande;
    for (const QString& fichier : fichiers)
        demande.Fichiers.emplace_back(
            QFile::encodeName(QFileInfo(fichier).absoluteFilePath()).toStdString());
    demande.PartieCourante = Session().FichierPartie();
    demande.Fils = 0;
    demande.Faites = &c.Travail->Faits();
    demande.Annuler = &c.Travail->Annulation();

    if (!c.Bloquees) {
        c.Bloquees = Groupe(this);
        for (const char* nom : BloqueesPendantLaReprise)
            c.Bloquees->addAction(ActionExistante(nom));
    }
    c.Bloquees->setEnabled(false);
    auto resultat = std::make_shared<TComparaison>();
    c.Travail->Lancer(
        [&session = Session(), demande, resultat] { Comparer(session, demande, *resultat); },
        [this, resultat](bool annule) { FinirComparaison(resultat, annule); });
}

// On the window's thread, once the replay's thread has ended.
void TFenetreMere::FinirComparaison(std::shared_ptr<TComparaison> resultat, bool annule)
{
    TPartieComparaison& c = *comparaison_;
    const std::exception_ptr echec = c.Travail->Echec();
    c.Travail.release()->deleteLater();
    c.Bloquees->setEnabled(true);
    if (annule) {
        statusBar()->showMessage(tr("Comparaison annulée"), 5000);
        return;
    }
    if (echec) {
        QString raison;
        try {
            std::rethrow_exception(echec);
        } catch (const std::exception& erreur) {
            raison = QString::fromStdString(erreur.what());
        } catch (...) {
        }
        Signaler(tr("La comparaison n'a pas pu se faire\n%1").arg(raison).toStdString());
        return;
    }
    // With no game replayed, the comparison shown before (if any) stays.
    const QString compteRendu = CompteRenduComparaison(*resultat);
    if (!resultat->Parties.empty())
        MontrerComparaison(std::move(resultat));
    if (!compteRendu.isEmpty())
        Signaler(compteRendu.toStdString());
}

void TFenetreMere::RetirerComparaison()
{
    TPartieComparaison& c = *comparaison_;
    // A replay under way is cancelled and waited for; its end is not called.
    if (c.Travail) {
        c.Travail.reset();
        c.Bloquees->setEnabled(true);
    }
    if (c.Montree)
        MontrerComparaison(nullptr);
}

void TFenetreMere::MontrerComparaison(std::shared_ptr<const TComparaison> comparaison)
{
    TPartieComparaison& c = *comparaison_;
    c.Montree = std::move(comparaison);
    const size_t parties = c.Montree ? c.Montree->Parties.size() : 0;
    c.AvecComparaison->setEnabled(parties > 0);
    c.Etiquette->setText(parties == 1 ? tr("Comparée à une partie")
                                      : tr("Comparée à %1 parties").arg(parties));
    c.Etiquette->setVisible(parties > 0);
    // The step control's range reaches the longest game compared; a
    // current game with no period yet can then be replayed too.
    const int64_t fin =
        c.Montree ? std::min<int64_t>(c.Montree->PeriodesMax(), std::numeric_limits<int32_t>::max())
                  : 0;
    magneto_->FixerEtendue(static_cast<int32_t>(fin) - 1);
    if (parties > 0)
        magneto_->setEnabled(true);
    DiffuserComparaison();
    AfficherPosition();
}

void TFenetreMere::DiffuserComparaison()
{
    for (QMdiSubWindow* fenetre : Zone()->subWindowList())
        if (auto* graphe = qobject_cast<TFG*>(fenetre->widget()))
            DonnerComparaison(*graphe);
    if (TDiagrammes* diagrammes = Diagrammes())
        diagrammes->FixerComparaison(comparaison_->Montree);
    RedessinerGraphes();
}

void TFenetreMere::DonnerComparaison(TFG& graphe) const
{
    graphe.FixerComparaison(comparaison_->Montree);
}

// From this many games in a row left out for the same reason, one line
// names them all.
constexpr size_t PartiesRegroupees = 4;

QString TFenetreMere::CompteRenduComparaison(const TComparaison& comparaison)
{
    const bool messages =
        std::any_of(comparaison.Parties.begin(), comparaison.Parties.end(),
                    [](const TPartieComparee& p) { return !Ligne(p.Messages).isEmpty(); });
    if (comparaison.Refus.empty() && !messages)
        return {};
    const size_t n = comparaison.Parties.size();
    QStringList lignes;
    lignes << (n == 0   ? tr("Aucune partie n'a pu être comparée")
               : n == 1 ? tr("Comparaison avec une partie")
                        : tr("Comparaison avec %1 parties").arg(n));
    if (!comparaison.Refus.empty()) {
        lignes << tr("Parties écartées :");
        // Many games left out for one reason (the games of a whole folder
        // beyond the sixtieth) make one line: the box must fit the screen.
        const auto& refus = comparaison.Refus;
        for (size_t i = 0; i < refus.size();) {
            size_t fin = i + 1;
            while (fin < refus.size() && refus[fin].Raison == refus[i].Raison)
                ++fin;
            const QString raison = Ligne(refus[i].Raison);
            if (fin - i >= PartiesRegroupees) {
                lignes << QStringLiteral("  • %1 : %2")
                              .arg(tr("%1 parties, de %2 à %3")
                                       .arg(fin - i)
                                       .arg(QString::fromStdString(refus[i].Nom),
                                            QString::fromStdString(refus[fin - 1].Nom)),
                                   raison);
            } else {
                for (size_t k = i; k < fin; ++k)
                    lignes << QStringLiteral("  • %1 : %2")
                                  .arg(QString::fromStdString(refus[k].Nom), raison);
            }
            i = fin;
        }
    }
    if (messages) {
        lignes << tr("Messages pendant la reprise des parties :");
        for (const TPartieComparee& partie : comparaison.Parties) {
            const QString texte = Ligne(partie.Messages);
            if (texte.isEmpty())
                continue;
            lignes << QStringLiteral("  %1 :").arg(QString::fromStdString(partie.Nom));
            for (const QString& message : texte.split('\n', Qt::SkipEmptyParts))
                lignes << "    " + message;
        }
    }
    return lignes.join('\n');
}

} // namespace vasco
