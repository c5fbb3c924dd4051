// What the bio-economic diagram of the window program asks of the data set:
// the measures in force written as scenario lines (the equilibrium runs them
// as vasco-batch --equilibre runs a scenario file), a snapshot to tell when
// they have changed, and the equilibrium's table in the display scales'
// units, in the columns and figures of vasco-batch --equilibre.
#pragma once

#include "dataset/UEquilibre.h"
#include "dataset/UMesures.h"
#include "dataset/UScenario.h"

#include <ostream>
#include <string>
#include <vector>

namespace vasco {

class TBDVasco;

// Every measure of the open records (what the next period will use), as
// lines of period 0: each métier's, then each species' ("off" for a species
// measure not in force).  A scenario file of this text given to
// vasco-batch --equilibre computes the same diagram.
std::string TexteMesuresEnVigueur(const TBDVasco& bd);
// The same lines, read and checked against the data set.
TScenario ScenarioEnVigueur(const TBDVasco& bd);

// The measures of the open records, métiers' then species', to compare.
std::vector<TValeursMesures> MesuresEnVigueur(const TBDVasco& bd);

// The divisors of the display scales a table is written in.
struct TEchellesEquilibre {
    long double Monnaie = 1; // turnover, costs, profit, subsidies, rent
    long double Poids = 1;   // landed weight
};

// A figure of the table in the scales' units.
double EnEchelle(double valeur, int chiffre, const TEchellesEquilibre& echelles);

// The table of vasco-batch --equilibre (header, grid, RMD, REM, acces_libre,
// actuel; with `quantiles` three columns a figure), the money and weight
// figures divided by their scale, nine significant digits.
void EcrireEquilibreEchelles(const TEquilibre& equilibre, bool quantiles,
                             const TEchellesEquilibre& echelles, std::ostream& sortie);

} // namespace vasco
