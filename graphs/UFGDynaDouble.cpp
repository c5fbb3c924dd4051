#include "graphs/UFGDynaDouble.h"

#include "model/Umessages.h"

namespace vasco {

void TFGDynaDouble::TransfertParamDynaDouble(const TParamGraphe& param)
{
    TransfertParamDouble(Periodes.Transferer(param, FPeriode));
}

void TFGDynaDouble::PAintGraph()
{
    Garder("UFGDynaDouble/TFGDynaDouble.ScrollDynaDouble", [this] { TFGSDouble::PAintGraph(); });
}

} // namespace vasco
