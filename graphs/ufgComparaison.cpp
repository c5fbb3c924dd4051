// A class's games drawn over the current one.
//
// Each compared game is read at the same list index as the current game's
// element, and its quantity computed with the same Calcul and context, so a
// game compared with itself draws exactly the current game's numbers.  The
// games are aligned by index, that is by period: a game shorter than the
// window simply stops, a longer one goes on past the current game's end.
//
// One or two games are each drawn as a line with markers and a dash pattern
// of its own, so that the picture reads in grey and in print.  From three
// games on, the lines would hide one another: the spread is drawn instead,
// a translucent band from the 5 % to the 95 % quantile of the games that
// reach each period, and their median as a dashed line.  Below 20 games the
// nearest-rank 5 % and 95 % are the minimum and maximum, and the legend
// says so.
#include "graphs/ufg.h"

#include "dataset/UQuantiles.h"
#include "dataset/Ubd.h"
#include "model/Uliste.h"
#include "model/Umessages.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <climits>
#include <cmath>

namespace vasco {

namespace {

// Below this many games a quantile band is the range of the games: the 5 %
// and 95 % ranks are the first and the last.
constexpr size_t PartiesPourQuantiles = 20;
// The band lets the bars and the current game show through.
constexpr double OpaciteBande = 0.35;
// Each of the one or two games drawn one by one has its own dash pattern;
// the median of more games is dashed like the first.
constexpr Qt::PenStyle Traits[] = {Qt::DashLine, Qt::DashDotLine};
constexpr int EpaisseurTrait = 2;
constexpr int DemiMarque = 3;

double Lineaire(double canal)
{
    return canal <= 0.04045 ? canal / 12.92 : std::pow((canal + 0.055) / 1.055, 2.4);
}

double LuminanceRelative(const QColor& c)
{
    return 0.2126 * Lineaire(c.redF()) + 0.7152 * Lineaire(c.greenF()) +
           0.0722 * Lineaire(c.blueF());
}

QColor Melange(const QColor& c, const QColor& vers, double part)
{
    const auto canal = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * part)); };
    return QColor(canal(c.red(), vers.red()), canal(c.green(), vers.green()),
                  canal(c.blue(), vers.blue()));
}

bool Valide(long double v)
{
    return !std::isnan(v);
}

// A compared game's marker: a filled square for the first, a hollow
// diamond for the second.
void Marquer(QPainter& p, QPoint centre, size_t partie)
{
    const int d = DemiMarque;
    if (partie == 0) {
        p.fillRect(centre.x() - d, centre.y() - d, 2 * d + 1, 2 * d + 1, p.pen().color());
        return;
    }
    const QPoint losange[] = {{centre.x(), centre.y() - d - 1},
                              {centre.x() + d + 1, centre.y()},
                              {centre.x(), centre.y() + d + 1},
                              {centre.x() - d - 1, centre.y()}};
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(losange, 4);
}

} // namespace

double Contraste(const QColor& a, const QColor& b)
{
    const double la = LuminanceRelative(a), lb = LuminanceRelative(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor CouleurComparee(const QColor& serie, const QColor& fond)
{
    // Towards black a tenth at a time, from a first step that makes the
    // shade visibly darker than the bars; towards white when even black
    // would not stand out from the background.
    const bool sombre = Contraste(Qt::black, fond) < ContrasteCompare;
    const QColor vers = sombre ? QColor(Qt::white) : QColor(Qt::black);
    QColor c = Melange(serie, vers, 0.5);
    for (int pas = 0; pas < 10 && Contraste(c, fond) < ContrasteCompare; ++pas)
        c = Melange(c, vers, 0.2);
    return Contraste(c, fond) < ContrasteCompare ? vers : c;
}

void TFG::FixerComparaison(std::shared_ptr<const TComparaison> comparaison)
{
    // A size graph past the current game's end keeps its picture while
    // there is nothing new to draw; a picture of compared games must not
    // outlive them.
    if (comparaison_)
        FImage = QImage();
    comparaison_ = std::move(comparaison);
    SituerComparaison();
    Paint();
}

void TFG::SituerComparaison()
{
    ouCompare_ = {};
    bdCompare_ = nullptr;
    const TSupListe* historique = Historique();
    if (!comparaison_ || !historique || !FContexte)
        return;
    Garder("UFG/TFG.FixerComparaison", [&] {
        const auto* bd = dynamic_cast<const TBDVasco*>(&DonneesDe(FContexte));
        if (!bd)
            return;
        ouCompare_ = SituerListe(*bd, *historique);
        bdCompare_ = bd;
    });
}

bool TFG::Compare() const
{
    return comparaison_ && !comparaison_->Parties.empty() && FListe &&
           ouCompare_.Genre != TListeComparee::TGenre::Aucune;
}

bool TFG::ApresLaFin() const
{
    return Compare() && bdCompare_ && int64_t(PeriodeAffichee()) >= bdCompare_->NbPeriodes();
}

int TFG::NombreCompare() const
{
    if (!Compare())
        return 0;
    int nombre = 0;
    const int32_t periode = PeriodeAffichee();
    for (const TPartieComparee& partie : comparaison_->Parties) {
        if (!AxeDesTailles()) {
            nombre = std::max(nombre, partie.Nombre(ouCompare_));
            continue;
        }
        const int classes = partie.NombreClasses(ouCompare_, periode);
        if (classes > 0) {
            const int64_t fin =
                int64_t(partie.PremiereClasse(ouCompare_, periode)) + classes - FListe->Premier;
            nombre = static_cast<int>(std::clamp<int64_t>(fin, nombre, INT_MAX));
        }
    }
    return nombre;
}

bool TFG::FenetreComparee(int& x, int& iMin, int& iMax) const
{
    const int nombre = NombreCompare();
    return nombre > 0 &&
           FenetreDe(int64_t(FListe->Premier) + nombre - 1, nombre, x, iMin, iMax);
}

TEL* TFG::ElementCompare(const TPartieComparee& partie, int index) const
{
    if (!AxeDesTailles())
        return partie.Element(ouCompare_, index);
    // The class of the same size number, the compared game's classes
    // counted from its own first.
    const int32_t periode = PeriodeAffichee();
    const int64_t position =
        int64_t(FListe->Premier) + index - partie.PremiereClasse(ouCompare_, periode);
    if (position < 0 || position > INT_MAX)
        return nullptr;
    return partie.Classe(ouCompare_, periode, static_cast<int>(position));
}

std::vector<TFG::TQuantiteComparee> TFG::QuantitesComparees() const
{
    const std::vector<TSerie> series = Series();
    const bool barres = FType == TTypeGraphe::Histo2D || FType == TTypeGraphe::Histo3D;
    std::vector<TQuantiteComparee> quantites;
    for (size_t rang = 0; rang < series.size(); ++rang) {
        TQuantiteComparee q;
        q.Nom = series[rang].Nom;
        q.Code = series[rang].Code;
        q.Couleur = CouleurPeinte(series[rang]);
        q.Recul = barres ? Recul(rang, series.size()) : 0;
        quantites.push_back(q);
    }
    return quantites;
}

std::vector<long double> TFG::ValeursComparees(const TQuantiteComparee& q, int index) const
{
    const auto valeur = [&](TEL& e) {
        long double v = e.Calcul(q.Code, FContexte);
        if (q.Difference)
            v -= e.Calcul(q.Code2, FContexte);
        return v;
    };
    const std::vector<TPartieComparee>& parties = comparaison_->Parties;
    std::vector<long double> valeurs;
    valeurs.reserve(parties.size());
    for (const TPartieComparee& partie : parties) {
        TEL* e = ElementCompare(partie, index);
        if (e)
            valeurs.push_back(valeur(*e));
        else if (parties.size() <= 2)
            valeurs.push_back(NAN);
    }
    if (parties.size() <= 2)
        return valeurs;
    // Only the games that reach this index count.
    const std::array<long double, 3> q3 = Quantiles(std::span<long double>(valeurs));
    return {q3.begin(), q3.end()};
}

QStringList TFG::NomsCompares() const
{
    if (!Compare())
        return {};
    QStringList suffixes;
    if (comparaison_->Parties.size() <= 2)
        for (const TPartieComparee& partie : comparaison_->Parties)
            suffixes << QString::fromStdString(partie.Nom);
    else
        suffixes << QStringLiteral("q05") << tr("médiane") << QStringLiteral("q95");
    QStringList noms;
    for (const TQuantiteComparee& q : QuantitesComparees())
        for (const QString& suffixe : suffixes)
            noms << q.Nom + ' ' + suffixe;
    return noms;
}

std::vector<long double> TFG::LigneComparee(int index) const
{
    std::vector<long double> ligne;
    for (const TQuantiteComparee& q : QuantitesComparees()) {
        const std::vector<long double> v = ValeursComparees(q, index);
        ligne.insert(ligne.end(), v.begin(), v.end());
    }
    return ligne;
}

void TFG::TracerComparaison(QPainter& p)
{
    int x = FOrigX + 1, iMin = 0, iMax = -1;
    if (!Compare() || !FenetreComparee(x, iMin, iMax))
        return;
    p.save();
    for (const TQuantiteComparee& q : QuantitesComparees()) {
        if (AxeDesTailles())
            TracerTaillesComparees(p, q, x, iMin, iMax);
        else
            TracerPeriodesComparees(p, q, x, iMin, iMax);
    }
    p.restore();
}

void TFG::TracerPeriodesComparees(QPainter& p, const TQuantiteComparee& q, int x, int iMin,
                                  int iMax)
{
    const QColor couleur = CouleurComparee(q.Couleur, FCouleurFond);
    const size_t parties = comparaison_->Parties.size();
    const size_t colonnes = parties <= 2 ? parties : 3;
    // Per column of values, the points of each index, at the middle of the
    // bar and shifted with the series' depth.
    std::vector<std::vector<QPoint>> points(colonnes);
    std::vector<std::vector<bool>> presents(colonnes);
    for (int i = iMin; i <= iMax; ++i) {
        const int milieu = x + (i - iMin) * FLargeur + FLargeur / 2 + q.Recul;
        const std::vector<long double> v = ValeursComparees(q, i);
        for (size_t k = 0; k < colonnes; ++k) {
            points[k].emplace_back(milieu, FY0 - q.Recul - Pixels(Valide(v[k]) ? v[k] : 0));
            presents[k].push_back(Valide(v[k]));
        }
    }
    const size_t n = points.empty() ? 0 : points[0].size();
    // A line through each run of indexes that have a value.
    const auto ligne = [&](size_t k, Qt::PenStyle trait) {
        p.setPen(QPen(couleur, EpaisseurTrait, trait, Qt::FlatCap, Qt::MiterJoin));
        for (size_t i = 1; i < n; ++i)
            if (presents[k][i - 1] && presents[k][i])
                p.drawLine(points[k][i - 1], points[k][i]);
    };
    if (parties <= 2) {
        for (size_t k = 0; k < colonnes; ++k) {
            ligne(k, Traits[k]);
            p.setPen(QPen(couleur, 1));
            for (size_t i = 0; i < n; ++i)
                if (presents[k][i])
                    Marquer(p, points[k][i], k);
        }
        return;
    }
    // The band, run by run of indexes that have it, across the whole
    // columns of the run's ends.
    QColor bande = couleur;
    bande.setAlphaF(OpaciteBande);
    p.setPen(Qt::NoPen);
    p.setBrush(bande);
    const QPoint demi(FLargeur / 2, 0);
    for (size_t debut = 0; debut < n;) {
        if (!presents[0][debut] || !presents[2][debut]) {
            ++debut;
            continue;
        }
        size_t fin = debut;
        while (fin + 1 < n && presents[0][fin + 1] && presents[2][fin + 1])
            ++fin;
        QPolygon contour;
        contour << points[2][debut] - demi;
        for (size_t i = debut; i <= fin; ++i)
            contour << points[2][i];
        contour << points[2][fin] + demi << points[0][fin] + demi;
        for (size_t i = fin + 1; i-- > debut;)
            contour << points[0][i];
        contour << points[0][debut] - demi;
        p.drawPolygon(contour);
        debut = fin + 1;
    }
    p.setBrush(Qt::NoBrush);
    ligne(1, Traits[0]);
}

void TFG::TracerTaillesComparees(QPainter& p, const TQuantiteComparee& q, int x, int iMin,
                                 int iMax)
{
    const QColor couleur = CouleurComparee(q.Couleur, FCouleurFond);
    const size_t parties = comparaison_->Parties.size();
    const size_t colonnes = parties <= 2 ? parties : 3;
    // The step line of a column of values: across each class's bar, joined
    // to the next class's step.
    const auto marches = [&](const std::vector<std::vector<long double>>& v, size_t k) {
        int precedent = INT_MIN;
        for (int i = iMin; i <= iMax; ++i) {
            const long double valeur = v[static_cast<size_t>(i - iMin)][k];
            if (!Valide(valeur)) {
                precedent = INT_MIN;
                continue;
            }
            const int gauche = x + (i - iMin) * FLargeur + q.Recul;
            const int y = FY0 - q.Recul - Pixels(valeur);
            if (precedent != INT_MIN)
                p.drawLine(gauche, precedent, gauche, y);
            p.drawLine(gauche, y, gauche + FLargeur, y);
            precedent = y;
        }
    };
    std::vector<std::vector<long double>> valeurs;
    for (int i = iMin; i <= iMax; ++i)
        valeurs.push_back(ValeursComparees(q, i));
    if (parties <= 2) {
        for (size_t k = 0; k < colonnes; ++k) {
            p.setPen(QPen(couleur, EpaisseurTrait, Traits[k], Qt::FlatCap, Qt::MiterJoin));
            marches(valeurs, k);
        }
        return;
    }
    // The whiskers from the 5 % to the 95 % quantile at the middle of each
    // class, capped, then the median's steps.
    p.setPen(QPen(couleur, 1));
    const int demi = std::max(FLargeur / 4, 1);
    for (int i = iMin; i <= iMax; ++i) {
        const std::vector<long double>& v = valeurs[static_cast<size_t>(i - iMin)];
        if (!Valide(v[0]) || !Valide(v[2]))
            continue;
        const int milieu = x + (i - iMin) * FLargeur + FLargeur / 2 + q.Recul;
        const int bas = FY0 - q.Recul - Pixels(v[0]), haut = FY0 - q.Recul - Pixels(v[2]);
        p.drawLine(milieu, bas, milieu, haut);
        p.drawLine(milieu - demi, bas, milieu + demi, bas);
        p.drawLine(milieu - demi, haut, milieu + demi, haut);
    }
    p.setPen(QPen(couleur, EpaisseurTrait, Traits[0], Qt::FlatCap, Qt::MiterJoin));
    marches(valeurs, 1);
}

void TFG::AjouterLectureComparee(TLecture& lecture, int index) const
{
    int x = 0, iMin = 0, iMax = -1;
    if (!Compare() || !FenetreComparee(x, iMin, iMax) || index < iMin || index > iMax)
        return;
    const int milieu = BordBarre(index) + FLargeur / 2;
    for (const TQuantiteComparee& q : QuantitesComparees()) {
        TLecture::TGroupe groupe{FOrigX + q.Recul, milieu + q.Recul, FY0 - q.Recul, {}};
        for (long double v : ValeursComparees(q, index))
            if (Valide(v))
                groupe.Nombres.push_back({v, FY0 - Pixels(v) - q.Recul});
        if (!groupe.Nombres.empty())
            lecture.Groupes.push_back(std::move(groupe));
    }
}

std::vector<TElementLegende> TFG::ElementsCompares() const
{
    if (!Compare())
        return {};
    const std::vector<TQuantiteComparee> quantites = QuantitesComparees();
    if (quantites.empty())
        return {};
    // The swatches take the front series' shade.
    const QColor couleur = CouleurComparee(quantites.back().Couleur, FCouleurFond);
    const std::vector<TPartieComparee>& parties = comparaison_->Parties;
    std::vector<TElementLegende> elements;
    if (parties.size() <= 2) {
        for (size_t k = 0; k < parties.size(); ++k)
            elements.push_back({QString::fromStdString(parties[k].Nom), couleur, true, Traits[k]});
        return elements;
    }
    QColor bande = couleur;
    bande.setAlphaF(OpaciteBande);
    //: The dashed line of the median of the compared games.
    elements.push_back({tr("médiane de %1 parties").arg(parties.size()), couleur, true, Traits[0]});
    //: The band of the compared games, from the smallest to the largest
    //: value, or from the 5 % to the 95 % quantile with 20 games or more.
    elements.push_back(
        {parties.size() < PartiesPourQuantiles ? tr("min–max") : tr("5–95 %"), bande});
    return elements;
}

std::vector<TElementLegende> TFG::EntreesLegende() const
{
    std::vector<TElementLegende> elements = ElementsLegende();
    const std::vector<TElementLegende> comparees = ElementsCompares();
    elements.insert(elements.end(), comparees.begin(), comparees.end());
    return elements;
}

} // namespace vasco
