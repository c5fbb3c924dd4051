#include "graphs/UFGSEco.h"

#include "model/Uliste.h"

#include <QPainter>
#include <algorithm>

namespace vasco {

TFGSEco::TFGSEco(QWidget* parent) : TFG(parent)
{
    setWindowTitle("Graphique Economique");
}

void TFGSEco::TransfertParamEco(const TParamGraphe& param)
{
    FCode2 = param.Code2;
    TParamGraphe p = param;
    p.NbSeries = 1;
    p.Serie = 1;
    p.Couleur = 0;
    p.Marque = ' ';
    TransfertParam(p);
}

void TFGSEco::Segment(QPainter& p, TTypeGraphe type, int x, int y1, int y2, uint8_t schema)
{
    FixerCouleurs(schema);
    int bas = std::max(y1, y2), haut = std::min(y1, y2);
    if (type == TTypeGraphe::Histo2D)
        TracerUnHisto2D(p, x, bas, haut);
    else
        TracerUnHisto3(p, x, bas, haut);
}

void TFGSEco::TracerHisto(QPainter& p, TTypeGraphe type)
{
    Garder("UFG/TFG.TracerHisto", [&] {
        int x = FOrigX + 1;
        int iMin = 0, iMax = -1;
        if (!CalculIminImax(x, iMin, iMax))
            return;
        for (int i = iMin; i <= iMax; ++i) {
            const long double a = Valeur(i, FCode), b = Valeur(i, FCode2);
            const int ya = FY0 - Pixels(a), yab = FY0 - Pixels(a - b);
            // With a profit the base is the costs (a - b) and the profit sits
            // on top; with a loss the base is the turnover and the loss
            // reaches up to the costs.
            const int jonction = b > 0 ? yab : ya;
            const int sommet = b > 0 ? ya : yab;
            Segment(p, type, x, FY0, jonction, 0);
            Segment(p, type, x, jonction, sommet, b > 0 ? 4 : 2);
            x += FLargeur;
        }
    });
}

void TFGSEco::DessinXY(int index)
{
    Garder("UFGSEco/TFGSEco.DessinXY", [&] {
        if (!FListe || index < 0 || index >= FListe->Nombre())
            return;
        FEcran = FImage;
        QPainter p(&FEcran);
        Preparer(p);
        const QFontMetrics fm = p.fontMetrics();
        const long double a = Valeur(index, FCode);
        const long double c = a - Valeur(index, FCode2);
        const int ya = FY0 - Pixels(a), yc = FY0 - Pixels(c);
        const int x =
            BordBarre(index) + (FType == TTypeGraphe::Histo3D ? FLargeur * 7 / 10 : FLargeur / 2);
        // The higher of the two values gets its line down to the axis.
        const int haut = std::min(ya, yc), bas = std::max(ya, yc);
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        p.setPen(QPen(FCouleurTexte, 0, Qt::SolidLine));
        p.drawLine(FOrigX, haut, x - 1, haut);
        p.drawLine(x, haut, x, FY0);
        if (bas != haut)
            p.drawLine(FOrigX, bas, x - 1, bas);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        const int h = fm.height() + 2;
        EcritNumBitMap(p, FOrigX + 2, ya - h > 0 ? ya - h : 0, a);
        EcritNumBitMap(p, FOrigX + 2, yc - h > 0 ? yc - h : 0, c);
        EcritNumBitMap(p, x - fm.horizontalAdvance("XXX"), FY0 + 8, EtiquetteX(index));
    });
    update();
}

int32_t TFGSEco::EtiquetteX(int index) const
{
    return FListe->Premier + index - FXMin + 1;
}

} // namespace vasco
