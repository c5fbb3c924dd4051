#include "graphs/UFGDyna.h"

#include "model/Uliste.h"

namespace vasco {

TParamGraphe TPeriodesDyna::Transferer(const TParamGraphe& param, int32_t& periode)
{
    FCodeListe = param.CodeListe;
    FListePeriodes = param.Liste;
    periode = param.Magneto ? param.Magneto->PositionCourante() : 0;
    TParamGraphe base = param;
    base.Magneto = nullptr;
    base.Liste = nullptr;
    if (FListePeriodes && !FListePeriodes->Vide()) {
        base.Liste = FListePeriodes->Element(0).SousListe(FCodeListe);
        FMagnetoDyna = param.Magneto;
    }
    return base;
}

bool TPeriodesDyna::Choisir(TSupListe*& liste, int32_t& periode) const
{
    if (!FListePeriodes || FListePeriodes->Vide()) {
        liste = nullptr;
        return false;
    }
    const int32_t p = Position(periode);
    if (p < 0 || p >= FListePeriodes->Nombre()) {
        // The picture stays that of the last period shown; the first
        // period's sub-list always exists while the periods do.
        liste = FListePeriodes->Element(0).SousListe(FCodeListe);
        return false;
    }
    liste = FListePeriodes->Element(p).SousListe(FCodeListe);
    periode = p;
    return liste != nullptr;
}

TFGDyna::TFGDyna(QWidget* parent) : TFG(parent)
{
    setWindowTitle(tr("Graphique Dynamique"));
}

void TFGDyna::TransfertParamDyna(const TParamGraphe& param)
{
    TransfertParam(Periodes.Transferer(param, FPeriode));
}

} // namespace vasco
