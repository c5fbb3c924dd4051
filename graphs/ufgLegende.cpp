// The legend of a graph window: a band across the top of the picture, under
// the window's title and above the plot, where each series is named beside
// a swatch of the colour it is painted in.  The band is part of the
// composed picture, so the saved and copied pictures carry it too; the top
// right corner stays the period number's.
#include "graphs/ufg.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vasco {

namespace {

// Relative luminance of a colour as the contrast of text is measured
// (sRGB channels made linear).
double Luminance(const QColor& c)
{
    const auto lineaire = [](int canal) {
        const double v = canal / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(c.red()) + 0.7152 * lineaire(c.green()) + 0.0722 * lineaire(c.blue());
}

// Black or white, whichever stands out more from the background: the
// names and the swatches' outlines stay readable on every background, and
// a pale swatch (yellow on white) keeps its edge.
QColor Encre(const QColor& fond)
{
    const double l = Luminance(fond);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

void TFG::AfficherLegende(bool afficher)
{
    if (FLegende == afficher)
        return;
    FLegende = afficher;
    Paint();
}

QColor TFG::CouleurPeinte(const TSerie& serie) const
{
    switch (FType) {
    case TTypeGraphe::Points: return Qt::black;
    case TTypeGraphe::Courbe: return FCouleurTexte;
    case TTypeGraphe::Histo2D:
    case TTypeGraphe::Histo3D: break;
    }
    TCouleursBarre c;
    if (!CouleursSchema(serie.Couleur, c))
        CouleursSchema(0, c);
    return c.Face;
}

std::vector<TElementLegende> TFG::ElementsLegende() const
{
    std::vector<TElementLegende> elements;
    for (const TSerie& serie : Series())
        elements.push_back({serie.Nom, CouleurPeinte(serie)});
    return elements;
}

int TFG::DroiteLegende() const
{
    int droite = FFond.width() - QFontMetrics(font()).horizontalAdvance('0');
    if (FAffPeriode) {
        // The room of a four-figure period number, in its own font size.
        QFont police = font();
        police.setPixelSize(std::max(FFond.height() / 10, 1));
        droite -= QFontMetrics(police).horizontalAdvance("0000") + 10;
    }
    return droite;
}

std::vector<QRect> TFG::DisposerLegende(const std::vector<TElementLegende>& elements,
                                        int& lignes) const
{
    const QFontMetrics fm(font());
    const int zero = fm.horizontalAdvance('0');
    const int hauteur = fm.height() + 2;
    const int gauche = zero;
    const int droite = DroiteLegende();
    std::vector<QRect> places;
    int x = gauche, ligne = 0;
    for (const TElementLegende& e : elements) {
        const int largeur = fm.ascent() + zero / 2 + fm.horizontalAdvance(e.Nom);
        // A name too long for a row of its own is cut short of the corner.
        if (x > gauche && x + largeur > droite) {
            ++ligne;
            x = gauche;
        }
        places.emplace_back(x, 2 + ligne * hauteur, largeur, hauteur);
        x += largeur + 2 * zero;
    }
    lignes = elements.empty() ? 0 : ligne + 1;
    return places;
}

int TFG::MesurerLegende() const
{
    // Every entry counts, shown or not: the band keeps its height when the
    // economic window's loss comes and goes.
    int lignes = 0;
    DisposerLegende(EntreesLegende(), lignes);
    return lignes == 0 ? 0 : lignes * (QFontMetrics(font()).height() + 2) + 4;
}

namespace {

std::vector<TElementLegende> Visibles(std::vector<TElementLegende> elements)
{
    std::erase_if(elements, [](const TElementLegende& e) { return !e.Visible; });
    return elements;
}

// The swatch of an entry: a square of the font's ascent, at the left of its
// place and centred in its row.
QRect Case(const QRect& place, int cote)
{
    return {place.x(), place.y() + (place.height() - cote) / 2, cote, cote};
}

} // namespace

std::vector<QRect> TFG::CasesLegende() const
{
    if (FHauteurLegende == 0)
        return {};
    int lignes = 0;
    std::vector<QRect> cases = DisposerLegende(Visibles(EntreesLegende()), lignes);
    const int cote = QFontMetrics(font()).ascent();
    for (QRect& c : cases)
        c = Case(c, cote);
    return cases;
}

void TFG::TracerLegende(QPainter& p)
{
    const std::vector<TElementLegende> elements = Visibles(EntreesLegende());
    int lignes = 0;
    const std::vector<QRect> places = DisposerLegende(elements, lignes);
    p.save();
    // Outside the plot: a bar above the axis' top is cut at the band.
    p.fillRect(0, 0, FImage.width(), FHauteurLegende, FCouleurFond);
    p.setClipRect(0, 0, std::max(DroiteLegende(), 0), FHauteurLegende);
    const QFontMetrics fm = p.fontMetrics();
    p.setPen(Encre(FCouleurFond));
    p.setBrush(Qt::NoBrush);
    for (size_t k = 0; k < elements.size(); ++k) {
        const QRect carre = Case(places[k], fm.ascent());
        // A compared game's line: its dash pattern across the background.
        p.fillRect(carre, elements[k].Trait == Qt::NoPen ? elements[k].Couleur : FCouleurFond);
        if (elements[k].Trait != Qt::NoPen) {
            p.save();
            p.setPen(QPen(elements[k].Couleur, 2, elements[k].Trait, Qt::FlatCap));
            p.drawLine(carre.left() + 1, carre.center().y(), carre.right() - 1, carre.center().y());
            p.restore();
        }
        p.drawRect(carre.adjusted(0, 0, -1, -1));
        p.drawText(carre.right() + 1 + fm.horizontalAdvance('0') / 2,
                   places[k].y() + 1 + fm.ascent(), elements[k].Nom);
    }
    p.restore();
}

} // namespace vasco
