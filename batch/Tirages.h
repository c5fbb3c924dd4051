// vasco-batch --tirages: many runs of one fishery with different seeds, and
// per period the 5 %, 50 % and 95 % quantiles of every column of the CSV.
//
// Run i (from 1) is seeded with (G + i * 2654435761) mod 2^32: the constant
// is 2^32 divided by the golden ratio, so that neighbouring runs start far
// apart in the generator's cycle.  Each run draws exactly what a plain run
// with that seed would draw, and the runs share nothing but the data file's
// bytes, so spreading them over threads changes neither their figures nor
// the output.
#pragma once

#include "dataset/UScenario.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vasco {

uint32_t GraineTirage(uint32_t graine, int64_t tirage);

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

// Runs the draws and writes the table of quantiles on `sortie`, then the
// guard messages of each run in run order, each line prefixed "tirage i : ",
// on `erreurs`.  The scenario must have been checked against this data file.
// A read error of the data file passes to the caller.
void Tirer(const TTirages& tirages, std::ostream& sortie, std::ostream& erreurs);

// The q-quantile (q in hundredths) of n values taken by nearest rank: the
// rank ceil(q n / 100), from 1, in increasing order.
int64_t RangQuantile(int64_t n, int centiemes);

} // namespace vasco
