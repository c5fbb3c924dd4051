// Random draws and guarded maths.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace vasco {

// The uniform generator: a 32-bit linear congruential sequence, one per
// thread.  It is seeded from the clock at each load (or by hand, for
// reproducible runs and replayed games).  Graine() is its whole state: set
// again with FixerGraine, the draws go on as they would have.
void FixerGraine(uint32_t graine);
void GraineDepuisHorloge();
uint32_t Graine();
long double TirageUniforme();

// One standard normal draw (Box-Muller).
long double TirageGaussien();

// e^x, with 0 below -87 and 0 with the flag raised above 87.
long double ExpBorne(float x, bool& depassement);
long double ExpBorne(float x);

// A value worked out in extended precision, to be stored in a 32-bit field.
// Beyond the float range it is held at the largest float of its sign: an
// infinity stored there would turn the next sums and ratios into NaN (a
// collapsed stock, 1e38 vessels, a price and a weight near the float
// limits).  Within the range it is the plain conversion; NaN stays NaN.
// Inline: it stands in the innermost loops of the period step, where a call
// (the 80-bit argument passed through memory) would cost more than the work.
// The value is rounded first: whatever lies beyond the largest float rounds
// either to it or to an infinity (IEEE rounding to nearest), and only an
// infinity is then worth a second look.
inline float Flottant(long double valeur)
{
    const float f = static_cast<float>(valeur);
    if (std::isinf(f)) [[unlikely]]
        return f > 0 ? FLT_MAX : -FLT_MAX;
    return f;
}

// base^exposant, with 0 for a zero base, then 1 for a zero exponent and the
// base for an exponent of 1.
long double Puissance(float base, float exposant);

} // namespace vasco
