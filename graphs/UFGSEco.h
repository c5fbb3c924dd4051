// The economic graph: stacked bars of two quantities of each element, such
// as turnover and profit.  A profit shows the costs in green topped by the
// profit in yellow; a loss shows the turnover in green topped by the loss in
// red, so that the whole bar is the larger of turnover and costs.
//
// Its legend names what is painted (costs, profit, and the loss when one is
// drawn); its table of values gives turnover, costs and profit, the costs
// being the turnover less the profit, as painted.
//
// Compared games are drawn as their turnover and their costs, the two tops
// of the bar that the read-out shows.
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
    QStringList NomsColonnes() const override { return {FSerie.Nom, FNomCouts, FNom2}; }
    std::vector<long double> ValeursColonnes(int index) const override;
    std::vector<TElementLegende> ElementsLegende() const override;
    std::vector<TQuantiteComparee> QuantitesComparees() const override;

    uint8_t FCode2 = 0;
    QString FNom2, FNomCouts, FNomPerte;
};

} // namespace vasco
