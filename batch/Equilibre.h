// vasco-batch --equilibre: the table of an equilibrium computed by the data
// set (dataset/UEquilibre.h), as CSV.
#pragma once

#include "dataset/UEquilibre.h"

#include <ostream>

namespace vasco {

// The header, one row per point of the grid (column `point` empty), then
// the rows RMD, REM, acces_libre (empty when there is none) and actuel.
// With `quantiles`, every figure takes three columns, :q05, :q50 and :q95.
void EcrireEquilibre(const TEquilibre& equilibre, bool quantiles, std::ostream& sortie);

} // namespace vasco
