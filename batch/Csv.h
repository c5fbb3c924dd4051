// vasco-batch: the CSV of a headless run, one row per simulated period.
// The scenario lines it applies are read by the data set's reader
// (dataset/UScenario.h), shared with the window program.
#pragma once

#include "dataset/UChamps.h"
#include "dataset/UScenario.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vasco {

// The columns after "periode", as (name, suffix) pairs: the header writes
// ChampNom(name, suffix).  The balance columns have an empty suffix.
std::vector<std::pair<std::string, std::string>> ColonnesCsv(const TBDVasco& bd);

// The header row and the row of simulated period p (from 1), with their line
// end.  Row p reads the balance of period p and, for species and métiers,
// the state and condition that were in force during it (entry p - 1).
std::string EnTeteCsv(const TBDVasco& bd);
std::string LigneCsv(const TBDVasco& bd, int p);

// The numbers of row p after its period number, appended to `valeurs` (NaN
// for an empty field), and the text a row gives a number.
void ValeursCsv(const TBDVasco& bd, int p, std::vector<double>& valeurs);
std::string ChampCsv(double v);

// The run: header, then for p = 1..periodes the lines of period p - 1, one
// step and row p.
void Simuler(TBDVasco& bd, const TScenario& scenario, int64_t periodes, std::ostream& sortie);

} // namespace vasco
