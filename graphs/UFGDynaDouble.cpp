#include "graphs/UFGDynaDouble.h"

namespace vasco {

void TFGDynaDouble::TransfertParamDynaDouble(const TParamGraphe& param)
{
    TransfertParamDouble(Periodes.Transferer(param, FPeriode));
}

} // namespace vasco
