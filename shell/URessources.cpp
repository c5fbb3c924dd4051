#include "shell/URessources.h"

#include <QtGlobal>

// Outside the namespace: Q_INIT_RESOURCE declares a global function.
static void EnregistrerRessourcesVasco()
{
    Q_INIT_RESOURCE(vasco);
}

namespace vasco {

void InitialiserRessources()
{
    static const bool faite = [] {
        EnregistrerRessourcesVasco();
        return true;
    }();
    (void)faite;
}

} // namespace vasco
