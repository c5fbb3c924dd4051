// A continuous run as the user starts it, offscreen: 100 periods of
// golfe.vsc, first with the one window the run opens, then with six graph
// windows tiled (the four global graphs and one window each of the species
// biomasses and size composition).  Measured from one period to the next
// (the step control moves once per period), so that each time holds the
// simulation, the graphs recomposed and the windows repainted before the
// next period: the median and the slowest, in milliseconds, and how many
// times a graph window was painted per period.  The six windows again with
// a class of 30 games compared: every window draws their quantile band and
// median at each period.
#include "bench/ApplicationHorsEcran.h"
#include "dataset/UComparaison.h"
#include "dataset/USession.h"
#include "dataset/Ubd.h"
#include "graphs/ufg.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"
#include "shell/Mere.h"
#include "shell/UMagneto.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using namespace vasco;
using Horloge = std::chrono::steady_clock;

constexpr int NbPeriodes = 100;
// The compared games go on past the run, so that every period of it draws
// all of them.
constexpr int PartiesComparees = 30;
constexpr int PeriodesComparees = 110;

namespace fs = std::filesystem;

// A class of games of golfe.vsc played beside a copy of it, each with
// random recruitment (and random growth every other game) so that they
// differ; made once for the whole program and removed at its end.
class ClasseComparee {
public:
    ClasseComparee()
        : dossier_(fs::temp_directory_path() /
                   ("vasco_bench_classe_" + std::to_string(::getpid())))
    {
        fs::create_directories(dossier_);
        fs::copy_file(VASCO_DONNEES "/golfe.vsc", Donnees(), fs::copy_options::overwrite_existing);
        const std::string octets = LireTexte(Donnees()).value_or("");
        for (int k = 0; k < PartiesComparees; ++k) {
            TSession session;
            session.FixerOptions({true, k % 2 == 0, false});
            if (!session.Charger(Donnees(), octets).Reussi())
                return;
            for (int p = 0; p < PeriodesComparees; ++p)
                session.Donnees()->Pas();
            const fs::path partie = dossier_ / ("eleve" + std::to_string(k + 1) + ".vsp");
            std::ofstream(partie, std::ios::binary) << session.TexteAEnregistrer(partie);
            parties_.push_back(partie);
        }
    }
    ~ClasseComparee() { fs::remove_all(dossier_); }
    fs::path Donnees() const { return dossier_ / "golfe.vsc"; }
    const std::vector<fs::path>& Parties() const { return parties_; }

private:
    fs::path dossier_;
    std::vector<fs::path> parties_;
};

const ClasseComparee& Classe()
{
    static const ClasseComparee classe;
    return classe;
}

// The class replayed against the loaded data file and handed to every
// graph window, as the main window does.
bool ComparerClasse(TFenetreMere& mere)
{
    auto comparaison = std::make_shared<TComparaison>();
    TDemandeComparaison demande;
    demande.Fichiers = Classe().Parties();
    if (!Comparer(mere.Session(), demande, *comparaison) ||
        comparaison->Parties.size() != PartiesComparees)
        return false;
    for (QMdiSubWindow* fenetre : mere.Zone()->subWindowList())
        if (auto* g = qobject_cast<TFG*>(fenetre->widget()))
            g->FixerComparaison(comparaison);
    return true;
}

// Counts the paint events of the graph windows (the widgets inside the
// subwindows of the client area).
class Peintures : public QObject {
public:
    int Nombre = 0;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint && objet->isWidgetType() &&
            qobject_cast<QMdiSubWindow*>(static_cast<QWidget*>(objet)->parentWidget()))
            ++Nombre;
        return false;
    }
};

// The four global graphs, then the first species' window of two species
// commands (each opens one window per species): six windows, tiled so that
// every one of them is seen and repainted.
bool OuvrirSixFenetres(TFenetreMere& mere)
{
    for (const char* nom :
         {"GlobalCAEtBenefices", "GlobalQuantites", "GlobalEffectifs", "GlobalTaxes"})
        mere.Action(nom)->trigger();
    for (const char* nom : {"EspeceBiomasses", "EspeceComposition"}) {
        const auto avant = mere.Zone()->subWindowList().size();
        mere.Action(nom)->trigger();
        const auto fenetres = mere.Zone()->subWindowList(QMdiArea::CreationOrder);
        for (auto i = avant + 1; i < fenetres.size(); ++i)
            delete fenetres[i];
    }
    mere.Zone()->tileSubWindows();
    return mere.Zone()->subWindowList().size() == 6;
}

void Continu(benchmark::State& state, bool sixFenetres, bool classe = false)
{
    ApplicationHorsEcran();
    std::vector<double> periodes;
    Peintures peintures;
    int periodesPeintes = 0;
    for (auto _ : state) {
        TFenetreMere mere;
        mere.resize(1280, 1024);
        mere.show();
        const QString donnees = classe ? QString::fromStdString(Classe().Donnees().string())
                                       : QString(VASCO_DONNEES "/golfe.vsc");
        if (!mere.ChargerFichier(donnees)) {
            state.SkipWithError("golfe.vsc");
            return;
        }
        if (sixFenetres && !OuvrirSixFenetres(mere)) {
            state.SkipWithError("six fenêtres attendues");
            return;
        }
        if (classe && !ComparerClasse(mere)) {
            state.SkipWithError("30 parties comparées attendues");
            return;
        }
        QCoreApplication::processEvents();

        // The step control moves at the end of each period, after the
        // graphs have been recomposed.  The last period stops the run; the
        // loop below waits for it when the run goes on after EnContinu.
        std::vector<Horloge::time_point> instants;
        instants.reserve(NbPeriodes);
        QEventLoop fin;
        QObject::connect(mere.Magnetoscope(), &TMagneto::Deplace, &fin, [&] {
            instants.push_back(Horloge::now());
            if (instants.size() == NbPeriodes) {
                mere.Stop();
                QTimer::singleShot(0, &fin, &QEventLoop::quit);
            }
        });
        qApp->installEventFilter(&peintures);
        const auto debut = Horloge::now();
        mere.EnContinu();
        if (mere.EnCours)
            fin.exec();
        qApp->removeEventFilter(&peintures);
        periodesPeintes += NbPeriodes;
        state.SetIterationTime(std::chrono::duration<double>(Horloge::now() - debut).count());
        if (instants.size() != NbPeriodes) {
            state.SkipWithError("la simulation s'est arrêtée avant 100 périodes");
            return;
        }
        for (size_t i = 1; i < instants.size(); ++i)
            periodes.push_back(
                std::chrono::duration<double, std::milli>(instants[i] - instants[i - 1]).count());
        mere.FermerGraphes();
    }
    std::sort(periodes.begin(), periodes.end());
    state.counters["ms_par_periode_mediane"] = periodes[periodes.size() / 2];
    state.counters["ms_par_periode_max"] = periodes.back();
    state.counters["peintures_par_periode"] =
        periodesPeintes > 0 ? double(peintures.Nombre) / periodesPeintes : 0;
}

void BM_Continu100PeriodesUneFenetre(benchmark::State& state)
{
    Continu(state, false);
}
BENCHMARK(BM_Continu100PeriodesUneFenetre)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

void BM_Continu100PeriodesSixFenetres(benchmark::State& state)
{
    Continu(state, true);
}
BENCHMARK(BM_Continu100PeriodesSixFenetres)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

void BM_Continu100PeriodesSixFenetres30PartiesComparees(benchmark::State& state)
{
    Continu(state, true, true);
}
BENCHMARK(BM_Continu100PeriodesSixFenetres30PartiesComparees)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

} // namespace
