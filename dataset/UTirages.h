// Many runs of one fishery: each from the data file's bytes, on a thread of
// its own, seeded so that its draws depend on its number only; and the
// quantiles of their figures.  vasco-batch --tirages and the equilibrium
// runs both go through here, so that spreading runs over threads never
// changes a figure.
//
// Run i (from 1) is seeded with (G + i * 2654435761) mod 2^32: the constant
// is 2^32 divided by the golden ratio, so that neighbouring runs start far
// apart in the generator's cycle.  Each run draws exactly what a plain run
// with that seed would draw, and the runs share nothing but the data file's
// bytes and the checked scenario, which they only read.
#pragma once

#include "dataset/UQuantiles.h"
#include "dataset/UScenario.h"
#include "dataset/Ubd.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace vasco {

uint32_t GraineTirage(uint32_t graine, int64_t tirage);

// One run of a fishery, as a plain run with its seed would go.
struct TExecution {
    const std::string* Donnees = nullptr; // the data file's bytes
    const TScenario* Scenario = nullptr;  // checked against this data file
    int64_t Periodes = 0;
    uint32_t Graine = 0;
    bool Recrutement = false;
    bool Croissance = false;
    // Looked at between periods: once set, the run stops there.
    const std::atomic<bool>* Annuler = nullptr;
};

// Runs on the calling thread, with its own generator state, host, data set
// and message receiver: loads the bytes, then for p = 1 .. Periodes applies
// the scenario lines of period p - 1, steps, and calls apresPas(bd, p).
// Each guard message lands in `messages` as one line, prefixed by `prefixe`.
// Returns false when cancelled.  A read error of the data file passes to
// the caller.
bool Executer(const TExecution& execution, std::string_view prefixe, std::string& messages,
              const std::function<void(const TBDVasco&, int64_t)>& apresPas);

// Calls f(0) ... f(n - 1) on `fils` threads, each index once; the first
// failure in index order passes to the caller once every thread is done.
template <class F>
void ParFils(int64_t n, unsigned fils, F&& f)
{
    std::vector<std::exception_ptr> echecs(static_cast<size_t>(std::max<int64_t>(n, 0)));
    std::atomic<int64_t> suivant{0};
    const auto travailler = [&] {
        for (int64_t i; (i = suivant.fetch_add(1, std::memory_order_relaxed)) < n;) {
            try {
                f(i);
            } catch (...) {
                echecs[static_cast<size_t>(i)] = std::current_exception();
            }
        }
    };
    std::vector<std::thread> autres;
    const int64_t nombre = std::min<int64_t>(std::max(fils, 1u), n);
    for (int64_t t = 1; t < nombre; ++t)
        autres.emplace_back(travailler);
    travailler();
    for (std::thread& t : autres)
        t.join();
    for (const std::exception_ptr& e : echecs)
        if (e)
            std::rethrow_exception(e);
}

} // namespace vasco
