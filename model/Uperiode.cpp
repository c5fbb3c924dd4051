#include "model/Uperiode.h"

#include "model/UVue.h"

namespace vasco {

long double TPeriodeBilan::Calcul(uint8_t code, TContexte* contexte)
{
    const auto valeur = [&](const TBD& bd) -> long double {
        switch (code) {
        case CodeBilanCA: return bd.Divise(CA, EchelleMonnaie);
        case CodeBilanBenefice: return bd.Divise(Benefice, EchelleMonnaie);
        case CodeBilanPoidsDebarque: return bd.Divise(PoidsDebarque, EchellePoids);
        case CodeBilanCAGris: return bd.Divise(CAGris, EchelleMonnaie);
        case CodeBilanEffectifs: return bd.Divise(Effectifs, EchelleEquipages);
        case CodeBilanSubventions: return bd.Divise(SubventionsNettes, EchelleMonnaie);
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
