#include "model/UAxe.h"

#include "model/Umessages.h"

#include <algorithm>
#include <cmath>

namespace vasco {

long double MaximumArrondi(float a, float b, float& pas)
{
    // Compared in extended precision after the conversion from single: 0.05
    // as a single lies just above 0.05 and gets the next row.
    const long double A = a, B = b;
    pas = 1;
    if (A == B)
        return 1;
    const long double m = std::max(A, B);
    if (m == 1)
        return 1;
    if (!(m > 0) || !std::isfinite(m))
        throw ErreurModele("maximum d'axe indéfini");
    long double p;
    if (m > 1) {
        p = 10;
        while (p < m)
            p *= 10;
    } else {
        p = 0.1L;
        while (p > m)
            p /= 10;
        p *= 10;
    }
    const long double r = m / p * 10;
    pas = static_cast<float>(p / 10);
    static constexpr long double Lignes[][2] = {{1.2L, 0.12L}, {1.5L, 0.15L}, {1.8L, 0.18L},
                                                {2, 0.2L},     {3, 0.3L},     {4, 0.4L},
                                                {5, 0.5L},     {6, 0.6L},     {8, 0.8L}};
    for (const auto& ligne : Lignes)
        if (r <= ligne[0])
            return ligne[1] * p;
    pas = static_cast<float>(p);
    return p;
}

} // namespace vasco
