// The graph side of the main window: what it keeps for its graph windows.
#pragma once

namespace vasco {

struct TPartieGraphes {};

} // namespace vasco
