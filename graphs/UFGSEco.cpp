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
    FNom2 = QString::fromStdString(param.Nom2);
    FNomCouts = QString::fromStdString(param.NomCouts);
    FNomPerte = QString::fromStdString(param.NomPerte);
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

std::vector<long double> TFGSEco::ValeursColonnes(int index) const
{
    const long double ca = Valeur(index, FSerie.Code), benefice = Valeur(index, FCode2);
    return {ca, ca - benefice, benefice};
}

std::vector<TElementLegende> TFGSEco::ElementsLegende() const
{
    // The loss is named only while a period at a loss is in the window.  A
    // profit that cannot be computed is the picture's to report; the legend
    // then leaves the loss out.
    bool perte = false;
    int x = 0, iMin = 0, iMax = -1;
    try {
        if (FListe && Fenetre(x, iMin, iMax))
            for (int i = iMin; i <= iMax && !perte; ++i)
                perte = Valeur(i, FCode2) < 0;
    } catch (...) {
        perte = false;
    }
    const auto couleur = [this](uint8_t schema) {
        return CouleurPeinte({FSerie.Code, schema, ' ', {}});
    };
    return {{FNomCouts, couleur(0)}, {FNom2, couleur(4)}, {FNomPerte, couleur(2), perte}};
}

std::vector<TFG::TQuantiteComparee> TFGSEco::QuantitesComparees() const
{
    // The turnover in the profit's colour, which tops it when there is a
    // profit; the costs in the colour of the bar's base.
    const auto couleur = [this](uint8_t schema) {
        return CouleurPeinte({FSerie.Code, schema, ' ', {}});
    };
    return {{FSerie.Nom, FSerie.Code, false, 0, couleur(4), 0},
            {FNomCouts, FSerie.Code, true, FCode2, couleur(0), 0}};
}

int32_t TFGSEco::EtiquetteX(int index) const
{
    return FListe->Premier + index - FXMin + 1;
}

} // namespace vasco
