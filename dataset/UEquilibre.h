// The equilibrium of a fishery, computed from its own model.
//
// The lesson of a fisheries-economics class in one picture: as fishing
// effort grows, the sustainable yield rises to a maximum (RMD) and falls;
// the rent peaks earlier (REM); with free entry, effort grows until the
// profit is gone (accès libre).  Here the curves are not drawn from a
// formula: every fleet's vessel count (or one métier's) is multiplied by a
// factor f, and for each f of a grid the fishery is run from its virgin
// stock for many years; the means of its last twenty years are the point of
// the curve at f.
//
// Each point is a plain run with the scaled vessel counts written as
// scenario lines, so that its figures are those vasco-batch gives for that
// scenario, to the last bit.  The runs are spread over threads by the
// runner of dataset/UTirages.h: the figures do not depend on their number.
// Nothing here reads a file or touches a window: a caller on a worker
// thread hands the data file's bytes, follows the progress and may cancel.
#pragma once

#include "dataset/UScenario.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vasco {

// The figures of a point, in this order, then one per species: its spawning
// biomass as a percentage of its virgin spawning biomass.  Each is a mean
// per period over the run's last twenty years, in the model's units.
struct ChiffreEq {
    enum : int {
        JoursMer,          // the fleet's days at sea: vessels x days, summed over métiers
        PoidsDebarque,     // landed weight
        CA,                // turnover
        Couts,             // turnover - profit: every cost, net of taxes and subsidies
        Benefice,          // the game's profit: after the tax, subsidies included
        SubventionsNettes, // subsidies paid minus taxes collected
        Rente,             // profit - net subsidies: what the fishery itself earns
        Effectifs,         // crews on board
        PremiereEspece,    // the first species' spawning biomass, % of virgin
    };
};

// The names of the figures as tables write them, as (name, suffix) pairs:
// a species is named by its own name, suffixed ":BiomasseFeconde%".
std::vector<std::pair<std::string, std::string>>
NomsChiffresEquilibre(const std::vector<std::string>& especes);

struct TParamEquilibre {
    std::string Donnees; // the data file's bytes
    // The measures as they apply after the load, line by line; checked
    // against this data file.  Its vessel counts are scaled too.
    TScenario Scenario;
    // Only this métier's vessels are scaled (an index of the list); every
    // métier's when empty.
    std::optional<int> Metier;
    // The grid of factors: Debut, Debut + Pas, ... up to Fin.
    double Debut = 0;
    double Fin = 3;
    double Pas = 0.05;
    int Annees = 60;
    // Random recruitment: each point runs Tirages draws, draw i seeded as run
    // i of vasco-batch --tirages with Graine, the same draws for every f.
    bool Recrutement = false;
    int64_t Tirages = 20;
    uint32_t Graine = 0;
    unsigned Fils = 1;
    // Told (runs done, runs in all: with random draws, Tirages + 1 a point)
    // after each run, one call at a time,
    // from whichever thread finished it.
    std::function<void(int64_t, int64_t)> Progression;
    // Counts every period simulated, by every run, as it is done: a run of
    // a large fishery lasts longer than a progress bar may stand still.
    // There are PeriodesEquilibre(p, periodesAn) of them in all.
    std::atomic<int64_t>* Periodes = nullptr;
    // Looked at between periods; once set, the computation stops.
    const std::atomic<bool>* Annuler = nullptr;
};

inline constexpr int AnneesMin = 20;
inline constexpr int AnneesMax = 1000;
inline constexpr int64_t PointsMax = 1000;

// Why these parameters cannot be run (a French sentence), or nothing.
std::optional<std::string> RefusEquilibre(const TParamEquilibre& p);

// The number of points of the grid (0 when refused) and the factor of point
// i: Debut + i Pas.
int64_t NombrePoints(const TParamEquilibre& p);
double FacteurPoint(const TParamEquilibre& p, int64_t i);

// The periods the computation simulates in all, with the run of f = 1 when
// the grid does not hold it.
int64_t PeriodesEquilibre(const TParamEquilibre& p, int periodesAn);

// A figure over the draws: its 5 %, 50 % and 95 % quantiles by nearest rank
// (all three the run's own figure without random draws).
struct TChiffre {
    double Q05 = 0;
    double Q50 = 0;
    double Q95 = 0;
};

struct TPointEquilibre {
    double Facteur = 0;
    std::vector<TChiffre> Chiffres; // indexed by ChiffreEq
    // The mean of the last ten years differs from the mean of the ten
    // before by less than 1 % for the landed weight and for every species'
    // spawning biomass.  Near a collapse sixty years are no equilibrium:
    // such points are kept, marked.  With random draws, the mark is that of
    // the run without them (the draws alone move a decade by more).
    bool Stable = true;
};

struct TEquilibre {
    std::vector<std::string> Especes; // species names, in file order
    std::vector<TPointEquilibre> Grille;
    // Found on the medians; ties take the smallest factor.  RMD: the largest
    // landed weight; REM: the largest rent; accès libre: the smallest factor
    // above REM where the profit falls to 0, interpolated linearly between
    // the two points around it (none when REM is at f = 0 or the profit
    // stays above 0 to the end of the grid); actuel: f = 1, run on its own
    // when the grid does not hold it.
    std::optional<TPointEquilibre> RMD, REM, AccesLibre, Actuel;
    // The runs' guard messages, in run order, one per line, each prefixed
    // with the run's factor (and its draw).
    std::string Messages;
};

// Runs the grid.  Nothing when cancelled.  Raises std::invalid_argument with
// the refusal of RefusEquilibre, and passes on a read error of the data.
std::optional<TEquilibre> CalculerEquilibre(const TParamEquilibre& p);

} // namespace vasco
