// Dynamic graphs: the size composition of one period, the period selected
// by the step control.  The feeder's list holds one element per period;
// the window draws the sub-list of the selected period and follows the step
// control backwards and forwards.  Its X axis counts size classes and is
// never scrolled.
#pragma once

#include "graphs/ufg.h"

namespace vasco {

// The periods a dynamic window draws from, and the step control that
// selects one of them.
struct TPeriodesDyna {
    TMagnetoBase* FMagnetoDyna = nullptr;
    uint8_t FCodeListe = 0;
    TSupListe* FListePeriodes = nullptr;

    // Keeps the periods of a parameter block and gives the block for the
    // base window: the first period's sub-list, no step control.
    TParamGraphe Transferer(const TParamGraphe& param, int32_t& periode);
    // The sub-list of the selected period; false when the position lies
    // outside the periods, leaving a sub-list that is safe to read.
    bool Choisir(TSupListe*& liste, int32_t& periode) const;
    // The step control's position, or the period kept without one.
    int32_t Position(int32_t periode) const
    {
        return FMagnetoDyna ? FMagnetoDyna->PositionCourante() : periode;
    }
};

class TFGDyna : public TFG {
    Q_OBJECT

public:
    static constexpr int ContexteAide = AideGrapheDyna;

    explicit TFGDyna(QWidget* parent = nullptr);

    void Transferer(const TParamGraphe& param) override { TransfertParamDyna(param); }
    void TransfertParamDyna(const TParamGraphe& param);
    int ContexteAideFamille() const override { return ContexteAide; }

protected:
    bool ChoisirListe() override { return Periodes.Choisir(FListe, FPeriode); }
    bool AxeDesTailles() const override { return true; }
    // The compared games' classes are those of the selected period, drawn
    // even past the current game's end.
    const TSupListe* Historique() const override { return Periodes.FListePeriodes; }
    int32_t PeriodeAffichee() const override { return Periodes.Position(FPeriode); }

    TPeriodesDyna Periodes;
};

} // namespace vasco
