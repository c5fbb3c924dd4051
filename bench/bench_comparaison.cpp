// A class's games compared: 30 games of sixty years (240 quarterly periods)
// with random recruitment and growth, each seeded apart and fishing a
// different number of days, read, checked and replayed on one thread per
// core from the loaded data file's bytes, their records kept.  The counters
// give the memory the records of one game hold.
#include "bench/PartieEleve.h"
#include "dataset/UComparaison.h"
#include "dataset/USession.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"
#include "tests/support/PecherieGeneree.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace vasco;
namespace fs = std::filesystem;

constexpr int Periodes = 240;
constexpr int Parties = 30;

void Comparaison(benchmark::State& state, const std::string& donnees)
{
    InstallerRecepteur([](const std::string&) {});
    const fs::path dossier =
        fs::temp_directory_path() / ("vasco_bench_comparaison_" + std::to_string(::getpid()));
    fs::create_directories(dossier);
    TSession session;
    session.Charger(dossier / "pecherie.vsc", donnees);
    const std::string metier = session.Donnees()->Metiers.A<TELaNom>(0).Nom;
    TDemandeComparaison demande;
    for (int i = 0; i < Parties; ++i) {
        const fs::path f = dossier / ("eleve" + std::to_string(i) + ".vsp");
        std::ofstream(f, std::ios::binary) << bench::TexteDePartie(donnees, "pecherie.vsc", metier, i, Periodes);
        demande.Fichiers.push_back(f);
    }
    size_t octets = 0;
    for (auto _ : state) {
        TComparaison c;
        Comparer(session, demande, c);
        if (c.Parties.size() != Parties)
            state.SkipWithError("parties refusées");
        octets = c.Octets() / std::max<size_t>(c.Parties.size(), 1);
    }
    state.counters["Mo_par_partie"] = static_cast<double>(octets) / (1 << 20);
    fs::remove_all(dossier);
    InstallerRecepteur({});
}

void BM_ComparaisonGolfe(benchmark::State& state)
{
    Comparaison(state, LireTexte(std::string(VASCO_DONNEES) + "/golfe.vsc").value());
}

void BM_ComparaisonGeneree(benchmark::State& state)
{
    Comparaison(state, test::TextePecherieGeneree());
}

} // namespace

BENCHMARK(BM_ComparaisonGolfe)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ComparaisonGeneree)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
