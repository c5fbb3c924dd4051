// Hand-made lists and pixel helpers for the graph window tests.
#pragma once

#include "graphs/ufg.h"
#include "model/Uliste.h"

#include <QImage>
#include <initializer_list>
#include <memory>

namespace vasco::test {

constexpr uint8_t CodeA = 1, CodeB = 2, CodeEchec = 3;

// An element with two given quantities (codes 1 and 2), a quantity that
// fails (code 3) and, for dynamic graphs, the list of one period.
class ValeurFixe : public TEL {
public:
    long double A = 0, B = 0;
    std::unique_ptr<TSupListe> Sous;

    long double Calcul(uint8_t code, TContexte*) override
    {
        if (code == CodeEchec)
            throw ErreurModele("valeur");
        return code == CodeB ? B : A;
    }
    TSupListe* SousListe(uint8_t) override { return Sous.get(); }
};

inline ValeurFixe& Ajouter(TSupListe& liste, long double a, long double b = 0)
{
    auto e = std::make_unique<ValeurFixe>();
    e->A = a;
    e->B = b;
    ValeurFixe& r = *e;
    liste.AjouterElement(std::move(e), nullptr);
    return r;
}

inline void Remplir(TSupListe& liste, std::initializer_list<long double> valeurs)
{
    for (long double v : valeurs)
        Ajouter(liste, v);
}

// A block for a window of 'type' over the whole list, white background,
// series named "Série A" and "Série B", without legend.
TParamGraphe Param(TSupListe& liste, float yMin, float yMax,
                   TTypeGraphe type = TTypeGraphe::Histo2D);

inline QColor Pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The first row from the top of a column that is not of the background.
inline int PremiereLigne(const QImage& image, int x, QColor fond = Qt::white, int depuis = 0)
{
    for (int y = depuis; y < image.height(); ++y)
        if (image.pixelColor(x, y) != fond)
            return y;
    return -1;
}

// The top row of the plot, below the titles.
inline int HautDuTrace(const TFG& g)
{
    return g.Y0() - int(g.YMax() * g.Echelle()) - 1;
}

// The centre column of the bar at a slot of the plot.
inline int CentreBarre(const TFG& g, int slot)
{
    return g.OrigX() + 1 + slot * g.Largeur() + g.Largeur() / 2;
}

// The top row of a bar of value v, as the window computes it.
inline int Sommet(const TFG& g, long double v)
{
    return g.Y0() - int(v * g.Echelle());
}

} // namespace vasco::test
