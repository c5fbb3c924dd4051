// The sixty-year balance of the contest, computed on period balances made by
// hand, and its texts.
#include "economics/UConcour.h"
#include "dataset/Ubd.h"
#include "model/Uperiode.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace vasco {
namespace {

struct Periode {
    float Effectifs, CA, Benefice, Poids;
};

TBilan60 Bilan(std::initializer_list<Periode> periodes)
{
    TSupListe bilans;
    for (const Periode& p : periodes) {
        auto b = std::make_unique<TPeriodeBilan>();
        b->Effectifs = p.Effectifs;
        b->CA = p.CA;
        b->Benefice = p.Benefice;
        b->PoidsDebarque = p.Poids;
        bilans.AjouterElement(std::move(b), nullptr);
    }
    return CalculBilan60(bilans);
}

// Crew 100, 100, 90 in three profitable periods: 100 + 100 + 90, less 10 for
// each of the 10 jobs lost, over 3 periods.
TEST(Bilan60, MoyennesEtBilanSocial)
{
    const TBilan60 b = Bilan({{100, 1000, 100, 10}, {100, 2000, 200, 20}, {90, 3000, 300, 30}});
    EXPECT_NEAR(b.Production, 20, 1e-9);
    EXPECT_NEAR(b.CA, 2000, 1e-9);
    EXPECT_NEAR(b.Benefices, 200, 1e-9);
    EXPECT_NEAR(b.BilanSocial, 190.0L / 3, 1e-9);

    TBDVasco bd;
    bd.EchelleDiviseur[0] = 1000;
    bd.EchelleDiviseur[1] = 2;
    bd.EchelleDiviseur[4] = 1000; // not applied to the social balance
    bd.EchelleUnite = {"k€", "t", "", "", "marins"};
    const TTextesBilan60 t = TextesBilan60(b, bd);
    EXPECT_EQ(t.Production, "     10 t");
    EXPECT_EQ(t.CA, "      2 k€");
    EXPECT_EQ(t.Benefices, "      0 k€");
    EXPECT_EQ(t.BilanSocial, "     63 marins");
}

// A loss-making period counts its crew in proportion to what is left of the
// turnover after the loss; the first period counts its whole crew; crews
// that grow earn nothing more.  No turnover and no profit (or a loss): the
// period employs nobody usefully and its term is 0 instead of a division by
// zero.
TEST(Bilan60, PeriodesDeficitaires)
{
    EXPECT_NEAR(Bilan({{100, 1000, 50, 0}, {100, 1000, -200, 0}}).BilanSocial, (100 + 80) / 2.0L,
                1e-9);
    const TBilan60 b = Bilan({
        {100, 1000, -900, 0}, // the first period is never reduced
        {120, 1000, -500, 0}, // 60, no credit for the 20 new jobs
        {100, 500, 0, 0},     // 100 x 500 / 500, less 10 x 20
    });
    EXPECT_NEAR(b.BilanSocial, (100 + 60 + 100 - 200) / 3.0L, 1e-9);
    EXPECT_NEAR(b.Benefices, -1400 / 3.0L, 1e-9);
    // A profit without turnover (subsidies) counts the whole crew.
    EXPECT_NEAR(Bilan({{10, 0, 0, 0}, {10, 0, 5, 0}}).BilanSocial, 10, 1e-9);

    const TBilan60 sansCA = Bilan({{40, 0, -10, 0}, {40, 0, 0, 0}, {40, 0, -50, 0}});
    EXPECT_NEAR(sansCA.BilanSocial, 40 / 3.0L, 1e-9);
    EXPECT_EQ(Entier7(sansCA.BilanSocial), "     13");

    const TBilan60 rien = Bilan({});
    EXPECT_EQ(rien.Production, 0);
    EXPECT_EQ(rien.CA, 0);
    EXPECT_EQ(rien.Benefices, 0);
    EXPECT_EQ(rien.BilanSocial, 0);
}

TEST(Bilan60, Entier7)
{
    EXPECT_EQ(Entier7(63.33L), "     63");
    EXPECT_EQ(Entier7(0), "      0");
    EXPECT_EQ(Entier7(-1234.6L), "  -1235");
    EXPECT_EQ(Entier7(1234567), "1234567");
    EXPECT_EQ(Entier7(123456789), "123456789");
}

} // namespace
} // namespace vasco
