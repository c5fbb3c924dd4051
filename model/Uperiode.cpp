#include "model/Uperiode.h"

#include "model/Ubd.h"

namespace vasco {

long double TPeriodeBilan::Calcul(uint8_t code, TContexte* contexte)
{
    long double valeur = 0;
    Garder("UPeriode/TPeriodeBilan.Calcul", [&] {
        if (!contexte)
            throw ErreurModele("contexte absent");
        const TBDVasco& bd = contexte->En<TBDVasco>(0);
        switch (code) {
        case CodeBilanCA: valeur = bd.Divise(CA, 0); break;
        case CodeBilanBenefice: valeur = bd.Divise(Benefice, 0); break;
        case CodeBilanPoidsDebarque: valeur = bd.Divise(PoidsDebarque, 1); break;
        case CodeBilanCAGris: valeur = bd.Divise(CAGris, 0); break;
        case CodeBilanEffectifs: valeur = bd.Divise(Effectifs, 4); break;
        case CodeBilanSubventions: valeur = bd.Divise(SubventionsNettes, 0); break;
        default: break;
        }
    });
    return valeur;
}

void TPeriodeBilan::Inscrire(TContexte& contexte)
{
    contexte.Fixer(1, this);
}

} // namespace vasco
