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
    // series; two series.
    void TransfertParamDouble(const TParamGraphe& param);
    void PAintGraph() override;

protected:
    void DessinXY(int index) override;
    std::vector<uint8_t> CodesSeries() const override { return {FCode, FCode2}; }

    uint8_t FCode2 = 0;
    uint8_t FCouleur2 = 0;
    char FMarque2 = '*';

private:
    // Runs a base operation for the first series, then for the second with
    // its code, scheme and marker in place of the first's.
    template <class F>
    void DeuxSeries(F&& operation);
};

} // namespace vasco
