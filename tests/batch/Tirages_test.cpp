// vasco-batch --tirages: the quantiles of many seeded runs, each run the
// plain run of its seed, whatever the number of threads.
#include "batch/Tirages.h"
#include "tests/batch/Outils.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace vasco::test {
namespace {

const std::string Petit = FichierTest("batch_petit.vsc");
const char* const Suffixes[] = {":q05", ":q50", ":q95"};
const std::vector<std::string> Aleatoire = {"--recrutement-aleatoire", "--croissance-aleatoire"};

Execution Tirages(int n, const std::vector<std::string>& autres)
{
    std::vector<std::string> arguments = {"--tirages", std::to_string(n), "--graine", "77"};
    arguments.insert(arguments.end(), autres.begin(), autres.end());
    return Lancer(arguments);
}

TEST(Tirages, MemeSortieQuelQueSoitLeNombreDeFils)
{
    const auto fils = [](const char* t) {
        std::vector<std::string> arguments = {"--fils", t, Petit, "4"};
        arguments.insert(arguments.begin(), Aleatoire.begin(), Aleatoire.end());
        return Tirages(9, arguments);
    };
    const Execution un = fils("1");
    EXPECT_EQ(un.Code, 0) << un.Erreurs;
    const Execution quatre = fils("4");
    EXPECT_EQ(quatre.Code, 0);
    EXPECT_EQ(quatre.Sortie, un.Sortie);
    EXPECT_EQ(quatre.Erreurs, un.Erreurs);
    EXPECT_EQ(LireCsv(un.Sortie).Lignes.size(), 4u);

    for (const std::string n : {"0", "-2", "x"}) {
        EXPECT_EQ(Lancer({"--tirages", n, Petit, "1"}).Code, 2) << n;
        EXPECT_EQ(Lancer({"--tirages", "2", "--fils", n, Petit, "1"}).Code, 2) << n;
    }
}

// Each quantile is the value of rank ceil(q N) among the individual runs'
// values, written as those runs write it; a run's seed follows G and i.
TEST(Tirages, QuantilesParRangLePlusProche)
{
    const int periodes = 3;
    for (const int n : {1, 3, 20}) {
        SCOPED_TRACE(n);
        std::vector<std::string> arguments = Aleatoire;
        arguments.insert(arguments.end(), {Petit, std::to_string(periodes)});
        const Execution e = Tirages(n, arguments);
        ASSERT_EQ(e.Code, 0) << e.Erreurs;
        const Tableau quantiles = LireCsv(e.Sortie);

        std::vector<Tableau> runs;
        for (int i = 1; i <= n; ++i) {
            std::vector<std::string> seul = {"--graine", std::to_string(GraineTirage(77, i))};
            seul.insert(seul.end(), arguments.begin(), arguments.end());
            runs.push_back(LireCsv(Lancer(seul).Sortie));
        }
        const std::vector<std::string>& colonnes = runs[0].Colonnes;
        ASSERT_EQ(quantiles.Colonnes.size(), 3 * colonnes.size() - 2);
        ASSERT_EQ(quantiles.Lignes.size(), static_cast<size_t>(periodes));
        for (size_t c = 1; c < colonnes.size(); ++c) {
            for (int p = 0; p < periodes; ++p) {
                std::vector<std::string> valeurs;
                for (const Tableau& t : runs)
                    valeurs.push_back(t.Lignes[static_cast<size_t>(p)][c]);
                std::stable_sort(valeurs.begin(), valeurs.end(), [](const auto& a, const auto& b) {
                    return std::strtod(a.c_str(), nullptr) < std::strtod(b.c_str(), nullptr);
                });
                const int rangs[] = {(5 * n + 99) / 100, (50 * n + 99) / 100, (95 * n + 99) / 100};
                for (size_t q = 0; q < 3; ++q) {
                    const size_t k = 3 * (c - 1) + 1 + q;
                    EXPECT_EQ(quantiles.Colonnes[k], colonnes[c] + Suffixes[q]);
                    EXPECT_EQ(quantiles.Lignes[static_cast<size_t>(p)][k],
                              valeurs[static_cast<size_t>(rangs[q] - 1)])
                        << colonnes[c] << " période " << p + 1;
                }
            }
        }
    }
    EXPECT_EQ(RangQuantile(20, 5), 1);
    EXPECT_EQ(RangQuantile(20, 95), 19);
    EXPECT_EQ(RangQuantile(21, 95), 20);
    EXPECT_EQ(RangQuantile(200, 50), 100);
}

// Without random options every run is the plain run: each quantile is its value.
TEST(Tirages, SansAleaLaMedianeEstLaSimulationSimple)
{
    const std::string golfe = FichierDonnees("golfe.vsc");
    const Tableau simple = LireCsv(Lancer({"--graine", "5", golfe, "2"}).Sortie);
    const Tableau quantiles = LireCsv(Tirages(4, {golfe, "2"}).Sortie);
    ASSERT_EQ(quantiles.Lignes.size(), 2u);
    for (size_t p = 0; p < 2; ++p) {
        ASSERT_EQ(quantiles.Lignes[p].size(), 3 * simple.Lignes[p].size() - 2);
        for (size_t k = 1; k < quantiles.Lignes[p].size(); ++k)
            EXPECT_EQ(quantiles.Lignes[p][k], simple.Lignes[p][(k - 1) / 3 + 1]);
    }
}

} // namespace
} // namespace vasco::test
