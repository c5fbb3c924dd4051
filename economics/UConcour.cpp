#include "economics/UConcour.h"

#include "model/UVue.h"
#include "model/Uperiode.h"

#include <cmath>
#include <cstdio>

namespace vasco {

namespace {

// The crew counted for one period: all of it when the period is profitable,
// otherwise in proportion to what is left of the turnover after the loss.  A
// period without turnover and without profit employs nobody usefully.
long double TermeSocial(const TPeriodeBilan& b)
{
    if (b.Benefice > 0)
        return b.Effectifs;
    if (b.CA == 0)
        return 0;
    return static_cast<long double>(b.Effectifs) * (static_cast<long double>(b.CA) + b.Benefice) /
           b.CA;
}

} // namespace

TBilan60 CalculBilan60(const TSupListe& bilans)
{
    TBilan60 r;
    const int n = bilans.Nombre();
    if (n == 0)
        return r;
    for (int i = 0; i < n; ++i) {
        const auto& b = bilans.A<TPeriodeBilan>(i);
        r.Production += b.PoidsDebarque;
        r.CA += b.CA;
        r.Benefices += b.Benefice;
        if (i == 0) {
            r.BilanSocial = b.Effectifs;
            continue;
        }
        r.BilanSocial += TermeSocial(b);
        const long double d =
            static_cast<long double>(b.Effectifs) - bilans.A<TPeriodeBilan>(i - 1).Effectifs;
        if (d < 0)
            r.BilanSocial += 10 * d;
    }
    r.Production /= n;
    r.CA /= n;
    r.Benefices /= n;
    r.BilanSocial /= n;
    return r;
}

std::string Entier7(long double valeur)
{
    char texte[64];
    std::snprintf(texte, sizeof texte, "%7.0Lf", std::round(valeur));
    return texte;
}

TTextesBilan60 TextesBilan60(const TBilan60& bilan, const TBD& bd)
{
    auto texte = [&](long double v, int k) { return Entier7(v) + " " + bd.EchelleUnite.at(k); };
    return {texte(bd.Divise(bilan.Production, EchellePoids), EchellePoids),
            texte(bd.Divise(bilan.CA, EchelleMonnaie), EchelleMonnaie),
            texte(bd.Divise(bilan.Benefices, EchelleMonnaie), EchelleMonnaie),
            texte(bilan.BilanSocial, EchelleEquipages)};
}

} // namespace vasco
