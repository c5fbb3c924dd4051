// Two series of the size composition of the period selected by the step
// control, such as the population and the catches by size.
#pragma once

#include "graphs/UFGDyna.h"
#include "graphs/UFGSDouble.h"

namespace vasco {

class TFGDynaDouble : public TFGSDouble {
    Q_OBJECT

public:
    static constexpr int ContexteAide = AideGrapheDynaDouble;

    explicit TFGDynaDouble(QWidget* parent = nullptr) : TFGSDouble(parent) {}

    void Transferer(const TParamGraphe& param) override { TransfertParamDynaDouble(param); }
    void TransfertParamDynaDouble(const TParamGraphe& param);
    int ContexteAideFamille() const override { return ContexteAide; }

protected:
    bool ChoisirListe() override { return Periodes.Choisir(FListe, FPeriode); }
    bool AxeDesTailles() const override { return true; }
    const TSupListe* Historique() const override { return Periodes.FListePeriodes; }
    int32_t PeriodeAffichee() const override { return Periodes.Position(FPeriode); }

    TPeriodesDyna Periodes;
};

} // namespace vasco
