// Graph painting: recomposing one window of thirty periods in three
// dimensions (what every window does after each period), rebuilding it
// whole (axes and picture, as after a resize), and a continuous run of 240
// periods of golfe.vsc with six graph windows open, offscreen: the time of
// each period with its repaint, as the median and the slowest.
#include "bench/ApplicationHorsEcran.h"
#include "dataset/Ubd.h"
#include "graphs/ufg.h"
#include "model/Umessages.h"
#include "shell/Mere.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using namespace vasco;

class Valeur : public TEL {
public:
    explicit Valeur(long double v) : v_(v) {}
    long double Calcul(uint8_t, TContexte*) override { return v_; }

private:
    long double v_;
};

class Position : public TMagnetoBase {
public:
    int32_t PositionCourante() const override { return 39; }
};

struct Fenetre3D {
    TSupListe liste;
    Position magneto;
    TFG graphe;

    Fenetre3D()
    {
        for (int i = 0; i < 40; ++i)
            liste.AjouterElement(std::make_unique<Valeur>(i % 13 * 7.5L), nullptr);
        TParamGraphe p;
        p.Liste = &liste;
        p.Magneto = &magneto;
        p.YMax = 100;
        p.XMin = 0;
        p.XMax = 29;
        p.Titre = "Trente périodes";
        p.TitreX = "Trimestres";
        p.TitreY = "MF";
        p.CouleurFond = {255, 255, 255};
        p.Type = TTypeGraphe::Histo3D;
        p.AffPeriode = true;
        graphe.resize(800, 600);
        graphe.Transferer(p);
    }
};

void BM_Recomposer3DTrentePeriodes(benchmark::State& state)
{
    ApplicationHorsEcran();
    Fenetre3D f;
    for (auto _ : state) {
        f.graphe.Recomposer();
        benchmark::DoNotOptimize(f.graphe.Image().constBits());
    }
}
BENCHMARK(BM_Recomposer3DTrentePeriodes)->Unit(benchmark::kMicrosecond);

void BM_Repeindre3DTrentePeriodes(benchmark::State& state)
{
    ApplicationHorsEcran();
    Fenetre3D f;
    for (auto _ : state) {
        f.graphe.Paint();
        benchmark::DoNotOptimize(f.graphe.Image().constBits());
    }
}
BENCHMARK(BM_Repeindre3DTrentePeriodes)->Unit(benchmark::kMicrosecond);

// Three global graphs and the size composition of the three species: three
// bar windows on the balances and three dynamic windows of two series.
void BM_Continu240PeriodesSixGraphes(benchmark::State& state)
{
    ApplicationHorsEcran();
    std::vector<double> periodes;
    for (auto _ : state) {
        state.PauseTiming();
        TFenetreMere mere;
        mere.resize(1280, 1024);
        mere.show();
        if (!mere.ChargerFichier(VASCO_DONNEES "/golfe.vsc")) {
            state.SkipWithError("golfe.vsc");
            return;
        }
        for (const char* nom :
             {"GlobalCAEtBenefices", "GlobalQuantites", "GlobalTaxes", "EspeceComposition"})
            mere.findChild<QAction*>(nom)->trigger();
        if (mere.Zone()->subWindowList().size() != 6) {
            state.SkipWithError("six fenêtres attendues");
            return;
        }
        QCoreApplication::processEvents();
        state.ResumeTiming();
        // Each step moves the step control, which redraws every window; the
        // pending paint events then copy the pictures to the windows.
        for (int i = 0; i < 240; ++i) {
            const auto debut = std::chrono::steady_clock::now();
            mere.Donnees()->Pas();
            QCoreApplication::processEvents();
            const std::chrono::duration<double, std::milli> duree =
                std::chrono::steady_clock::now() - debut;
            periodes.push_back(duree.count());
        }
        state.PauseTiming();
        mere.FermerGraphes();
        state.ResumeTiming();
    }
    std::sort(periodes.begin(), periodes.end());
    state.counters["ms_par_periode_mediane"] = periodes[periodes.size() / 2];
    state.counters["ms_par_periode_max"] = periodes.back();
}
BENCHMARK(BM_Continu240PeriodesSixGraphes)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
