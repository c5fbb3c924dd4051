// The bio-economic period step on the sample fishery and on a large
// generated one: one step, a sixty-year run (240 quarterly periods), the load
// with its virgin stocks, and the memory held after 500 periods.
//
// The generated fishery has 20 species of 120 size classes and 30 métiers
// fishing 5 to 10 species each, with 4 periods a year: about the largest
// fishery a teacher would describe by hand, several times golfe.vsc.
#include "model/Ubd.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

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

constexpr int NbEspeces = 20;
constexpr int NbClasses = 120;
constexpr int PremiereClasse = 5;
constexpr int NbMetiers = 30;
constexpr int NbPeriodesAn = 4;

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

// One species: growth slowing towards 130 cm (von Bertalanffy, capped so
// that no fish grows past the last class), weight 1e-5 L^3 kg, natural
// mortality 0.05 a quarter, recruits into 5 to 9 cm in one season a year.
void Espece(std::ostringstream& f, int s)
{
    const int derniere = PremiereClasse + NbClasses - 1;
    f << "Espece " << s << "\n----\n0.5\n0\n20\n40\n";
    for (int saison = 0; saison < NbPeriodesAn; ++saison) {
        if (saison == s % NbPeriodesAn) {
            f << PremiereClasse << " " << PremiereClasse + 4 << "\n";
            for (int c = 0; c < 5; ++c)
                f << 100000 << "\n";
        } else {
            f << "0 0\n";
        }
        f << PremiereClasse << " " << derniere << " 1\n";
        for (int l = PremiereClasse; l <= derniere; ++l) {
            const double croissance =
                std::min((130.0 - l) * (1 - std::exp(-0.2 / 4)), static_cast<double>(derniere - l));
            f << croissance << " " << 1e-5 * l * l * l << " 0.05\n";
        }
    }
}

// One métier: species picked three apart from a start that moves with the
// métier, so every species is fished by several fleets.
void Metier(std::ostringstream& f, int m)
{
    const int nbEspeces = 5 + m % 6;
    f << "Metier " << m << "\n----\n50000\n300\n4\n15\n"
      << 60 + 10 * (m % 5) << "\n"
      << nbEspeces << "\n";
    for (int k = 0; k < nbEspeces; ++k) {
        f << "Espece " << (m * 7 + k * 3) % NbEspeces << "\n----\n0.2\n0.3\n0.2\n"
          << (m % 3 == 0 ? 0.8 : -1.0) << "\n";
        for (int saison = 0; saison < NbPeriodesAn; ++saison) {
            const double q = 4e-5 * (1 + 0.25 * saison);
            f << "3\n" << PremiereClasse << "\n";
            f << PremiereClasse << " 30 1.5 " << q << "\n";
            f << "31 60 3 " << q << "\n";
            f << "61 " << PremiereClasse + NbClasses - 1 << " 5 " << q << "\n";
        }
    }
    f << "----\n" << 10 + m % 7 << "\n80\n";
}

const std::string& TexteGenere()
{
    static const std::string texte = [] {
        std::ostringstream f;
        f << "1\nPêcherie générée pour les mesures\n"
          << NbPeriodesAn << "\nTrimestres\n"
          << NbEspeces << "\n";
        for (int s = 0; s < NbEspeces; ++s)
            Espece(f, s);
        f << "----\n" << NbMetiers << "\n";
        for (int m = 0; m < NbMetiers; ++m)
            Metier(f, m);
        f << "----\n";
        for (int k = 0; k < NbEchelles; ++k)
            f << "1000 1\nunité " << k << "\n";
        f << PremiereClasse << " " << PremiereClasse + NbClasses - 1 << "\n";
        return f.str();
    }();
    return texte;
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

// Resident memory of the process, in MiB (VmRSS of /proc/self/status).
double MemoireResidente()
{
    std::ifstream statut("/proc/self/status");
    std::string ligne;
    while (std::getline(statut, ligne)) {
        if (ligne.rfind("VmRSS:", 0) == 0)
            return std::stod(ligne.substr(6)) / 1024.0;
    }
    return 0;
}

// The memory a data set holds after 500 periods: resident memory after the
// load and 500 steps, less that before the load.  Run once, before the other
// measures, so that freed memory kept by the allocator does not hide it.
void BM_Memoire500(benchmark::State& state, Pecherie pecherie)
{
    double avant = 0, apres = 0;
    if (pecherie == Pecherie::Generee)
        TexteGenere();
    for (auto _ : state) {
        avant = MemoireResidente();
        auto bd = Charger(pecherie, state);
        if (!bd)
            return;
        for (int p = 0; p < 500; ++p)
            bd->Pas();
        apres = MemoireResidente();
        benchmark::DoNotOptimize(bd->NbPeriodes());
    }
    state.counters["VmRSS_avant_Mio"] = avant;
    state.counters["VmRSS_apres_Mio"] = apres;
    state.counters["tenue_Mio"] = apres - avant;
    Rapporter(state);
}

BENCHMARK_CAPTURE(BM_Memoire500, golfe, Pecherie::Golfe)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Memoire500, generee, Pecherie::Generee)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chargement, golfe, Pecherie::Golfe)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chargement, generee, Pecherie::Generee)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pas, golfe, Pecherie::Golfe)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Pas, generee, Pecherie::Generee)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_240Periodes, golfe, Pecherie::Golfe)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_240Periodes, generee, Pecherie::Generee)->Unit(benchmark::kMillisecond);

} // namespace
