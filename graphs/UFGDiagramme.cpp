// The bio-economic diagram's picture: axes, curves and their bands, the
// marker lines, the paths and the legend band.  The table, the read-out,
// the files and the options bar are in UFGDiagrammeFenetre.cpp.
#include "graphs/UFGDiagramme.h"

#include "dataset/UDiagramme.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QStringList>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace vasco {

namespace {

// The species' colours on the production diagram, in file order.
const QColor CouleursEspeces[] = {QColor(0, 140, 0),   QColor(200, 120, 0), QColor(160, 0, 160),
                                  QColor(0, 150, 150), QColor(120, 80, 40), QColor(90, 90, 90)};
// The compared games' paths, then the median's.
const QColor CouleursComparees[] = {QColor(230, 120, 0), QColor(0, 150, 170)};
const QColor CouleurMediane(230, 120, 0);

// A round step for about `n` intervals over a range: 1, 2 or 5 times a power
// of ten.
double Pas(double etendue, int n)
{
    if (!(etendue > 0) || !std::isfinite(etendue))
        return 1;
    const double brut = etendue / n;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    for (double m : {1.0, 2.0, 5.0})
        if (brut <= m * puissance * 1.0000001)
            return m * puissance;
    return 10 * puissance;
}

void Ecrire(QPainter& p, int x, int y, const QString& texte)
{
    p.drawText(x, y + p.fontMetrics().ascent(), texte);
}

} // namespace

TFGDiagramme::TFGDiagramme(TGenreDiagramme genre, QWidget* parent) : QWidget(parent), genre_(genre)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setFocusPolicy(Qt::StrongFocus);
    setProperty(ProprieteAide, ContexteAide);
    InstallerAccessibiliteGraphes();
    // As the graph windows: a pixel-sized font without antialiasing draws
    // the same on the screen and in the pictures.
    QFont police = font();
    police.setPixelSize(QFontInfo(police).pixelSize());
    police.setStyleStrategy(QFont::NoAntialias);
    setFont(police);
    joueur_ = {tr("Votre partie"), {}, Qt::black, false};
    setWindowTitle(genre == TGenreDiagramme::Economie ? tr("Diagramme bio-économique")
                                                      : tr("Production d'équilibre"));
}

void TFGDiagramme::FixerEchelles(const TEchellesDiagramme& echelles)
{
    echelles_ = echelles;
    Composer();
}

void TFGDiagramme::FixerEquilibre(std::shared_ptr<const TEquilibre> equilibre, bool quantiles,
                                  const TReferenceChemin& reference)
{
    equilibre_ = std::move(equilibre);
    quantiles_ = quantiles;
    reference_ = reference;
    if (equilibre_)
        message_.clear();
    RecalculerCompares();
    Composer();
}

void TFGDiagramme::FixerMessage(const QString& message)
{
    message_ = message;
    Composer();
}

void TFGDiagramme::FixerChemin(const TChemin& chemin)
{
    chemin_ = chemin;
    joueur_.Chemin = chemin;
    Composer();
}

void TFGDiagramme::FixerComparaison(std::shared_ptr<const TComparaison> comparaison)
{
    comparaison_ = std::move(comparaison);
    RecalculerCompares();
    Composer();
}

void TFGDiagramme::RecalculerCompares()
{
    compares_.clear();
    if (!comparaison_ || comparaison_->Parties.empty() || reference_.Navires.empty())
        return;
    const int metiers = static_cast<int>(reference_.Navires.size());
    std::vector<TChemin> chemins;
    for (const TPartieComparee& partie : comparaison_->Parties)
        chemins.push_back(
            CalculerChemin(TSourceComparee(partie, metiers), reference_, partie.Periodes));
    if (chemins.size() <= 2) {
        for (size_t i = 0; i < chemins.size(); ++i)
            compares_.push_back({QString::fromStdString(comparaison_->Parties[i].Nom), chemins[i],
                                 CouleursComparees[i], false});
        return;
    }
    compares_.push_back({tr("Médiane de %1 parties").arg(chemins.size()), CheminMedian(chemins),
                         CouleurMediane, true});
}

std::vector<TFGDiagramme::TCourbe> TFGDiagramme::Courbes() const
{
    std::vector<TCourbe> courbes;
    if (genre_ == TGenreDiagramme::Economie) {
        courbes.push_back({tr("Chiffre d'affaires"), ChiffreEq::CA, QColor(0, 0, 191)});
        courbes.push_back({tr("Coûts"), ChiffreEq::Couts, QColor(191, 0, 0)});
        courbes.push_back({tr("Bénéfice"), ChiffreEq::Benefice, QColor(0, 140, 0)});
        // The rent differs from the profit only where subsidies and taxes
        // do not cancel out.
        bool aides = false;
        if (equilibre_)
            for (const TPointEquilibre& point : equilibre_->Grille)
                aides = aides || point.Chiffres[ChiffreEq::SubventionsNettes].Q50 != 0;
        if (aides)
            courbes.push_back(
                {tr("Rente (sans subventions ni taxes)"), ChiffreEq::Rente, QColor(160, 0, 160), true});
        return courbes;
    }
    courbes.push_back({tr("Poids débarqué"), ChiffreEq::PoidsDebarque, QColor(0, 0, 191)});
    if (equilibre_)
        for (size_t e = 0; e < equilibre_->Especes.size(); ++e)
            courbes.push_back({tr("%1 : biomasse féconde").arg(QString::fromStdString(
                                   equilibre_->Especes[e])),
                               ChiffreEq::PremiereEspece + static_cast<int>(e),
                               CouleursEspeces[e % std::size(CouleursEspeces)], false, true});
    return courbes;
}

double TFGDiagramme::ValeurGauche(const TPointEquilibre& point, int chiffre, int quantile) const
{
    const TChiffre& c = point.Chiffres.at(static_cast<size_t>(chiffre));
    const double q = quantile == 0 ? c.Q05 : quantile == 2 ? c.Q95 : c.Q50;
    return EnEchelle(q, chiffre, {echelles_.Monnaie, echelles_.Poids});
}

double TFGDiagramme::Valeur(const TPointEquilibre& point, const TCourbe& courbe,
                            int quantile) const
{
    return ValeurGauche(point, courbe.Chiffre, quantile);
}

double TFGDiagramme::YChemin(const TPointChemin& point) const
{
    return genre_ == TGenreDiagramme::Economie
               ? EnEchelle(point.CA, ChiffreEq::CA, {echelles_.Monnaie, echelles_.Poids})
               : EnEchelle(point.Poids, ChiffreEq::PoidsDebarque,
                           {echelles_.Monnaie, echelles_.Poids});
}

std::vector<const TCheminNomme*> TFGDiagramme::TousLesChemins() const
{
    std::vector<const TCheminNomme*> chemins;
    for (const TCheminNomme& c : compares_)
        chemins.push_back(&c);
    chemins.push_back(&joueur_);
    return chemins;
}

QString TFGDiagramme::Unite(bool droite) const
{
    if (droite)
        return QStringLiteral("%");
    return genre_ == TGenreDiagramme::Economie ? echelles_.UniteMonnaie : echelles_.UnitePoids;
}

std::vector<TElementLegende> TFGDiagramme::Legende() const
{
    std::vector<TElementLegende> elements;
    for (const TCourbe& c : Courbes())
        elements.push_back({c.Nom, c.Couleur});
    for (const TCheminNomme* c : TousLesChemins())
        elements.push_back({c->Nom, c->Couleur});
    return elements;
}

void TFGDiagramme::CalculerAxes()
{
    xMin_ = 0;
    xMax_ = 1;
    double bas = 0, haut = 0;
    bool valeurs = false;
    const auto tenir = [&](double v) {
        if (!std::isfinite(v))
            return;
        bas = valeurs ? std::min(bas, v) : std::min(0.0, v);
        haut = valeurs ? std::max(haut, v) : std::max(0.0, v);
        valeurs = true;
    };
    if (equilibre_ && !equilibre_->Grille.empty()) {
        xMin_ = equilibre_->Grille.front().Facteur;
        xMax_ = std::max(equilibre_->Grille.back().Facteur, 1.0);
        for (const TPointEquilibre& point : equilibre_->Grille)
            for (const TCourbe& c : Courbes())
                if (!c.Droite)
                    for (int q = 0; q < 3; ++q)
                        tenir(Valeur(point, c, q));
    }
    for (const TCheminNomme* c : TousLesChemins())
        for (const TPointChemin& point : c->Chemin.Points) {
            xMax_ = std::max(xMax_, point.X);
            tenir(YChemin(point));
        }
    pasX_ = Pas(xMax_ - xMin_, 6);
    xMax_ = std::ceil(xMax_ / pasX_ - 1e-9) * pasX_;
    if (!(haut > bas))
        haut = bas + 1;
    pasY_ = Pas(haut - bas, 5);
    yMin_ = std::floor(bas / pasY_ + 1e-9) * pasY_;
    yMax_ = std::ceil(haut / pasY_ - 1e-9) * pasY_;
}

int TFGDiagramme::ColonneX(double f) const
{
    const double t = (f - xMin_) / (xMax_ - xMin_);
    return trace_.left() + static_cast<int>(std::lround(std::clamp(t, -10.0, 10.0) * trace_.width()));
}

int TFGDiagramme::LigneY(double valeur, bool droite) const
{
    const double t = droite ? valeur / 100 : (valeur - yMin_) / (yMax_ - yMin_);
    if (!std::isfinite(t))
        return trace_.bottom();
    return trace_.bottom() -
           static_cast<int>(std::lround(std::clamp(t, -10.0, 10.0) * trace_.height()));
}

QString TFGDiagramme::Nombre(double v) const
{
    if (!std::isfinite(v))
        return QStringLiteral("—");
    QString texte = QLocale().toString(v, 'g', 6);
    return texte;
}

int TFGDiagramme::MesurerLegende() const
{
    if (!legende_)
        return 0;
    const QFontMetrics fm(font());
    const int zero = fm.horizontalAdvance('0');
    int x = zero, lignes = 1;
    for (const TElementLegende& e : Legende()) {
        const int largeur = fm.ascent() + zero / 2 + fm.horizontalAdvance(e.Nom);
        if (x > zero && x + largeur > width() - zero) {
            ++lignes;
            x = zero;
        }
        x += largeur + 2 * zero;
    }
    return lignes * (fm.height() + 2) + 4;
}

void TFGDiagramme::TracerLegende(QPainter& p)
{
    const QFontMetrics fm = p.fontMetrics();
    const int zero = fm.horizontalAdvance('0');
    const int hauteur = fm.height() + 2;
    int x = zero, ligne = 0;
    p.save();
    p.setBrush(Qt::NoBrush);
    for (const TElementLegende& e : Legende()) {
        const int largeur = fm.ascent() + zero / 2 + fm.horizontalAdvance(e.Nom);
        if (x > zero && x + largeur > width() - zero) {
            ++ligne;
            x = zero;
        }
        const int y = 2 + ligne * hauteur;
        const QRect carre(x, y + (hauteur - fm.ascent()) / 2, fm.ascent(), fm.ascent());
        p.fillRect(carre, e.Couleur);
        p.setPen(Qt::black);
        p.drawRect(carre.adjusted(0, 0, -1, -1));
        p.drawText(carre.right() + 1 + zero / 2, y + 1 + fm.ascent(), e.Nom);
        x += largeur + 2 * zero;
    }
    p.restore();
}

void TFGDiagramme::Composer()
{
    const QSize taille = size().expandedTo(QSize(1, 1));
    image_ = QImage(taille, QImage::Format_RGB32);
    image_.fill(Qt::white);
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(font());
    const QFontMetrics fm = p.fontMetrics();
    hauteurLegende_ = MesurerLegende();
    CalculerAxes();
    const bool droite = genre_ == TGenreDiagramme::Production;
    const int marge = fm.horizontalAdvance("-0000000") + 8;
    const int haut = hauteurLegende_ + 4 * fm.height() + 4;
    const int bas = 3 * fm.height() + 6;
    trace_ = QRect(QPoint(marge, haut),
                   QPoint(taille.width() - (droite ? marge : fm.horizontalAdvance("000")),
                          taille.height() - bas));
    if (trace_.width() < 10 || trace_.height() < 10) {
        Afficher();
        return;
    }
    if (hauteurLegende_ > 0)
        TracerLegende(p);
    TracerAxes(p);
    if (equilibre_) {
        p.save();
        p.setClipRect(trace_.adjusted(0, -1, 1, 1));
        TracerCourbes(p);
        p.restore();
        TracerReperes(p);
    } else if (!message_.isEmpty()) {
        p.setPen(Qt::darkGray);
        p.drawText(trace_, Qt::AlignCenter | Qt::TextWordWrap, message_);
    }
    p.save();
    p.setClipRect(trace_.adjusted(-4, -4, 4, 4));
    for (const TCheminNomme& c : compares_)
        TracerChemin(p, c, false);
    TracerChemin(p, joueur_, true);
    p.restore();
    // Whose path is approximate: the player's, a compared one, or both.
    QStringList approches;
    if (chemin_.Approche)
        approches << QStringLiteral("« %1 »").arg(joueur_.Nom);
    for (const TCheminNomme& c : compares_)
        if (c.Chemin.Approche)
            approches << QStringLiteral("« %1 »").arg(c.Nom);
    if (!approches.empty()) {
        p.setPen(QColor(150, 0, 0));
        Ecrire(p, trace_.left(), taille.height() - fm.height() - 2,
               tr("Chemin approché, métiers changés inégalement : %1")
                   .arg(approches.join(", ")));
    }
    p.end();
    Afficher();
}

void TFGDiagramme::TracerAxes(QPainter& p)
{
    const QFontMetrics fm = p.fontMetrics();
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(trace_);
    const QColor grille(225, 225, 225);
    // X: the factors.
    for (double f = xMin_; f <= xMax_ + pasX_ / 1000; f += pasX_) {
        const int x = ColonneX(f);
        p.setPen(grille);
        p.drawLine(x, trace_.top() + 1, x, trace_.bottom() - 1);
        p.setPen(Qt::black);
        p.drawLine(x, trace_.bottom(), x, trace_.bottom() + 4);
        const QString texte = Nombre(std::round(f / pasX_) * pasX_);
        Ecrire(p, x - fm.horizontalAdvance(texte) / 2, trace_.bottom() + 5, texte);
    }
    const QString titreX = tr("flotte × f (1 = mesures actuelles)");
    Ecrire(p, trace_.center().x() - fm.horizontalAdvance(titreX) / 2,
           trace_.bottom() + 5 + fm.height(), titreX);
    // Y on the left: money or weight per period.
    for (double v = yMin_; v <= yMax_ + pasY_ / 1000; v += pasY_) {
        const int y = LigneY(v);
        p.setPen(grille);
        p.drawLine(trace_.left() + 1, y, trace_.right() - 1, y);
        p.setPen(Qt::black);
        p.drawLine(trace_.left() - 4, y, trace_.left(), y);
        const QString texte = Nombre(std::round(v / pasY_) * pasY_);
        Ecrire(p, trace_.left() - 6 - fm.horizontalAdvance(texte), y - fm.height() / 2, texte);
    }
    const QString titreY = genre_ == TGenreDiagramme::Economie
                               ? tr("%1 par période").arg(echelles_.UniteMonnaie)
                               : tr("poids débarqué, %1 par période").arg(echelles_.UnitePoids);
    Ecrire(p, 2, trace_.top() - 3 * fm.height() - 2, titreY);
    if (genre_ != TGenreDiagramme::Production)
        return;
    // Y on the right: the spawning biomass, % of virgin.
    for (int v = 0; v <= 100; v += 20) {
        const int y = LigneY(v, true);
        p.drawLine(trace_.right(), y, trace_.right() + 3, y);
        Ecrire(p, trace_.right() + 8, y - fm.height() / 2, QString::number(v));
    }
    const QString titreD = tr("biomasse féconde, % de la vierge");
    Ecrire(p, width() - fm.horizontalAdvance(titreD) - 2, trace_.top() - 3 * fm.height() - 2,
           titreD);
}

void TFGDiagramme::TracerCourbes(QPainter& p)
{
    const auto& grille = equilibre_->Grille;
    for (const TCourbe& c : Courbes()) {
        const auto point = [&](size_t i, int q) {
            return QPoint(ColonneX(grille[i].Facteur), LigneY(Valeur(grille[i], c, q), c.Droite));
        };
        if (quantiles_ && grille.size() > 1) {
            // The 5-95 % band: up along the 95 % quantile, back along the 5 %.
            QPolygon bande;
            for (size_t i = 0; i < grille.size(); ++i)
                bande << point(i, 2);
            for (size_t i = grille.size(); i-- > 0;)
                bande << point(i, 0);
            QColor voile = c.Couleur;
            voile.setAlpha(50);
            p.setPen(Qt::NoPen);
            p.setBrush(voile);
            p.drawPolygon(bande);
        }
        p.setPen(QPen(c.Couleur, 2, c.Tirets ? Qt::DashLine : Qt::SolidLine));
        for (size_t i = 1; i < grille.size(); ++i)
            p.drawLine(point(i - 1, 1), point(i, 1));
        // A point that did not settle is hollow.
        p.setPen(c.Couleur);
        for (size_t i = 0; i < grille.size(); ++i) {
            p.setBrush(grille[i].Stable ? QBrush(c.Couleur) : QBrush(Qt::white));
            p.drawEllipse(point(i, 1), 2, 2);
        }
    }
}

void TFGDiagramme::TracerReperes(QPainter& p)
{
    struct TRepere {
        const std::optional<TPointEquilibre>* Point;
        QString Nom;
    };
    std::vector<TRepere> reperes = {{&equilibre_->RMD, tr("RMD")}};
    if (genre_ == TGenreDiagramme::Economie) {
        reperes.push_back({&equilibre_->REM, tr("REM")});
        reperes.push_back({&equilibre_->AccesLibre, tr("accès libre")});
    }
    reperes.push_back({&equilibre_->Actuel, tr("aujourd'hui")});
    const QFontMetrics fm = p.fontMetrics();
    std::erase_if(reperes, [](const TRepere& r) { return !*r.Point; });
    std::stable_sort(reperes.begin(), reperes.end(), [](const TRepere& a, const TRepere& b) {
        return (*a.Point)->Facteur < (*b.Point)->Facteur;
    });
    // Labels on two rows above the plot, from the left: each on the first
    // row free where it starts.
    int finRang[2] = {-1000000, -1000000};
    for (const TRepere& r : reperes) {
        const int x = ColonneX((*r.Point)->Facteur);
        p.setPen(QPen(QColor(80, 80, 80), 1, Qt::DashLine));
        p.drawLine(x, trace_.top(), x, trace_.bottom());
        const int largeur = fm.horizontalAdvance(r.Nom);
        const int gauche = x - largeur / 2;
        const int rang = gauche > finRang[0] + 4 ? 0 : gauche > finRang[1] + 4 ? 1
                         : finRang[0] <= finRang[1] ? 0 : 1;
        finRang[rang] = gauche + largeur;
        p.setPen(Qt::black);
        Ecrire(p, gauche, trace_.top() - (rang + 1) * fm.height() - 1, r.Nom);
    }
}

void TFGDiagramme::TracerChemin(QPainter& p, const TCheminNomme& chemin, bool joueur)
{
    const auto& points = chemin.Chemin.Points;
    if (points.empty())
        return;
    const auto place = [&](const TPointChemin& point) {
        return QPoint(ColonneX(point.X), LigneY(YChemin(point)));
    };
    p.save();
    p.setPen(QPen(chemin.Couleur, joueur ? 2 : 1, chemin.Tirets ? Qt::DashLine : Qt::SolidLine));
    for (size_t i = 1; i < points.size(); ++i)
        p.drawLine(place(points[i - 1]), place(points[i]));
    p.setPen(chemin.Couleur);
    p.setBrush(chemin.Couleur);
    for (const TPointChemin& point : points)
        p.drawEllipse(place(point), 2, 2);
    // The last year stands out; every tenth is numbered.
    p.setBrush(Qt::white);
    p.setPen(QPen(chemin.Couleur, 2));
    p.drawEllipse(place(points.back()), 5, 5);
    p.setBrush(chemin.Couleur);
    p.drawEllipse(place(points.back()), 2, 2);
    p.setPen(chemin.Couleur);
    for (const TPointChemin& point : points)
        if (point.Annee % 10 == 0)
            Ecrire(p, place(point).x() + 5, place(point).y() - p.fontMetrics().height() - 1,
                   tr("an %1").arg(point.Annee));
    p.restore();
}

} // namespace vasco
