#include "shell/MereDialogues.h"

#include "dataset/Ubd.h"
#include "dialogs/UCEspece.h"
#include "dialogs/UConcourForm.h"
#include "economics/UConcour.h"
#include "model/Umessages.h"
#include "shell/Mere.h"
#include "shell/Propos.h"
#include "shell/Quitter.h"
#include "shell/USon.h"

#include <QAction>
#include <QCoreApplication>

namespace vasco {

void TFenetreMere::CreerDialogues()
{
    TPartieDialogues& d = Dialogues();
    d.Propos = new TAPropos(this);
    d.Quitter = new TFQuitter(this);
    d.Espece = new TConditionEspece(this);
    d.Metier = new TConditionMetierSimple(this);
    d.Bilan = new TBilan60ans(this);
    d.Son = new TSon(this);

    const TOuvrirAide aide = [this](int contexte) { OuvrirAide(contexte); };
    d.Espece->Aide = aide;
    d.Metier->Aide = aide;
    d.Montrer = [](QDialog& dialogue) { return dialogue.exec(); };
    d.Jouer = [son = d.Son](const QString& nom, bool attendre) {
        return son->Jouer(nom, attendre);
    };
}

void TFenetreMere::ModificationdesconditionsMetierClick()
{
    if (TBDVasco* bd = Donnees())
        Garder("UCMetierSimple/TConditionMetierSimple.Modifier",
               [&] { Dialogues().Metier->Modifier(*bd, Dialogues().Montrer); });
}

void TFenetreMere::ModificationdesConditionsEspeceClick()
{
    if (TBDVasco* bd = Donnees())
        Garder("UCEspece/TConditionEspece.Modifier",
               [&] { Dialogues().Espece->Modifier(*bd, Dialogues().Montrer); });
}

void TFenetreMere::BilanConcours()
{
    TBDVasco* bd = Donnees();
    if (!bd)
        return;
    TPartieDialogues& d = Dialogues();
    bool calcule = false;
    Garder("UConcour/TBilan60ans.Bilan", [&] {
        d.Bilan->Afficher(TextesBilan60(CalculBilan60(bd->Bilans), *bd));
        calcule = true;
    });
    if (!calcule)
        return;
    for (;;) {
        switch (d.Montrer(*d.Bilan)) {
        case TBilan60ans::Recommencer:
            // A new attempt: the same file read again, which also ends a
            // run.  Cancelled at the save question, the balance stays.
            if (!ProposerEnregistrement())
                continue;
            Reutiliser();
            return;
        case TBilan60ans::Visualiser:
            // The game is over: the run stops and the result menus stay open.
            ModifierEnabled(TMode::SuiteConcours);
            ModifierEnabled(TMode::Visualisations);
            return;
        default: return;
        }
    }
}

void TFenetreMere::ConcoursClick()
{
    // Qt has already toggled the check mark.  Checking it starts the
    // contest at once from the start of the data file.
    // Cancelled at the save question, the mark goes back.
    if (Coche("Concours") && Donnees() && (!ProposerEnregistrement() || !Reutiliser()))
        concours_->setChecked(false);
}

void TFenetreMere::AffichageNumeroPeriodeClick()
{
    // Graph windows read the option when they open: close them all, as
    // "Supprimer" does, so that the next ones follow it.
    FermerGraphes();
    ModifierEnabled(TMode::FenetresFermees);
}

void TFenetreMere::QuitterClick()
{
    if (EnCours) {
        Signaler(tr("Impossible de Quitter : \"simulation en cours\"").toStdString());
        return;
    }
    TPartieDialogues& d = Dialogues();
    d.Montrer(*d.Quitter);
    if (!d.Quitter->Confirme || !ProposerEnregistrement())
        return;
    questionPosee_ = true;
    // Out of sight while the farewell plays; the window is closed (graph
    // windows and data set freed) once the sound has ended.  A window closed
    // while hidden does not end the program by itself: it is asked to.
    hide();
    if (Coche("son") && !d.Jouer("Wagner.wav", true)) {
        son_->setChecked(false);
        Signaler(tr("Imposible de lire le fichier son.").toStdString());
    }
    if (close())
        QCoreApplication::quit();
}

void TFenetreMere::AProposdeClick()
{
    TPartieDialogues& d = Dialogues();
    if (Coche("son") && !d.Jouer("harp2.wav", false)) {
        son_->setChecked(false);
        Signaler(tr("Erreur lors de la lecture du fichier son.").toStdString());
    }
    d.Propos->setWindowTitle(tr("A Propos %1").arg(windowTitle()));
    d.Montrer(*d.Propos);
}

} // namespace vasco
