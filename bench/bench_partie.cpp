// Replaying a saved game as vasco-batch --partie and --bilan do: read the
// game file, check the data file's digest, seed, load from the bytes and
// replay sixty years (240 quarterly periods) with its measures, on the
// sample fishery golfe.vsc and on the large generated one.
#include "batch/Csv.h"
#include "dataset/UPartie.h"
#include "dataset/Ubd.h"
#include "model/Ulecteur.h"
#include "model/USha256.h"
#include "model/Umessages.h"
#include "tests/support/PecherieGeneree.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vasco;

constexpr int Periodes = 240;

// A game on the data file's bytes: random recruitment and growth, and a
// measure a year on the first métier.
std::string TexteDePartie(const std::string& donnees, const std::string& metier)
{
    std::string texte = "# Partie Vasco\ndonnees;pecherie.vsc;" + Sha256Hex(donnees) +
                        "\ngraine;12345\noptions;1;1;1\nperiodes;" + std::to_string(Periodes) +
                        "\n";
    for (int p = 0; p < Periodes; p += 4)
        texte += std::to_string(p) + ";metier;" + metier + ";jours;" +
                 std::to_string(20 + p % 40) + "\n";
    return texte;
}

void Rejeu(benchmark::State& state, const std::string& donnees)
{
    InstallerRecepteur([](const std::string&) {});
    std::string metier;
    {
        TBDVasco bd;
        TLecteur lecteur(donnees);
        bd.Charger(lecteur);
        metier = bd.Metiers.A<TELaNom>(0).Nom;
    }
    const std::string texte = TexteDePartie(donnees, metier);
    for (auto _ : state) {
        const TPartie partie = LirePartie(texte);
        if (Sha256Hex(donnees) != partie.Empreinte)
            state.SkipWithError("empreinte");
        THoteSansFenetre hote;
        AmorcerPartie(partie, hote);
        TBDVasco bd(&hote);
        TLecteur lecteur(donnees);
        bd.Charger(lecteur);
        Rejouer(partie, partie.Mesures(bd), partie.Periodes, bd);
        benchmark::DoNotOptimize(bd.NbPeriodes());
    }
    InstallerRecepteur({});
}

void BM_RejeuGolfe(benchmark::State& state)
{
    Rejeu(state, LireTexte(std::string(VASCO_DONNEES) + "/golfe.vsc").value());
}

void BM_RejeuGeneree(benchmark::State& state)
{
    Rejeu(state, test::TextePecherieGeneree());
}

} // namespace

BENCHMARK(BM_RejeuGolfe)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_RejeuGeneree)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
