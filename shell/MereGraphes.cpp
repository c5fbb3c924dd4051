#include "shell/MereGraphes.h"

#include "dataset/Ubd.h"
#include "graphs/UFamilles.h"
#include "model/UContextes.h"
#include "model/Uperiode.h"
#include "shell/Mere.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>
#include <memory>

namespace vasco {

namespace {

// A global result: a graph of the period balances.
struct TCommandeGlobale {
    const char* Nom;
    const char* Libelle;
    bool Eco; // stacked bars of two codes, else one series
    uint8_t Code, Code2;
    int Echelle;
    bool Symetrique; // the range is -max/10 .. max/10
    const char* Titre;
    uint8_t Couleur;
    int Aide;
};

constexpr TCommandeGlobale Globales[] = {
    {"GlobalCAEtBenefices", "CA et bénéfices", true, CodeBilanCA, CodeBilanBenefice, 0, false,
     "CA et Coûts flottille", 0, 127},
    {"GlobalQuantites", "Quantités", false, CodeBilanPoidsDebarque, 0, 1, false,
     "Quantités débarquées flottille", 0, 129},
    {"GlobalEffectifs", "Effectifs embarqués", false, CodeBilanEffectifs, 0, 4, false,
     "Effectifs embarqués flottille", 0, 128},
    {"GlobalTaxes", "Taxes et subventions ", false, CodeBilanSubventions, 0, 0, true,
     "Subventions / taxes flottille", 2, 130},
};

// A result per element: every métier or species opens its own graph.
struct TCommandeElement {
    const char* Nom;
    const char* Libelle;
    uint8_t Code;
    int Aide;
};

constexpr TCommandeElement ParMetier[] = {
    {"MetierCAEtBenefices", "CA et bénéfices d'exploitation", 60, 138},
    {"MetierQuantites", "Quantités", 62, 147},
    {"MetierCAGris", "CA Gris", 69, 139},
    {"MetierCANavire", "CA et bénéfices / navire", 90, 137},
    {"MetierQuantitesNavire", "Quantités / navire", 92, 146},
    {"MetierCAGrisNavire", "CA gris / navire", 93, 140},
    {"MetierEffort", "Effort de pêche", 63, 141},
    {"MetierNavires", "Nombre de navires", 64, 145},
    {"MetierJoursMer", "Nb de jours de mer", 65, 144},
};

constexpr TCommandeElement EspecesParMetier[] = {
    {"MetierCapturesNombres", "Captures et rejets (nombres)", 73, 142},
    {"MetierCapturesPoids", "Captures et rejets (poids)", 71, 142},
    {"MetierValeurs", "Valeurs", 72, 143},
};

constexpr TCommandeElement ParEspece[] = {
    {"EspeceBiomasses", "Biomasses", 81, 132},
    {"EspeceComposition", "Composition en tailles (population et  captures)", 83, 135},
    {"EspeceBiomasseTaille", "Biomasse et captures (poids) par taille", 86, 131},
    {"EspeceCapturesTaille", "Captures (composition en tailles)", 85, 133},
    {"EspecePoidsTaille", "Captures (poids par taille)", 88, 134},
    {"EspeceF", "F selon la taille", 89, 136},
};

void OuvrirGlobal(TFenetreMere& mere, const TCommandeGlobale& c)
{
    TBDVasco* bd = mere.Donnees();
    if (!bd)
        return;
    const float echelle = bd->EchelleMax[c.Echelle];
    TParamGraphe p;
    p.Magneto = mere.Magneto();
    p.Code = c.Code;
    p.Code2 = c.Code2;
    p.YMin = c.Symetrique ? -echelle / 10 : 0;
    p.YMax = c.Symetrique ? echelle / 10 : echelle;
    // The last thirty periods up to the step control's position.
    p.XMin = 0;
    p.XMax = 29;
    p.NbSeries = 1;
    p.Serie = 1;
    p.Titre = c.Titre;
    p.TitreX = bd->Titre;
    p.TitreY = bd->EchelleUnite[c.Echelle];
    p.CouleurFond = {255, 255, 255};
    p.CouleurTexte = {0, 0, 0};
    p.LectureClic = true;
    p.Couleur = c.Couleur;
    p.Type = TTypeGraphe::Histo3D;
    p.Marque = '+';
    p.AffPeriode = mere.AffichageNumeroPeriode();
    const bool ouvert = c.Eco ? bd->Bilans.AfficheEco(&mere, &bd->Contexte, p)
                              : bd->Bilans.AfficheGraph(&mere, &bd->Contexte, p);
    if (ouvert)
        mere.ContexteAideDernier(c.Aide);
}

void OuvrirParElement(TFenetreMere& mere, TSupListe TBDVasco::*liste, const TCommandeElement& c)
{
    TBDVasco* bd = mere.Donnees();
    if (!bd)
        return;
    QMdiArea* zone = mere.Zone();
    const auto avant = zone->subWindowList(QMdiArea::CreationOrder);
    (bd->*liste).FaireDans(&mere, c.Code, &bd->Contexte);
    const auto apres = zone->subWindowList(QMdiArea::CreationOrder);
    if (std::all_of(apres.begin(), apres.end(),
                    [&](QMdiSubWindow* f) { return avant.contains(f); }))
        return;
    // Each element gave its own window the help context of its graph; the
    // command's context goes to the last window it opened.
    mere.ContexteAideDernier(c.Aide);
    for (QMdiSubWindow* f : zone->subWindowList())
        if (f->isMaximized())
            f->showNormal();
    zone->tileSubWindows();
}

QString DialogueEnregistrer(QWidget* parent)
{
    QFileDialog dialogue(parent, "Enregistrer graphique sous");
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setDefaultSuffix("BMP");
    const QStringList filtres = {"Fichiers Images (*.BMP *.bmp)", "Images PNG (*.png)",
                                 "Valeurs (*.csv)", "Tout Fichiers  (*.*)"};
    dialogue.setNameFilters(filtres);
    dialogue.selectNameFilter(filtres.first());
    // The format follows the extension; the filter chosen gives the default.
    QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue,
                     [&dialogue, filtres](const QString& filtre) {
                         dialogue.setDefaultSuffix(filtre == filtres[1]   ? "png"
                                                   : filtre == filtres[2] ? "csv"
                                                                          : "BMP");
                     });
    // The folder must exist: a name in a missing folder is refused and the
    // dialog shown again, as the existing file is confirmed before it is
    // replaced.
    while (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()) {
        const QString nom = dialogue.selectedFiles().first();
        const QFileInfo fichier(nom);
        if (fichier.absoluteDir().exists())
            return nom;
        Signaler("Le dossier « " + QDir::toNativeSeparators(fichier.absolutePath()).toStdString() +
                 " » n'existe pas.\nChoisissez un dossier existant.");
    }
    return {};
}

template <class Commande, class Ouvrir>
void AjouterCommandes(QMenu* menu, const Commande& commandes, Ouvrir ouvrir)
{
    for (const auto& c : commandes) {
        QAction* action = menu->addAction(c.Libelle);
        action->setObjectName(c.Nom);
        action->setProperty(ProprieteAide, c.Aide);
        QObject::connect(action, &QAction::triggered, menu, [&c, ouvrir] { ouvrir(c); });
    }
}

} // namespace

void TFenetreMere::OuvrirGraphe(const TParamGraphe& param)
{
    if (!param.Liste)
        throw ErreurModele("graphique sans liste");
    std::unique_ptr<TFG> graphe = CreerGraphe(param.Famille);
    TFG* g = graphe.get();
    QMdiSubWindow* fenetre = Zone()->addSubWindow(graphe.release());
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->setProperty(ProprieteAide, g->ContexteAideFamille());
    fenetre->showMaximized();
    g->Transferer(param);
    fenetre->setWindowTitle(g->windowTitle());
}

void TFenetreMere::ConstruireMenuVisualisations(QMenu* menu)
{
    QMenu* globaux = menu->addMenu("Résultats &globaux");
    globaux->setObjectName("ResultatsGlobaux");
    AjouterCommandes(globaux, Globales,
                     [this](const TCommandeGlobale& c) { OuvrirGlobal(*this, c); });

    const auto parElement = [this](TSupListe TBDVasco::*liste) {
        return [this, liste](const TCommandeElement& c) { OuvrirParElement(*this, liste, c); };
    };
    QMenu* metiers = menu->addMenu("Résultats par &métier");
    metiers->setObjectName("ResultatsMetier");
    AjouterCommandes(metiers, ParMetier, parElement(&TBDVasco::Metiers));
    QMenu* especesMetier = metiers->addMenu("Espèces");
    especesMetier->setObjectName("ResultatsMetierEspeces");
    AjouterCommandes(especesMetier, EspecesParMetier, parElement(&TBDVasco::Metiers));

    QMenu* especes = menu->addMenu("Résultats par &espèce");
    especes->setObjectName("ResultatsEspece");
    AjouterCommandes(especes, ParEspece, parElement(&TBDVasco::Especes));
}

void TFenetreMere::OuvrirCAEtBenefices()
{
    OuvrirGlobal(*this, Globales[0]);
}

void TFenetreMere::RedessinerGraphes()
{
    for (QMdiSubWindow* fenetre : Zone()->subWindowList())
        if (auto* graphe = qobject_cast<TFG*>(fenetre->widget()))
            graphe->Recomposer();
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
            Signaler("Aucune Fenêtre Graphique Ouverte");
            return;
        }
        QMdiSubWindow* active = Zone()->activeSubWindow();
        auto* graphe = qobject_cast<TFG*>((active ? active : fenetres.last())->widget());
        if (graphe && !graphe->Enregistrer(nom))
            Signaler("Exception dans EnregistrerGraphiqueSous1Click\nLe fichier « " +
                     nom.toStdString() + " » n'a pas pu être écrit.");
    } catch (...) {
        Signaler("Exception dans EnregistrerGraphiqueSous1Click");
    }
}

} // namespace vasco
