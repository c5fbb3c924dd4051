// Random draws and guarded maths.
#pragma once

#include <cstdint>

namespace vasco {

// The uniform generator: a 32-bit linear congruential sequence.  It is
// seeded once, from the clock, when the program starts (or by hand, for
// reproducible runs) and never reseeded afterwards.
void FixerGraine(uint32_t graine);
void GraineDepuisHorloge();
uint32_t Graine();
long double TirageUniforme();

// One standard normal draw (Box-Muller).
long double TirageGaussien();

// e^x, with 0 below -87 and 0 with the flag raised above 87.
long double ExpBorne(float x, bool& depassement);
long double ExpBorne(float x);

// base^exposant, with 0 for a zero base, then 1 for a zero exponent and the
// base for an exponent of 1.
long double Puissance(float base, float exposant);

} // namespace vasco
