// Quantiles by nearest rank, the figures a spread of runs or of games is
// given by.  vasco-batch (draws, equilibria, compared games) and the graph
// windows (compared games) all take them here, so that a window and a table
// of the same values always agree.
//
// The q-quantile of n values is the value of rank ceil(q n / 100), from 1,
// in increasing order.  With fewer than 20 values the 5 % quantile is the
// smallest and the 95 % the largest.  A value that is not a number ranks
// above every number: a quantile whose rank reaches one is not a number.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vasco {

int64_t RangQuantile(int64_t n, int centiemes);

// The quantiles every spread is given by: 5 %, 50 %, 95 %.
inline constexpr int CentiemesQuantiles[] = {5, 50, 95};

// The three quantiles of `valeurs` (NaN for none).  Reorders `valeurs`.
std::array<double, 3> Quantiles(std::span<double> valeurs);
std::array<long double, 3> Quantiles(std::span<long double> valeurs);

} // namespace vasco
