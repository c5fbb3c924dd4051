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
    void TracerBarre(QPainter& p, const TSerie& serie, int index, QPoint pied) override;
    int32_t EtiquetteX(int index) const override;
    TLecture Lecture(int index) const override;
    const char* LieuLecture() const override { return "UFGSEco/TFGSEco.DessinXY"; }
    std::vector<uint8_t> CodesTableau() const override { return {FSerie.Code, FCode2}; }
    QStringList NomsSeries() const override { return {tr("Chiffre d'affaires"), tr("Bénéfice")}; }

    uint8_t FCode2 = 0;
};

} // namespace vasco
