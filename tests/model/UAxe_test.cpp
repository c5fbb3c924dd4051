#include "model/UAxe.h"
#include "model/Umessages.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vasco {
namespace {

struct CasAxe {
    float a, b;
    long double haut;
    float pas;
};

TEST(MaximumArrondi, ExemplesDeLAxe)
{
    const CasAxe cas[] = {
        {7, 0, 8, 1},
        {450, 0, 500, 100},
        {950, 0, 1000, 1000},
        {0.045f, 0, 0.05L, 0.01f},
        {0.05f, 0, 0.06L, 0.01f},
        {3, 3, 1, 1},
        {1, 0, 1, 1},
        {13, 0, 15, 10},
        {10, 0, 10, 10},
        // A single just above a decimal takes the next row.
        {0.2f, 0, 0.3L, 0.1f},
        {0.25f, 0, 0.3L, 0.1f},
        {1.1f, 0, 1.2L, 1},
        {121, 0, 150, 100},
        {15000, 0, 15000, 10000},
    };
    for (const CasAxe& c : cas) {
        float pas = 0;
        const long double haut = MaximumArrondi(c.a, c.b, pas);
        EXPECT_NEAR(double(haut), double(c.haut), 1e-9 * double(c.haut)) << c.a << " " << c.b;
        EXPECT_FLOAT_EQ(pas, c.pas) << c.a;
    }
    float pas = 0;
    EXPECT_THROW(MaximumArrondi(-1, -2, pas), ErreurModele);
    EXPECT_THROW(MaximumArrondi(INFINITY, 0, pas), ErreurModele);
}

} // namespace
} // namespace vasco
