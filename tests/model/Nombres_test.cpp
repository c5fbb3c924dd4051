// Numbers as a person types them, read the same for the condition dialogs
// and the scenario lines.
#include "model/UNombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vasco::test {
namespace {

TEST(Nombres, ReelsLus)
{
    const std::pair<std::string, long double> lus[] = {
        {"12.5", 12.5L},   {"  12.5", 12.5L}, {"\t+3", 3},         {"-1e3", -1000},
        {"12,5", 12.5L},   {",5", 0.5L},      {"1,5e3", 1500},     {"1.", 1},
        {"2.5E-1", 0.25L}, {"0.1", 0.1L},     {"1e-400", 1e-400L},
    };
    for (const auto& [texte, valeur] : lus)
        EXPECT_EQ(LireReel(texte), valeur) << texte;
}

TEST(Nombres, ReelsRefuses)
{
    for (const char* refuse :
         {"",    "  ",  "+",    "-",   "abc",  "12 ",      "1 000", "1,5,3", "1,5.3", "++1",
          "+-1", "nan", "-nan", "inf", "-inf", "infinity", "0x10",  "1e",    "5x",    "12;5"})
        EXPECT_FALSE(LireReel(refuse)) << refuse;
}

// Beyond the reals: infinite when too large, so that every range check
// refuses it, a zero of its sign when too small.  Counted on the digits as
// written, however long the mantissa or the exponent.
TEST(Nombres, ReelsHorsDesReels)
{
    const std::string zeros(6000, '0');
    const std::pair<std::string, long double> lus[] = {
        {"1e5000", HUGE_VALL},
        {"-1e5000", -HUGE_VALL},
        {"1" + zeros, HUGE_VALL},
        {"1" + zeros + "e-500", HUGE_VALL},
        {"1e99999999999999999999999", HUGE_VALL},
        {"1e-5000", 0},
        {"-1,5e-5000", -0.0L},
        {"0." + zeros + "1", 0},
        {"0." + zeros + "1e500", 0},
        {"1e-99999999999999999999999", 0},
    };
    for (const auto& [texte, valeur] : lus) {
        const auto v = LireReel(texte);
        ASSERT_TRUE(v) << texte.substr(0, 40);
        EXPECT_EQ(*v, valeur) << texte.substr(0, 40);
        EXPECT_EQ(std::signbit(*v), std::signbit(valeur)) << texte.substr(0, 40);
    }
}

TEST(Nombres, Entiers)
{
    const std::pair<const char*, int64_t> lus[] = {
        {" 27", 27},
        {"+27", 27},
        {"-27", -27},
        {"99999999999999999999", INT64_MAX},
        {"-99999999999999999999", INT64_MIN},
    };
    for (const auto& [texte, valeur] : lus)
        EXPECT_EQ(LireEntier(texte), valeur) << texte;
    for (const char* refuse : {"", "+", "27.5", "27,5", "2e3", "27 ", "--1", "+-1", "douze"})
        EXPECT_FALSE(LireEntier(refuse)) << refuse;
}

} // namespace
} // namespace vasco::test
