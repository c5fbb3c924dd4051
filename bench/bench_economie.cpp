// The bio-economic period step on the sample fishery and on a large
// generated one: one step, a sixty-year run (240 quarterly periods), the
// work of vasco-batch over 240 periods, the load with its virgin stocks, and
// the memory held and the peak after 500 periods (502 for golfe.vsc).
//
// The generated fishery is described in tests/support/PecherieGeneree.h.
#include "batch/Csv.h"
#include "dataset/Ubd.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"
#include "tests/support/PecherieGeneree.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

using namespace vasco;

enum class Pecherie { Golfe, Generee };

// Guard messages mean the fishery is not what it should be; they are
// counted, not printed, and reported with the figures.
int& MessagesDeGarde()
{
    static int nombre = 0;
    return nombre;
}

void EcouterLesGardes()
{
    static const bool installe = [] {
        InstallerRecepteur([](const std::string&) { ++MessagesDeGarde(); });
        return true;
    }();
    (void)installe;
}

std::string FichierGolfe()
{
    return std::string(VASCO_DONNEES) + "/golfe.vsc";
}

const std::string& TexteGenere()
{
    return test::TextePecherieGeneree();
}

// A freshly loaded data set, or none after reporting why.
std::unique_ptr<TBDVasco> Charger(Pecherie pecherie, benchmark::State& state)
{
    EcouterLesGardes();
    auto bd = std::make_unique<TBDVasco>();
    try {
        if (pecherie == Pecherie::Golfe) {
            if (!std::filesystem::exists(FichierGolfe())) {
                state.SkipWithError("data/golfe.vsc absent");
                return nullptr;
            }
            bd->Charger(std::filesystem::path(FichierGolfe()));
        } else {
            TLecteur lecteur(TexteGenere());
            bd->Charger(lecteur);
        }
    } catch (const ErreurLecture& e) {
        state.SkipWithError(
            ("lecture impossible, ligne " + std::to_string(e.Ligne()) + " : " + e.Attendu())
                .c_str());
        return nullptr;
    }
    return bd;
}

void Rapporter(benchmark::State& state)
{
    state.counters["messages_garde"] = MessagesDeGarde();
}

void BM_Chargement(benchmark::State& state, Pecherie pecherie)
{
    for (auto _ : state) {
        auto bd = Charger(pecherie, state);
        if (!bd)
            return;
        benchmark::DoNotOptimize(bd.get());
    }
    Rapporter(state);
}

// One period, within sixty-year runs: the data set is reloaded, untimed,
// every 240 periods so that the history stays that of a contest.
void BM_Pas(benchmark::State& state, Pecherie pecherie)
{
    auto bd = Charger(pecherie, state);
    if (!bd)
        return;
    for (auto _ : state) {
        if (bd->NbPeriodes() == 240) {
            state.PauseTiming();
            bd = Charger(pecherie, state);
            state.ResumeTiming();
            if (!bd)
                return;
        }
        bd->Pas();
    }
    Rapporter(state);
}

// A whole contest: 240 periods from the loaded state (the load not timed).
void BM_240Periodes(benchmark::State& state, Pecherie pecherie)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto bd = Charger(pecherie, state);
        state.ResumeTiming();
        if (!bd)
            return;
        for (int p = 0; p < 240; ++p)
            bd->Pas();
        benchmark::DoNotOptimize(bd->NbPeriodes());
        state.PauseTiming();
        bd.reset();
        state.ResumeTiming();
    }
    Rapporter(state);
}

// A line of /proc/self/status in MiB: VmRSS (resident now) or VmHWM (the
// peak resident memory of the process so far).
double Memoire(const std::string& champ)
{
    std::ifstream statut("/proc/self/status");
    std::string ligne;
    while (std::getline(statut, ligne)) {
        if (ligne.rfind(champ + ":", 0) == 0)
            return std::stod(ligne.substr(champ.size() + 1)) / 1024.0;
    }
    return 0;
}

// The memory a data set holds after a number of periods: resident memory
// after the load and the steps, less that before the load, and the peak of
// the process.  Run once, before the other measures, golfe first, so that
// freed memory kept by the allocator does not hide it and the peak is that
// of this run.
void BM_Memoire(benchmark::State& state, Pecherie pecherie, int periodes)
{
    double avant = 0, apres = 0;
    if (pecherie == Pecherie::Generee)
        TexteGenere();
    for (auto _ : state) {
        avant = Memoire("VmRSS");
        auto bd = Charger(pecherie, state);
        if (!bd)
            return;
        for (int p = 0; p < periodes; ++p)
            bd->Pas();
        apres = Memoire("VmRSS");
        benchmark::DoNotOptimize(bd->NbPeriodes());
    }
    state.counters["VmRSS_avant_Mio"] = avant;
    state.counters["VmRSS_apres_Mio"] = apres;
    state.counters["tenue_Mio"] = apres - avant;
    state.counters["VmHWM_Mio"] = Memoire("VmHWM");
    Rapporter(state);
}

// What vasco-batch does for 240 periods, in one process: the load with the
// virgin stocks, the run and every CSV row (written to a stream that only
// counts them).
void BM_VascoBatch240(benchmark::State& state, Pecherie pecherie)
{
    const TScenario sansScenario;
    for (auto _ : state) {
        auto bd = Charger(pecherie, state);
        if (!bd)
            return;
        std::ostringstream csv;
        Simuler(*bd, sansScenario, 240, csv);
        benchmark::DoNotOptimize(csv.tellp());
    }
    Rapporter(state);
}

BENCHMARK_CAPTURE(BM_Memoire, golfe_502, Pecherie::Golfe, 502)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Memoire, generee_500, Pecherie::Generee, 500)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chargement, golfe, Pecherie::Golfe)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chargement, generee, Pecherie::Generee)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pas, golfe, Pecherie::Golfe)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Pas, generee, Pecherie::Generee)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_240Periodes, golfe, Pecherie::Golfe)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_240Periodes, generee, Pecherie::Generee)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VascoBatch240, golfe, Pecherie::Golfe)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VascoBatch240, generee, Pecherie::Generee)->Unit(benchmark::kMillisecond);

} // namespace
