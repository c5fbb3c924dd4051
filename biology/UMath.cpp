#include "biology/UMath.h"

#include <cfloat>
#include <chrono>
#include <cmath>
#include <numbers>

namespace vasco {

namespace {

// The generator's whole state.  It is seeded once: reseeding before each draw
// would hand the same value to every draw made within one millisecond.  Each
// thread has its own: a run owns the thread it runs on, so that runs made
// side by side (vasco-batch --tirages) draw exactly what they would draw
// alone.
struct TGenerateur {
    uint32_t graine = 0;
    bool amorce = false;
};

TGenerateur& Generateur()
{
    thread_local TGenerateur generateur;
    return generateur;
}

// Milliseconds since midnight, UTC: the historical seed of the generator.
uint32_t MillisecondesDuJour()
{
    using namespace std::chrono;
    const auto maintenant = system_clock::now().time_since_epoch();
    const auto jour = duration_cast<milliseconds>(maintenant) % days(1);
    return static_cast<uint32_t>(jour.count());
}

} // namespace

void FixerGraine(uint32_t graine)
{
    Generateur() = {graine, true};
}

void GraineDepuisHorloge()
{
    FixerGraine(MillisecondesDuJour());
}

uint32_t Graine()
{
    TGenerateur& g = Generateur();
    if (!g.amorce)
        GraineDepuisHorloge();
    return g.graine;
}

// seed := seed * 134775813 + 1 (mod 2^32); the draw is seed / 2^32, in [0, 1).
// A program that never seeded draws from the clock.
long double TirageUniforme()
{
    TGenerateur& g = Generateur();
    if (!g.amorce)
        GraineDepuisHorloge();
    g.graine = g.graine * 134775813u + 1u;
    return std::ldexp(static_cast<long double>(g.graine), -32);
}

// Box-Muller.  A first uniform of exactly 0 would take the logarithm of 0: it
// is drawn again.  The third uniform picks the cosine or the sine half.
long double TirageGaussien()
{
    long double u1 = TirageUniforme();
    while (u1 == 0)
        u1 = TirageUniforme();
    const long double u2 = TirageUniforme();
    const long double u3 = TirageUniforme();
    const long double r = std::sqrt(std::fabs(2 * std::log(u1)));
    const long double theta = 2 * std::numbers::pi_v<long double> * u2;
    return u3 > 0.5L ? r * std::cos(theta) : r * std::sin(theta);
}

// Beyond +/-87 a 32-bit float would over- or underflow; above, the flag tells
// the caller that the value 0 stands for an overflow.
long double ExpBorne(float x, bool& depassement)
{
    depassement = false;
    if (std::isnan(x) || x < -87.0f)
        return 0;
    if (x > 87.0f) {
        depassement = true;
        return 0;
    }
    return std::exp(static_cast<long double>(x));
}

long double ExpBorne(float x)
{
    bool depassement;
    return ExpBorne(x, depassement);
}

long double Puissance(float base, float exposant)
{
    if (base == 0)
        return 0;
    if (exposant == 0)
        return 1;
    if (exposant == 1)
        return base;
    return std::pow(static_cast<long double>(base), static_cast<long double>(exposant));
}

} // namespace vasco
