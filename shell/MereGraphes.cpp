#include "shell/MereGraphes.h"

#include "dataset/Ubd.h"
#include "graphs/UFamilles.h"
#include "shell/MereDiagramme.h"
#include "model/UContextes.h"
#include "model/UTraduction.h"
#include "model/Uperiode.h"
#include "shell/Mere.h"
#include "shell/UChemins.h"
#include "shell/UReglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <memory>
#include <vector>

namespace vasco {

namespace {

// A menu command of the catalogue: the windows it opens are tiled when
// there is one per element.
void OuvrirCommande(TFenetreMere& mere, const TLigneGraphe& ligne)
{
    TBDVasco* bd = mere.Donnees();
    if (!bd)
        return;
    const TOuvertures ouvertes = bd->OuvrirGraphes(ligne, mere);
    if (ouvertes.Nombre == 0 || ligne.Element == TElementGraphe::Global)
        return;
    QMdiArea* zone = mere.Zone();
    for (QMdiSubWindow* f : zone->subWindowList())
        if (f->isMaximized())
            f->showNormal();
    zone->tileSubWindows();
}

QString DialogueEnregistrer(QWidget* parent)
{
    QFileDialog dialogue(parent, TFenetreMere::tr("Enregistrer graphique sous"));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setDefaultSuffix("BMP");
    const QStringList filtres = {
        TFenetreMere::tr("Fichiers Images (*.BMP *.bmp)"), TFenetreMere::tr("Images PNG (*.png)"),
        TFenetreMere::tr("Valeurs (*.csv)"), TFenetreMere::tr("Tout Fichiers  (*.*)")};
    dialogue.setNameFilters(filtres);
    dialogue.selectNameFilter(filtres.first());
    // The format follows the extension; the filter chosen gives the default.
    QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue,
                     [&dialogue, filtres](const QString& filtre) {
                         dialogue.setDefaultSuffix(filtre == filtres[1]   ? "png"
                                                   : filtre == filtres[2] ? "csv"
                                                                          : "BMP");
                     });
    return NomAEnregistrer(dialogue);
}

} // namespace

void TFenetreMere::OuvrirGraphe(const TParamGraphe& param)
{
    if (!param.Liste)
        throw ErreurModele("graphique sans liste");
    TParamGraphe p = param;
    p.Legende = Coche("Legendes");
    std::unique_ptr<TFG> graphe = CreerGraphe(p.Famille);
    TFG* g = graphe.get();
    QMdiSubWindow* fenetre = Zone()->addSubWindow(graphe.release());
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->setProperty(ProprieteAide, p.Aide ? p.Aide : g->ContexteAideFamille());
    fenetre->showMaximized();
    g->Transferer(p);
    DonnerComparaison(*g);
    fenetre->setWindowTitle(g->windowTitle());
}

// The submenus and their commands, from the graph catalogue.
void TFenetreMere::ConstruireMenuVisualisations(QMenu* menu)
{
    std::vector<QMenu*> sousMenus;
    for (const TMenuGraphes& m : MenusGraphes()) {
        QMenu* parent = m.Parent < 0 ? menu : sousMenus.at(static_cast<size_t>(m.Parent));
        QMenu* sousMenu = parent->addMenu(QCoreApplication::translate(ContexteModele, m.Libelle));
        sousMenu->setObjectName(m.Nom);
        sousMenus.push_back(sousMenu);
        for (const TLigneGraphe& ligne : CatalogueGraphes()) {
            if (ligne.Element != m.Element || !ligne.Commande)
                continue;
            QAction* action =
                sousMenu->addAction(QCoreApplication::translate(ContexteModele, ligne.Libelle));
            action->setObjectName(ligne.Commande);
            action->setProperty(ProprieteAide, ligne.AideCommande);
            connect(action, &QAction::triggered, this,
                    [this, &ligne] { OuvrirCommande(*this, ligne); });
        }
    }
    AjouterCommandeDiagramme(menu);
}

void TFenetreMere::OuvrirCAEtBenefices()
{
    OuvrirCommande(*this, *LigneGraphe(TElementGraphe::Global, CodeBilanCA));
}

void TFenetreMere::RedessinerGraphes()
{
    for (QMdiSubWindow* fenetre : Zone()->subWindowList())
        if (auto* graphe = qobject_cast<TFG*>(fenetre->widget()))
            graphe->Recomposer();
}

void TFenetreMere::LegendesClick()
{
    const bool afficher = Coche("Legendes");
    EnregistrerLegendes(afficher);
    for (QMdiSubWindow* fenetre : Zone()->subWindowList())
        if (auto* graphe = qobject_cast<TFG*>(fenetre->widget()))
            graphe->AfficherLegende(afficher);
}

void TFenetreMere::EnregistrerGraphiqueSous()
{
    try {
        const auto& demander = Graphes().DemanderFichierImage;
        const QString nom = demander ? demander() : DialogueEnregistrer(this);
        if (nom.isEmpty())
            return;
        const auto fenetres = Zone()->subWindowList(QMdiArea::ActivationHistoryOrder);
        if (fenetres.isEmpty()) {
            Signaler(tr("Aucune Fenêtre Graphique Ouverte").toStdString());
            return;
        }
        QMdiSubWindow* active = Zone()->activeSubWindow();
        QWidget* fenetre = (active ? active : fenetres.last())->widget();
        auto* graphe = qobject_cast<TFG*>(fenetre);
        if (!graphe ? !EnregistrerDiagramme(fenetre, nom) : !graphe->Enregistrer(nom))
            Signaler("Exception dans EnregistrerGraphiqueSous1Click\n" +
                     tr("Le fichier « %1 » n'a pas pu être écrit.").arg(nom).toStdString());
    } catch (...) {
        Signaler("Exception dans EnregistrerGraphiqueSous1Click");
    }
}

} // namespace vasco
