// The sixty-year balance of the contest: averages per period of production,
// turnover, profit and a social balance that rewards employment.
#pragma once

#include <string>

namespace vasco {

class TBD;
class TSupListe;

struct TBilan60 {
    long double Production = 0; // landed weight
    long double CA = 0;
    long double Benefices = 0;
    long double BilanSocial = 0; // crew-periods, less 10 per job lost
};

// Averages over the period balances (zeros when there is none).
TBilan60 CalculBilan60(const TSupListe& bilans);

// The four texts of the balance form: a value rounded to a whole number,
// right-aligned in at least seven characters, a blank and the unit label.
struct TTextesBilan60 {
    std::string Production, CA, Benefices, BilanSocial;
};
TTextesBilan60 TextesBilan60(const TBilan60& bilan, const TBD& bd);

// The value as shown by the form, e.g. "     63".
std::string Entier7(long double valeur);

} // namespace vasco
