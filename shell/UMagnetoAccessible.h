// The step control as assistive technology sees it: a named group of nine
// push buttons, each pressed as the mouse presses it, whose names and
// descriptions come from the control's own table.
#pragma once

#include "shell/UMagneto.h"

namespace vasco {

// Lets Qt build the step control's accessible interface instead of a plain
// widget's; the first call installs it, the others do nothing.
void InstallerMagnetoAccessible();

// Tells assistive technology what changed between two looks at the control:
// each button that became pressable or not, and the position described.
void AnnoncerMagneto(TMagneto& magneto, const TMagneto::TAnnonce& avant,
                     const TMagneto::TAnnonce& apres);

} // namespace vasco
