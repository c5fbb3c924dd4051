// The window side of the list feeders: each family of graph windows and
// the transfer operation that hands it a feeder's parameter block.
#pragma once

#include "graphs/ufg.h"

#include <memory>

namespace vasco {

// A new, empty window of a family; raises for an unknown family.
std::unique_ptr<TFG> CreerGraphe(TFamilleGraphe famille);

} // namespace vasco
