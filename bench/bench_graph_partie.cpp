// Opening a saved game in the main window, offscreen, as "Ouvrir une
// partie..." does: read the game, find and check its data file, load it with
// the game's seed and options, replay sixty years (240 quarterly periods,
// both random options, a step back) and show the result.  On the sample
// golfe.vsc and on the large generated fishery.
#include "bench/ApplicationHorsEcran.h"
#include "dataset/Ubd.h"
#include "shell/Mere.h"
#include "tests/support/PecherieGeneree.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vasco;

constexpr int Periodes = 240;

// The game of `donnees`, saved once by a window that played it.
QString PartieJouee(const QTemporaryDir& dossier, const QByteArray& donnees)
{
    const QString fichier = dossier.filePath("pecherie.vsc");
    QFile f(fichier);
    if (!f.open(QIODevice::WriteOnly) || f.write(donnees) != donnees.size())
        return {};
    f.close();
    TFenetreMere mere;
    mere.Action("RecrutementAleatoire")->setChecked(true);
    mere.Action("CroissanceAleatoire")->setChecked(true);
    if (!mere.ChargerFichier(fichier))
        return {};
    for (int p = 0; p < Periodes; ++p)
        mere.PasAPas();
    mere.PasEnArriere();
    mere.PasAPas();
    const QString partie = dossier.filePath("partie.vsp");
    return mere.EnregistrerPartie(partie) ? partie : QString();
}

void Ouverture(benchmark::State& state, const QByteArray& donnees)
{
    ApplicationHorsEcran();
    QTemporaryDir dossier;
    const QString partie = PartieJouee(dossier, donnees);
    if (partie.isEmpty()) {
        state.SkipWithError("partie non enregistrée");
        return;
    }
    for (auto _ : state) {
        TFenetreMere mere;
        if (!mere.OuvrirPartie(partie) || mere.Donnees()->NbPeriodes() != Periodes)
            state.SkipWithError("partie non rouverte");
    }
}

void BM_OuvrirPartieGolfe(benchmark::State& state)
{
    QFile f(QString(VASCO_DONNEES) + "/golfe.vsc");
    Ouverture(state, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
}

void BM_OuvrirPartieGeneree(benchmark::State& state)
{
    Ouverture(state, QByteArray::fromStdString(test::TextePecherieGeneree()));
}

} // namespace

BENCHMARK(BM_OuvrirPartieGolfe)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_OuvrirPartieGeneree)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();
