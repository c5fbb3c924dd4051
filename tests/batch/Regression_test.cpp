// Non-regression of the results, to the last bit: the CSV of vasco-batch on
// golfe.vsc and on the large generated fishery, without and with a scenario
// that changes every measure, and with both random options under a fixed
// seed.  golfe's CSV files are kept whole in tests/data; those of the
// generated fishery, ten times larger, by a 64-bit FNV-1a hash.  Any change
// of one byte fails: the hand-worked checks of the other tests allow a
// relative error, these do not.
#include "batch/Csv.h"
#include "dataset/UPartie.h"
#include "tests/batch/Outils.h"
#include "tests/support/PecherieGeneree.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace vasco::test {
namespace {

constexpr const char* Periodes = "240";
constexpr const char* Graine = "20261209";

// The hashes of the generated fishery's CSV, in the order of LesCas.  Under
// the random options stocks collapse (periods 66, 81, 84 and 107): their
// catches are the whole classes, every value finite.
constexpr uint64_t EmpreintesGeneree[] = {0xef529aa586e1b041, 0x2df56bdc74a91358,
                                          0x581a3fe58ff07a0f};

uint64_t Fnv1a(const std::string& texte)
{
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : texte) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// Equal texts, or the first line that differs.
testing::AssertionResult MemeCsv(const std::string& attendu, const std::string& obtenu)
{
    if (attendu == obtenu)
        return testing::AssertionSuccess();
    std::istringstream a(attendu), o(obtenu);
    std::string la, lo;
    for (int ligne = 1;; ++ligne) {
        const bool finA = !std::getline(a, la);
        const bool finO = !std::getline(o, lo);
        if (finA || finO || la != lo)
            return testing::AssertionFailure()
                   << "ligne " << ligne << "\nattendu : " << (finA ? "(fin)" : la)
                   << "\nobtenu  : " << (finO ? "(fin)" : lo);
    }
}

struct Cas {
    const char* Nom;
    std::vector<std::string> Options;
};

std::vector<Cas> LesCas(const std::string& scenario)
{
    return {
        {"sans scénario", {}},
        {"scénario", {"--scenario", scenario}},
        {"scénario et aléas",
         {"--scenario", scenario, "--graine", Graine, "--recrutement-aleatoire",
          "--croissance-aleatoire"}},
    };
}

std::string Executer(const Cas& cas, const std::string& donnees)
{
    std::vector<std::string> arguments = cas.Options;
    arguments.push_back(donnees);
    arguments.push_back(Periodes);
    const Execution e = Lancer(arguments);
    EXPECT_EQ(e.Code, 0);
    EXPECT_EQ(e.Erreurs, "");
    return e.Sortie;
}

TEST(NonRegression, GolfeOctetPourOctet)
{
    const char* fichiers[] = {"regression_golfe.csv", "regression_golfe_scenario.csv",
                              "regression_golfe_aleatoire.csv"};
    const auto cas = LesCas(FichierTest("regression_golfe.scenario"));
    for (size_t i = 0; i < cas.size(); ++i) {
        SCOPED_TRACE(cas[i].Nom);
        const auto attendu = LireTexte(FichierTest(fichiers[i]));
        ASSERT_TRUE(attendu.has_value()) << fichiers[i];
        EXPECT_TRUE(MemeCsv(*attendu, Executer(cas[i], FichierDonnees("golfe.vsc"))));
    }
}

TEST(NonRegression, PecherieGenereeParEmpreinte)
{
    const std::string donnees = FichierTemporaire("generee.vsc", TextePecherieGeneree());
    const auto cas = LesCas(FichierTest("regression_generee.scenario"));
    for (size_t i = 0; i < cas.size(); ++i) {
        SCOPED_TRACE(cas[i].Nom);
        const std::string csv = Executer(cas[i], donnees);
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 241);
        EXPECT_EQ(csv.find("nan"), std::string::npos);
        EXPECT_EQ(csv.find("inf"), std::string::npos);
        EXPECT_EQ(Fnv1a(csv), EmpreintesGeneree[i]) << std::hex << "0x" << Fnv1a(csv);
    }
}

// Steps back, each followed by the same steps again, give the CSV of the
// straight run: a step back leaves nothing behind that the next step reads.
std::string AvecRetours(TBDVasco& bd, const std::string& fichierScenario)
{
    const TScenario scenario = LireScenario(LireTexte(fichierScenario).value(), bd);
    const std::vector<std::pair<int, int>> retours = {{1, 1}, {9, 3}, {31, 5}, {120, 2}, {240, 4}};
    auto retour = retours.begin();
    for (int p = 1; p <= 240; ++p) {
        scenario.Appliquer(p - 1, bd);
        bd.Pas();
        if (retour == retours.end() || retour->first != p)
            continue;
        for (int k = 0; k < retour->second; ++k)
            bd.PasEnArriere();
        for (int q = p - retour->second + 1; q <= p; ++q) {
            scenario.Appliquer(q - 1, bd);
            bd.Pas();
        }
        ++retour;
    }
    std::string csv = EnTeteCsv(bd);
    for (int p = 1; p <= bd.NbPeriodes(); ++p)
        csv += LigneCsv(bd, p);
    return csv;
}

TEST(NonRegression, PasEnArriereEtMemesPas)
{
    Messages messages;
    {
        TBDVasco bd;
        bd.Charger(FichierDonnees("golfe.vsc"));
        const std::string csv = AvecRetours(bd, FichierTest("regression_golfe.scenario"));
        EXPECT_TRUE(MemeCsv(LireTexte(FichierTest("regression_golfe_scenario.csv")).value(), csv));
    }
    {
        TBDVasco bd;
        ChargerTexte(bd, TextePecherieGeneree());
        const std::string csv = AvecRetours(bd, FichierTest("regression_generee.scenario"));
        EXPECT_EQ(Fnv1a(csv), EmpreintesGeneree[1]) << std::hex << "0x" << Fnv1a(csv);
    }
    EXPECT_EQ(messages.Textes().size(), 0u);
}

} // namespace
} // namespace vasco::test
