#include "model/Uperiode.h"

#include "model/Ubd.h"

namespace vasco {

long double TPeriodeBilan::Calcul(uint8_t code, TContexte* contexte)
{
    const auto valeur = [&](const TBDVasco& bd) -> long double {
        switch (code) {
        case CodeBilanCA: return bd.Divise(CA, 0);
        case CodeBilanBenefice: return bd.Divise(Benefice, 0);
        case CodeBilanPoidsDebarque: return bd.Divise(PoidsDebarque, 1);
        case CodeBilanCAGris: return bd.Divise(CAGris, 0);
        case CodeBilanEffectifs: return bd.Divise(Effectifs, 4);
        case CodeBilanSubventions: return bd.Divise(SubventionsNettes, 0);
        default: return 0;
        }
    };
    return ValeurGraphe("UPeriode/TPeriodeBilan.Calcul", contexte, valeur);
}

void TPeriodeBilan::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

} // namespace vasco
