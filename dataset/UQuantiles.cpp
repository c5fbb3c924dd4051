#include "dataset/UQuantiles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vasco {

namespace {

// A value in the order of the quantiles: the numbers in increasing order,
// then what is not a number; ties by position.
template <class T>
struct TCle {
    T Valeur;
    bool Nombre;
    uint32_t Position;
    bool operator<(const TCle& b) const
    {
        if (Nombre != b.Nombre)
            return Nombre;
        if (Nombre && Valeur != b.Valeur)
            return Valeur < b.Valeur;
        return Position < b.Position;
    }
};

template <class T>
std::array<T, 3> QuantilesDe(std::span<T> valeurs)
{
    const int64_t n = static_cast<int64_t>(valeurs.size());
    if (n == 0)
        return {NAN, NAN, NAN};
    std::vector<TCle<T>> cles(valeurs.size());
    for (size_t r = 0; r < valeurs.size(); ++r)
        cles[r] = {valeurs[r], !std::isnan(valeurs[r]), static_cast<uint32_t>(r)};
    // The highest rank first: the lower ones then lie before it.
    int64_t rangs[3];
    auto fin = cles.end();
    for (int q = 2; q >= 0; --q) {
        rangs[q] = RangQuantile(n, CentiemesQuantiles[q]) - 1;
        const auto rang = cles.begin() + rangs[q];
        std::nth_element(cles.begin(), rang, fin);
        fin = rang;
    }
    std::array<T, 3> q{};
    for (size_t i = 0; i < 3; ++i) {
        const TCle<T>& cle = cles[static_cast<size_t>(rangs[i])];
        q[i] = cle.Nombre ? cle.Valeur : T(NAN);
    }
    return q;
}

} // namespace

int64_t RangQuantile(int64_t n, int centiemes)
{
    return (centiemes * n + 99) / 100;
}

std::array<double, 3> Quantiles(std::span<double> valeurs)
{
    return QuantilesDe(valeurs);
}

std::array<long double, 3> Quantiles(std::span<long double> valeurs)
{
    return QuantilesDe(valeurs);
}

} // namespace vasco
