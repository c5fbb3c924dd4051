#include "batch/Equilibre.h"

#include "dataset/UDiagramme.h"

namespace vasco {

// In the model's units: the diagram's table with every divisor 1, so that
// the window's CSV and this one are one writer.
void EcrireEquilibre(const TEquilibre& e, bool quantiles, std::ostream& sortie)
{
    EcrireEquilibreEchelles(e, quantiles, {}, sortie);
}

} // namespace vasco
