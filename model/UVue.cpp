#include "model/UVue.h"

namespace vasco {

TBD& DonneesDe(const TContexte* contexte)
{
    if (!contexte)
        throw ErreurModele("contexte absent");
    return contexte->En<TBD>();
}

long double TBD::Divise(long double valeur, int k) const
{
    if (k < 0 || k >= NbEchelles)
        throw ErreurModele("échelle inconnue");
    return Diviser(valeur, EchelleDiviseur[k]);
}

} // namespace vasco
