#include "graphs/UFGSDouble.h"

#include <utility>

namespace vasco {

void TFGSDouble::TransfertParamDouble(const TParamGraphe& param)
{
    FCode2 = param.Code2;
    FCouleur2 = param.Couleur2;
    FMarque2 = param.Marque2;
    TParamGraphe p = param;
    p.NbSeries = 2;
    p.Serie = 2;
    TransfertParam(p);
}

template <class F>
void TFGSDouble::DeuxSeries(F&& operation)
{
    FSerie = 2;
    operation();
    FSerie = 1;
    std::swap(FCode, FCode2);
    std::swap(FCouleur, FCouleur2);
    std::swap(FMarque, FMarque2);
    operation();
    std::swap(FCode, FCode2);
    std::swap(FCouleur, FCouleur2);
    std::swap(FMarque, FMarque2);
}

void TFGSDouble::PAintGraph()
{
    DeuxSeries([this] { TFG::PAintGraph(); });
}

void TFGSDouble::DessinXY(int index)
{
    DeuxSeries([this, index] { TFG::DessinXY(index); });
}

} // namespace vasco
