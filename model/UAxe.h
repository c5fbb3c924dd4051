// The top of a graph's Y axis, as the graph windows round it.  In the model
// so that the data set's scales can be checked against what the windows
// will draw without a window.
#pragma once

namespace vasco {

// The top of an axis whose largest value is the larger of a and b: a simple
// decimal value (1.2, 1.5, 1.8, 2, 3, 4, 5, 6, 8 or 10 times a power of ten)
// not below it; pas receives the tick step.  Raises when the largest value
// is not a positive finite number.
long double MaximumArrondi(float a, float b, float& pas);

} // namespace vasco
