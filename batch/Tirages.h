// vasco-batch --tirages: many runs of one fishery with different seeds, and
// per period the 5 %, 50 % and 95 % quantiles of every column of the CSV.
// The runs are seeded and spread over threads by dataset/UTirages.h: each
// draws exactly what a plain run with its seed would draw, so the number of
// threads changes neither their figures nor the output.
#pragma once

#include "dataset/UScenario.h"
#include "dataset/UTirages.h"

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vasco {

struct TTirages {
    std::string Donnees; // the data file's bytes
    // The columns of its CSV after "periode" (ColonnesCsv of a data set
    // loaded from these bytes).
    std::vector<std::pair<std::string, std::string>> Colonnes;
    const TScenario* Scenario = nullptr;
    int64_t Nombre = 1;
    int64_t Periodes = 0;
    uint32_t Graine = 0;
    bool Recrutement = false;
    bool Croissance = false;
    unsigned Fils = 1;
};

// The tables of quantiles (--tirages, --comparer): the header, "periode"
// then for each column its 5 %, 50 % and 95 % quantiles (suffixes :q05,
// :q50, :q95), with its line end.
std::string EnTeteQuantiles(std::span<const std::pair<std::string, std::string>> colonnes);

// The row of period p (from 1), with its line end: the three quantiles of
// each column over the series that reach period p.  A series holds the
// values of its rows one row after the other, `colonnes` per row (as
// ValeursCsv appends them); a series of fewer than p rows does not count.
// A quantile that is not a number gives an empty field.
std::string LigneQuantiles(std::span<const std::span<const double>> series, size_t colonnes,
                           int64_t p);

// Runs the draws and writes the table of quantiles on `sortie`, then the
// guard messages of each run in run order, each line prefixed "tirage i : ",
// on `erreurs`.  The scenario must have been checked against this data file.
// A read error of the data file passes to the caller.
void Tirer(const TTirages& tirages, std::ostream& sortie, std::ostream& erreurs);

} // namespace vasco
