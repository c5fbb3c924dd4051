// The economic graph: stacked bars of two quantities of each element, such
// as turnover and profit.  A profit shows the costs in green topped by the
// profit in yellow; a loss shows the turnover in green topped by the loss in
// red, so that the whole bar is the larger of turnover and costs.
#pragma once

#include "graphs/ufg.h"

namespace vasco {

class TFGSEco : public TFG {
    Q_OBJECT

public:
    static constexpr int ContexteAide = AideGrapheEco;

    explicit TFGSEco(QWidget* parent = nullptr);

    void Transferer(const TParamGraphe& param) override { TransfertParamEco(param); }
    // As TransfertParam, with the second code; one series, scheme 0, no
    // marker.
    void TransfertParamEco(const TParamGraphe& param);
    int ContexteAideFamille() const override { return ContexteAide; }

protected:
    void TracerHisto(QPainter& p, TTypeGraphe type) override;
    void DessinXY(int index) override;
    int32_t EtiquetteX(int index) const override;
    std::vector<uint8_t> CodesSeries() const override { return {FCode, FCode2}; }

    uint8_t FCode2 = 0;

private:
    void Segment(QPainter& p, TTypeGraphe type, int x, int y1, int y2, uint8_t schema);
};

} // namespace vasco
