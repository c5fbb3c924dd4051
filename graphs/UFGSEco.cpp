#include "graphs/UFGSEco.h"

#include "model/Uliste.h"

namespace vasco {

TFGSEco::TFGSEco(QWidget* parent) : TFG(parent)
{
    setWindowTitle(tr("Graphique Economique"));
}

void TFGSEco::TransfertParamEco(const TParamGraphe& param)
{
    FCode2 = param.Code2;
    TParamGraphe p = param;
    p.Couleur = 0;
    p.Marque = ' ';
    TransfertParam(p);
}

void TFGSEco::TracerBarre(QPainter& p, const TSerie& serie, int index, QPoint pied)
{
    const long double a = Valeur(index, serie.Code), b = Valeur(index, FCode2);
    const int y0 = pied.y(), ya = y0 - Pixels(a), yab = y0 - Pixels(a - b);
    // With a profit the base is the costs (a - b) and the profit sits on
    // top; with a loss the base is the turnover and the loss reaches up to
    // the costs.
    const int jonction = b > 0 ? yab : ya;
    const int sommet = b > 0 ? ya : yab;
    TracerPave(p, pied.x(), y0, jonction, 0);
    TracerPave(p, pied.x(), jonction, sommet, b > 0 ? 4 : 2);
}

TLecture TFGSEco::Lecture(int index) const
{
    // The turnover and the costs, on one vertical line from the higher of
    // the two; in relief the line runs through the bar's side.
    const long double a = Valeur(index, FSerie.Code);
    const long double c = a - Valeur(index, FCode2);
    const int x =
        BordBarre(index) + (FType == TTypeGraphe::Histo3D ? FLargeur * 7 / 10 : FLargeur / 2);
    return {{{FOrigX, x, FY0, {{a, FY0 - Pixels(a)}, {c, FY0 - Pixels(c)}}}}};
}

int32_t TFGSEco::EtiquetteX(int index) const
{
    return FListe->Premier + index - FXMin + 1;
}

} // namespace vasco
