// The program's pictures, held in its resources.
#pragma once

namespace vasco {

// Registers the pictures of the program's resources (step control, toolbar,
// icon, logo); called before the first picture is read, as often as wanted.
// The window library is static, so its resources are not registered by
// themselves.
void InitialiserRessources();

} // namespace vasco
