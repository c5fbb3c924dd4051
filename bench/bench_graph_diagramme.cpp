// The bio-economic diagram in the main window, offscreen: from the command
// to both windows drawn (the equilibrium of 61 factors over sixty years,
// one thread per core), on golfe.vsc after two years of play.  And, on the
// large generated fishery, the longest the progress bar stands still: the
// counter of periods it reads, looked at every millisecond until the
// computation is cancelled after two seconds.
#include "bench/ApplicationHorsEcran.h"
#include "dataset/Ubd.h"
#include "graphs/UFGDiagramme.h"
#include "shell/Mere.h"
#include "shell/MereDiagramme.h"
#include "shell/UTravail.h"
#include "tests/support/PecherieGeneree.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

using namespace vasco;

void Attendre(TDiagrammes* d)
{
    while (d->EnCours()) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

void BM_DiagrammeGolfe(benchmark::State& state)
{
    ApplicationHorsEcran();
    TFenetreMere mere;
    mere.resize(1200, 900);
    if (!mere.ChargerFichier(VASCO_DONNEES "/golfe.vsc")) {
        state.SkipWithError("golfe.vsc");
        return;
    }
    for (int p = 0; p < 8; ++p)
        mere.PasAPas();
    for (auto _ : state) {
        mere.Action("DiagrammeBioEconomique")->trigger();
        TDiagrammes* d = mere.Diagrammes();
        Attendre(d);
        benchmark::DoNotOptimize(d->Fenetre(1)->Diagramme()->Image().bits());
    }
}
BENCHMARK(BM_DiagrammeGolfe)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly()->UseRealTime();

void BM_BarreGeneree(benchmark::State& state)
{
    ApplicationHorsEcran();
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("generee.vsc");
    QFile f(fichier);
    const std::string& texte = test::TextePecherieGeneree();
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(texte.data(), static_cast<qint64>(texte.size())) != qint64(texte.size())) {
        state.SkipWithError("generee.vsc");
        return;
    }
    f.close();
    TFenetreMere mere;
    if (!mere.ChargerFichier(fichier)) {
        state.SkipWithError("chargement");
        return;
    }
    double immobile = 0;
    for (auto _ : state) {
        mere.Action("DiagrammeBioEconomique")->trigger();
        TDiagrammes* d = mere.Diagrammes();
        QElapsedTimer total, depuis;
        total.start();
        depuis.start();
        int64_t faits = d->Travail()->Faits().load();
        while (total.elapsed() < 2000 && d->EnCours()) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
            const int64_t n = d->EnCours() ? d->Travail()->Faits().load() : faits;
            if (n != faits) {
                immobile = std::max(immobile, double(depuis.elapsed()));
                depuis.restart();
                faits = n;
            }
        }
        delete d;
    }
    state.counters["immobile_ms"] = immobile;
}
BENCHMARK(BM_BarreGeneree)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
