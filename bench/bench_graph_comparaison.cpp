// A class's games compared in the main window, offscreen, from the command
// to the graph windows redrawn: 30 games of sixty years (240 quarterly
// periods) of golfe.vsc with random recruitment and growth, each seeded
// apart and fishing a different number of days, read, checked and replayed
// in the background on one thread per core, then handed to the open graph
// windows.  The counter gives the memory the records of one game hold.
#include "bench/ApplicationHorsEcran.h"
#include "bench/PartieEleve.h"
#include "dataset/UComparaison.h"
#include "dataset/Ubd.h"
#include "shell/Mere.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vasco;

constexpr int Periodes = 240;
constexpr int Parties = 30;

bool Ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size();
}

// The event loop runs until the replay has ended and the windows are redrawn.
void AttendreFin(const TFenetreMere& mere)
{
    QEventLoop boucle;
    QTimer regard;
    QObject::connect(&regard, &QTimer::timeout, &boucle, [&] {
        if (!mere.ComparaisonEnCours())
            boucle.quit();
    });
    regard.start(1);
    boucle.exec();
}

void BM_ComparerClasseGolfe(benchmark::State& state)
{
    ApplicationHorsEcran();
    QTemporaryDir dossier;
    QFile golfe(QString(VASCO_DONNEES) + "/golfe.vsc");
    const QByteArray donnees = golfe.open(QIODevice::ReadOnly) ? golfe.readAll() : QByteArray();
    const QString fichier = dossier.filePath("golfe.vsc");
    if (!Ecrire(fichier, donnees)) {
        state.SkipWithError("fichier de données non écrit");
        return;
    }
    // The current game: sixty years played, its turnover and two species'
    // graphs open.
    TFenetreMere mere;
    mere.resize(1200, 900);
    mere.show();
    mere.Action("RecrutementAleatoire")->setChecked(true);
    mere.Action("CroissanceAleatoire")->setChecked(true);
    if (!mere.ChargerFichier(fichier)) {
        state.SkipWithError("golfe.vsc non chargé");
        return;
    }
    for (int p = 0; p < Periodes; ++p)
        mere.PasAPas();
    mere.Action("EspeceBiomasses")->trigger();
    const std::string metier = mere.Donnees()->Metiers.A<TELaNom>(0).Nom;
    QStringList parties;
    for (int i = 0; i < Parties; ++i) {
        const QString partie = dossier.filePath(QString("eleve%1.vsp").arg(i));
        Ecrire(partie, QByteArray::fromStdString(bench::TexteDePartie(donnees.toStdString(), "golfe.vsc", metier, i, Periodes)));
        parties << partie;
    }
    size_t octets = 0;
    for (auto _ : state) {
        mere.ComparerParties(parties);
        AttendreFin(mere);
        const auto& c = mere.Comparaison();
        if (!c || c->Parties.size() != Parties) {
            state.SkipWithError("parties refusées");
            break;
        }
        octets = c->Octets() / c->Parties.size();
        state.PauseTiming();
        mere.RetirerComparaison();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["Mo_par_partie"] = static_cast<double>(octets) / (1 << 20);
}

} // namespace

BENCHMARK(BM_ComparerClasseGolfe)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();
