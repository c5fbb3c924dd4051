#include "shell/MereDialogues.h"

#include "shell/Mere.h"

namespace vasco {

void TFenetreMere::CreerDialogues() {}
void TFenetreMere::ModificationdesconditionsMetierClick() {}
void TFenetreMere::ModificationdesConditionsEspeceClick() {}
void TFenetreMere::BilanConcours() {}
void TFenetreMere::ConcoursClick() {}
void TFenetreMere::AffichageNumeroPeriodeClick() { FermerGraphes(); }
void TFenetreMere::QuitterClick()
{
    if (!EnCours)
        close();
}
void TFenetreMere::AProposdeClick() {}

} // namespace vasco
