#include "model/UVue.h"

namespace vasco {

TBD& DonneesDe(const TContexte* contexte)
{
    if (!contexte)
        throw ErreurModele("contexte absent");
    TEL* e = contexte->Lire(TBD::Emplacement);
    TBD* bd = e ? e->CommeDonnees() : nullptr;
    if (!bd)
        throw ErreurModele("contexte : emplacement " + std::to_string(TBD::Emplacement));
    return *bd;
}

long double TBD::Divise(long double valeur, int k) const
{
    if (k < 0 || k >= NbEchelles)
        throw ErreurModele("échelle inconnue");
    return Diviser(valeur, EchelleDiviseur[k]);
}

} // namespace vasco
