#include "biology/UMath.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace vasco {
namespace {

// Values worked out by hand from seed := seed * 134775813 + 1 (mod 2^32).
TEST(Tirage, SuiteUniformeEtGaussienneDepuisUneGraineFixe)
{
    FixerGraine(12345);
    EXPECT_EQ(TirageUniforme(), 1655067934.0L / 4294967296.0L);
    EXPECT_EQ(Graine(), 1655067934u);
    EXPECT_EQ(TirageUniforme(), 1242767767.0L / 4294967296.0L);

    // u1 = 0.38535..., u2 = 0.28935..., u3 = 0.07973 <= 0.5: the sine.
    FixerGraine(12345);
    EXPECT_NEAR(static_cast<double>(TirageGaussien()), 1.339010451846612, 1e-12);
    EXPECT_EQ(Graine(), 342459380u);

    // Two draws in a row, within the same millisecond, differ: the generator
    // goes on from where it was.
    FixerGraine(1);
    EXPECT_NE(TirageGaussien(), TirageGaussien());
    GraineDepuisHorloge();
    const uint32_t graine = Graine();
    TirageGaussien();
    EXPECT_NE(Graine(), graine);
}

TEST(Tirage, CasLimitesDeLaGaussienne)
{
    // 649090867 * 134775813 + 1 = 0 (mod 2^32): u1 would be 0 and ln 0
    // undefined.  The next uniforms (1, 134775814, 3698175007) serve instead;
    // u3 > 0.5 takes the cosine.
    FixerGraine(649090867);
    EXPECT_NEAR(static_cast<double>(TirageGaussien()), 6.531395421334334, 1e-12);
    EXPECT_EQ(Graine(), 3698175007u);

    // The third uniform of this seed is exactly 2^31 / 2^32: the sine.
    FixerGraine(1383298613);
    EXPECT_NEAR(static_cast<double>(TirageGaussien()), -0.963575423548772, 1e-12);
    EXPECT_EQ(Graine(), 2147483648u);
}

// Within [-87, 87] the exponential; 0 outside, with the flag raised only
// for an overflow.
TEST(ExpBorne, BornesEtDrapeau)
{
    const struct {
        float x;
        long double valeur;
        bool depassement;
    } cas[] = {{-87.0f, std::exp(-87.0L), false},
               {87.0f, std::exp(87.0L), false},
               {87.5f, 0, true},
               {-90.0f, 0, false},
               {NAN, 0, false},
               {INFINITY, 0, true}};
    for (const auto& k : cas) {
        SCOPED_TRACE(k.x);
        bool depassement = !k.depassement;
        EXPECT_EQ(ExpBorne(k.x, depassement), k.valeur);
        EXPECT_EQ(depassement, k.depassement);
    }
    EXPECT_EQ(ExpBorne(0.0f), 1);
}

// Within the float range the plain conversion (rounding to the nearest);
// beyond it the largest float of the sign, never an infinity.
TEST(Flottant, ConversionTenueAuxBornes)
{
    const long double max = FLT_MAX;
    const struct {
        long double valeur;
        float attendu;
    } cas[] = {{0.1L, 0.1f},          {-2.5L, -2.5f},       {max, FLT_MAX},      {-max, -FLT_MAX},
               {max * 1.5L, FLT_MAX}, {-1e4000L, -FLT_MAX}, {INFINITY, FLT_MAX}, {1e-50L, 0.0f}};
    for (const auto& k : cas) {
        SCOPED_TRACE(static_cast<double>(k.valeur));
        EXPECT_EQ(Flottant(k.valeur), k.attendu);
    }
    EXPECT_TRUE(std::isnan(Flottant(NAN)));
}

TEST(Puissance, CasReglesAvantLeCalcul)
{
    EXPECT_EQ(Puissance(0, 0), 0);
    EXPECT_EQ(Puissance(2.5f, 0), 1);
    EXPECT_EQ(Puissance(2.5f, 1), 2.5L);
    EXPECT_EQ(Puissance(4, 0.5f), 2);
    EXPECT_NEAR(static_cast<double>(Puissance(2, -1.5f)), 0.353553390593274, 1e-15);
}

} // namespace
} // namespace vasco
