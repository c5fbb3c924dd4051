// Two series of the same elements on one axis, such as the biomass and the
// spawning biomass: the first drawn behind (one depth step up and to the
// right in three dimensions), the second in front.
#pragma once

#include "graphs/ufg.h"

namespace vasco {

class TFGSDouble : public TFG {
    Q_OBJECT

public:
    explicit TFGSDouble(QWidget* parent = nullptr) : TFG(parent) {}

    void Transferer(const TParamGraphe& param) override { TransfertParamDouble(param); }
    // As TransfertParam, with the code, scheme and marker of the second
    // series.
    void TransfertParamDouble(const TParamGraphe& param);

protected:
    std::vector<TSerie> Series() const override { return {FSerie, FSerie2}; }

    TSerie FSerie2{0, 0, '*', {}};
};

} // namespace vasco
