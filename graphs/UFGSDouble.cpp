#include "graphs/UFGSDouble.h"

namespace vasco {

void TFGSDouble::TransfertParamDouble(const TParamGraphe& param)
{
    FSerie2 = {param.Code2, param.Couleur2, param.Marque2, QString::fromStdString(param.Nom2)};
    TransfertParam(param);
}

} // namespace vasco
