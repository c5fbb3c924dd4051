// The biology's costs: reading a fishery with its virgin stocks (a hundred
// years per species), and the population step over sixty years (240
// quarters), on the sample fishery and on a large generated one.
#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "dataset/Ubd.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace vasco;

constexpr int PeriodesSimulees = 240;

std::filesystem::path Golfe()
{
    return std::filesystem::path(VASCO_DONNEES) / "golfe.vsc";
}

// A species of `classes` one-cm classes from 1 cm, four seasons, with a von
// Bertalanffy growth that stops at the last class, weights a L^3, natural
// mortality 0.05 per quarter and recruits in the spring quarter.
std::string GrandeEspece(int numero, int classes)
{
    std::string t = "Espece " + std::to_string(numero) + "\n--\n0.6\n0\n20\n" +
                    std::to_string(classes / 3) + "\n";
    const double linf = classes * 1.1;
    for (int saison = 0; saison < 4; ++saison) {
        t += saison == 1 ? "1 3\n1e6\n2e6\n1e6\n" : "0 0\n";
        t += "1 " + std::to_string(classes) + " 1\n";
        for (int i = 0; i < classes; ++i) {
            const double l = i + 1;
            const double g = std::min((linf - l) * (1 - std::exp(-0.2 / 4)), classes - 1.0 - i);
            t += std::to_string(g) + " " + std::to_string(1e-5 * l * l * l) + " 0.05\n";
        }
    }
    return t;
}

// Twenty species of 120 classes, four periods per year, no métier.
std::string GrandePecherie()
{
    constexpr int especes = 20;
    std::string t =
        "1\nPêcherie générée pour les mesures\n4\nTrimestres\n" + std::to_string(especes) + "\n";
    for (int e = 0; e < especes; ++e)
        t += GrandeEspece(e, 120);
    t += "--\n0\n--\n";
    for (int k = 0; k < NbEchelles; ++k)
        t += "1000 1\nu\n";
    return t + "1 120\n";
}

void ChargerGolfe(benchmark::State& state)
{
    if (!std::filesystem::exists(Golfe())) {
        state.SkipWithError("data/golfe.vsc absent");
        return;
    }
    for (auto _ : state) {
        TBDVasco bd;
        bd.Charger(Golfe());
        benchmark::DoNotOptimize(bd.Especes.Nombre());
    }
}
BENCHMARK(ChargerGolfe)->Unit(benchmark::kMillisecond);

// The species phases of 240 periods; the métiers are left out, so nothing is
// fished.
void GolfeSansPeche240(benchmark::State& state)
{
    if (!std::filesystem::exists(Golfe())) {
        state.SkipWithError("data/golfe.vsc absent");
        return;
    }
    // The data set of an iteration is freed, and the next one loaded, out of
    // the timing.
    std::unique_ptr<TBDVasco> bd;
    for (auto _ : state) {
        state.PauseTiming();
        bd = std::make_unique<TBDVasco>();
        bd->Charger(Golfe());
        state.ResumeTiming();
        for (int t = 0; t < PeriodesSimulees; ++t) {
            bd->Especes.Faire(PhaseMortalite, &bd->Contexte);
            bd->Especes.Faire(PhaseCaptures, &bd->Contexte);
            bd->Especes.Faire(PhaseOuverture, &bd->Contexte);
        }
        benchmark::DoNotOptimize(bd->Especes.A<TEspece>(0).Courant().Biomasse);
    }
    state.SetItemsProcessed(state.iterations() * PeriodesSimulees);
}
BENCHMARK(GolfeSansPeche240)->Unit(benchmark::kMillisecond);

void ChargerGrandePecherie(benchmark::State& state)
{
    const std::string texte = GrandePecherie();
    for (auto _ : state) {
        TBDVasco bd;
        TLecteur lecteur(texte);
        bd.Charger(lecteur);
        benchmark::DoNotOptimize(bd.Especes.Nombre());
    }
}
BENCHMARK(ChargerGrandePecherie)->Unit(benchmark::kMillisecond);

// 240 whole periods (Pas), with the random options off (0) or both on (1).
void GrandePecherie240(benchmark::State& state)
{
    const std::string texte = GrandePecherie();
    THoteSansFenetre hote;
    FixerGraine(1);
    std::unique_ptr<TBDVasco> bd;
    for (auto _ : state) {
        state.PauseTiming();
        hote.Recrutement = hote.Croissance = false;
        bd = std::make_unique<TBDVasco>(&hote);
        TLecteur lecteur(texte);
        bd->Charger(lecteur);
        hote.Recrutement = hote.Croissance = state.range(0) != 0;
        state.ResumeTiming();
        for (int t = 0; t < PeriodesSimulees; ++t)
            bd->Pas();
        benchmark::DoNotOptimize(bd->Especes.A<TEspece>(0).Courant().Biomasse);
    }
    state.SetItemsProcessed(state.iterations() * PeriodesSimulees);
}
BENCHMARK(GrandePecherie240)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
