#include "graphs/ufg.h"

#include "graphs/UFGAccessible.h"
#include "model/Uliste.h"
#include "model/Umessages.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QTextStream>
#include <algorithm>
#include <cfloat>
#include <cmath>

namespace vasco {

namespace {

// Pixel rows and columns beyond this are far outside any bitmap: a huge
// value is drawn clipped instead of overflowing an integer.
constexpr long double LimitePixels = 1e7L;

int Tronquer(long double x)
{
    if (std::isnan(x))
        return 0;
    return static_cast<int>(std::clamp(x, -LimitePixels, LimitePixels));
}

float EnSimple(long double x)
{
    if (std::isnan(x))
        return 0;
    return static_cast<float>(std::clamp(x, -(long double)FLT_MAX, (long double)FLT_MAX));
}

// Text with its top-left corner at (x, y), as the bitmaps are laid out.
void Ecrire(QPainter& p, int x, int y, const QString& texte)
{
    p.drawText(x, y + p.fontMetrics().ascent(), texte);
}

// The read-out writes values as whole numbers, rounded to the nearest.
qint64 Arrondi(long double valeur)
{
    const long double arrondi = std::clamp(std::round(valeur), -1e15L, 1e15L);
    return static_cast<qint64>(std::isnan(arrondi) ? 0 : arrondi);
}

// An axis bound as a listener hears it: the decimals of the language the
// program speaks (the default locale, set with it), no exponent, the float's
// noise beyond six decimals dropped.
QString Nombre(float valeur)
{
    QLocale langue;
    langue.setNumberOptions(QLocale::OmitGroupSeparator);
    QString texte = langue.toString(static_cast<double>(valeur), 'f', 6);
    const QString virgule = langue.decimalPoint();
    while (texte.endsWith('0'))
        texte.chop(1);
    if (texte.endsWith(virgule))
        texte.chop(virgule.size());
    return texte == "-0" ? "0" : texte;
}

QString Champ(QString texte)
{
    if (texte.contains(',') || texte.contains('"') || texte.contains('\n'))
        return '"' + texte.replace('"', "\"\"") + '"';
    return texte;
}

} // namespace

bool CouleursSchema(uint8_t schema, TCouleursBarre& c)
{
    switch (schema) {
    case 0: c = {QColor(0, 191, 0), QColor(0, 255, 0), QColor(0, 63, 0)}; return true;
    case 1: c = {QColor(0, 0, 191), QColor(0, 0, 255), QColor(0, 0, 63)}; return true;
    case 2: c = {QColor(191, 0, 0), QColor(255, 0, 0), QColor(63, 0, 0)}; return true;
    case 3:
        c = {QColor(128, 128, 128),
             QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText),
             QColor(63, 63, 63)};
        return true;
    case 4: c = {QColor(255, 255, 0), QColor(255, 255, 32), QColor(191, 191, 0)}; return true;
    case 5: c = {QColor(0, 127, 127), QColor(0, 255, 255), QColor(0, 63, 63)}; return true;
    case 6: c = {QColor(255, 0, 255), QColor(255, 128, 254), QColor(127, 0, 127)}; return true;
    default: return false;
    }
}

TFG::TFG(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(120, 90);
    // Click or Ctrl+Tab between sub-windows gives the keyboard read-out.
    setFocusPolicy(Qt::StrongFocus);
    InstallerAccessibiliteGraphes();
    // A pixel-sized font draws the same in the bitmaps as on the screen;
    // without antialiasing every pixel has one of the drawing colours.
    QFont police = font();
    police.setPixelSize(QFontInfo(police).pixelSize());
    police.setStyleStrategy(QFont::NoAntialias);
    setFont(police);
}

void TFG::TransfertParam(const TParamGraphe& param)
{
    FListe = param.Liste;
    FContexte = param.Contexte;
    FMagneto = param.Magneto;
    FSerie = {param.Code, param.Couleur, param.Marque, QString::fromStdString(param.Nom)};
    FLegende = param.Legende;
    ParamAxeY(param.YMin, param.YMax);
    ParamAxeX(param.XMin, param.XMax);
    setWindowTitle(QString::fromStdString(param.Titre));
    const auto couleur = [](TCouleur c) { return QColor(c.R, c.G, c.B); };
    FCouleurFond = couleur(param.CouleurFond);
    FTitreX = QString::fromStdString(param.TitreX);
    FTitreY = QString::fromStdString(param.TitreY);
    FCouleurTexte = couleur(param.CouleurTexte);
    FLectureClic = param.LectureClic;
    FType = param.Type;
    FAffPeriode = param.AffPeriode;
    SituerComparaison();
    Paint();
}

void TFG::ParamAxeY(float yMin, float yMax)
{
    yMinDemande_ = yMin;
    yMaxDemande_ = yMax;
    // A maximum of 0 or less has no rounded top: the range then comes from
    // the list, as when no range is given.
    yAuto_ = !(yMax > yMin && yMax > 0);
    Garder("UFG/TFG.ParamAxeY", [&] { CalculerAxeY(); });
}

void TFG::CalculerAxeY()
{
    float pas = 1;
    long double haut;
    bool negatif;
    if (!yAuto_) {
        haut = MaximumArrondi(yMaxDemande_, yMinDemande_, pas);
        negatif = yMinDemande_ < 0;
    } else {
        long double m = 0, n = 0;
        if (FListe) {
            m = FListe->Maximum(FSerie.Code, FContexte);
            n = FListe->Minimum(FSerie.Code, FContexte);
        }
        haut = MaximumArrondi(EnSimple(m), EnSimple(-n), pas);
        negatif = n < 0;
    }
    FYMax = static_cast<float>(haut);
    FYMin = negatif ? -FYMax : 0;
    FPasY = pas;
}

void TFG::ParamAxeX(int32_t xMin, int32_t xMax)
{
    Garder("UFG/TFG.ParamAxeX", [&] {
        if (xMax > xMin) {
            FXMin = xMin;
            FXMax = xMax;
        } else if (FListe) {
            FXMin = FListe->Premier;
            FXMax = FListe->Dernier;
        }
        xMaxDemande_ = FXMax;
    });
}

bool TFG::CalculIminImax(int& x, int& iMin, int& iMax)
{
    bool resultat = false;
    Garder("UFG/TFG.CalculIminImax", [&] { resultat = Fenetre(x, iMin, iMax); });
    return resultat;
}

bool TFG::Fenetre(int& x, int& iMin, int& iMax) const
{
    return FListe && FenetreDe(FListe->Dernier, FListe->Nombre(), x, iMin, iMax);
}

bool TFG::FenetreDe(int64_t dernier, int64_t nombre, int& x, int& iMin, int& iMax) const
{
    // The window ends at the step control's position: d shifts it.
    const int64_t d = FMagneto ? int64_t(FMagneto->PositionCourante()) - FXMax + FXMin : 0;
    const int64_t premier = FListe->Premier;
    int64_t debut;
    if (FXMin + d < premier) {
        const int64_t decale = d <= 0 ? premier - FXMin : premier - FXMin - d;
        x = Tronquer(x + (long double)decale * FLargeur);
        debut = 0;
    } else {
        debut = FXMin + d - premier;
    }
    int64_t fin = dernier < FXMax + d ? dernier - premier : FXMax + d - premier;
    fin = std::min<int64_t>(fin, nombre - 1);
    if (debut > fin)
        return false;
    iMin = static_cast<int>(debut);
    iMax = static_cast<int>(fin);
    return true;
}

void TFG::Preparer(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font());
}

long double TFG::Valeur(int index, uint8_t code) const
{
    return FListe->Element(index).Calcul(code, FContexte);
}

int TFG::Pixels(long double valeur) const
{
    return Tronquer(valeur * FEchelle);
}

int TFG::Recul(size_t rang, size_t nombre) const
{
    return FDecal * static_cast<int>(nombre - 1 - rang);
}

QStringList TFG::NomsColonnes() const
{
    QStringList noms;
    for (const TSerie& serie : Series())
        noms << serie.Nom;
    return noms;
}

std::vector<long double> TFG::ValeursColonnes(int index) const
{
    std::vector<long double> valeurs;
    for (const TSerie& serie : Series())
        valeurs.push_back(Valeur(index, serie.Code));
    return valeurs;
}

void TFG::SuivreAxeYAuto()
{
    // An automatic range follows the list.  A range that cannot be computed
    // now stays as it was: it was reported when the range was asked for,
    // and a repaint or a resize must not report it again.
    ChoisirListe();
    try {
        CalculerAxeY();
    } catch (...) {
        // The range stays as it was.
    }
}

const char* TFG::LieuTrace() const
{
    switch (FType) {
    case TTypeGraphe::Points: return "UFG/TFG.TracerPoint";
    case TTypeGraphe::Courbe: return "UFG/TFG.TracerCourbe";
    case TTypeGraphe::Histo2D:
    case TTypeGraphe::Histo3D: break;
    }
    return "UFG/TFG.TracerHisto";
}

void TFG::Paint()
{
    Garder(LieuTrace(), [this] {
        if (yAuto_)
            SuivreAxeYAuto();
        TracerAxes();
        Composer();
    });
    // What was drawn before a failure is shown all the same.
    Afficher();
}

void TFG::Recomposer()
{
    Garder(LieuTrace(), [this] {
        // The axes are rebuilt only when the new values change the rounded
        // top of an automatic range.
        if (yAuto_) {
            const float bas = FYMin, haut = FYMax;
            SuivreAxeYAuto();
            if (FYMin != bas || FYMax != haut)
                TracerAxes();
        }
        Composer();
    });
    Afficher();
}

QString TFG::TexteTitreY() const
{
    // The figure in brackets is the unit of the tick labels, which count
    // steps: "(100)" for hundreds, "(/100)" for hundredths.
    const long double pas = FPasY;
    if (pas > 1) {
        if (pas >= 1e18L)
            throw ErreurModele("pas d'axe");
        return FTitreY + " (" + QString::number(static_cast<qint64>(pas)) + ")";
    }
    if (pas < 1) {
        const long double inverse = 1 / pas;
        if (!(inverse > 0) || inverse >= 1e18L)
            throw ErreurModele("pas d'axe");
        return FTitreY + " (/" + QString::number(static_cast<qint64>(std::llround(inverse))) + ")";
    }
    return FTitreY;
}

void TFG::TracerAxes()
{
    ChoisirListe();
    if (!FListe)
        return;
    FFond = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&FFond);
    Preparer(p);
    p.setPen(Qt::black);
    p.fillRect(FFond.rect(), FCouleurFond);
    const QFontMetrics fm = p.fontMetrics();
    const int largeur0 = fm.horizontalAdvance('0');
    FMargeY = Tronquer(fm.height() * 1.8L);
    FOrigX = 2 * largeur0;

    // The plot: N positions of FLargeur pixels, the 3D depth on the right.
    int w = FFond.width() - 2 * FOrigX - 1;
    FXMax = xMaxDemande_;
    const int64_t n = std::max<int64_t>(int64_t(FXMax) - FXMin + 1, 1);
    // Room on the right for the depth: a half position per series in three
    // dimensions (each bar has a side face), one per series behind the
    // first in two (the series offset); none for a single flat series.
    const int series = static_cast<int>(std::max<size_t>(Series().size(), 1));
    const int profondeurs = FType == TTypeGraphe::Histo3D ? series : series - 1;
    const long double colonnes = n + profondeurs * 0.5L;
    FLargeur = Tronquer(w / colonnes);
    if (FLargeur < 1) {
        // More positions than pixels: one pixel each, the range cut to fit.
        FXMax = static_cast<int32_t>(std::min<int64_t>(int64_t(FXMin) + std::max(w, 0), FXMax));
        FLargeur = 1;
    } else {
        w = static_cast<int>(FLargeur * n);
    }
    FDecal = FLargeur / 2;
    // The legend takes its band off the top: the plot gives up the height.
    FHauteurLegende = FLegende ? MesurerLegende() : 0;
    const int haut = FHauteurLegende + FMargeY;
    int h = FFond.height() - FHauteurLegende - 2 * FMargeY - 1;
    if (FType == TTypeGraphe::Histo3D)
        h -= FDecal * series;
    h = std::max(h, 1);

    const long double etendue = (long double)FYMax - FYMin;
    if (etendue == 0) {
        Signaler("UFG / Paint FYmax-FYMin = 0");
        FEchelle = 0;
    } else {
        FEchelle = static_cast<float>(h / etendue);
    }
    FY0 = Tronquer(FYMin * (long double)FEchelle) + haut + h;
    FOrigX = (FFond.width() - w - profondeurs * FDecal - 1) / 2;

    Ecrire(p, (w - fm.horizontalAdvance(FTitreX)) / 2 + FOrigX,
           FFond.height() - Tronquer(fm.height() * 1.5L), FTitreX);
    try {
        titreYAffiche_ = TexteTitreY();
    } catch (...) {
        titreYAffiche_ = FTitreY + " ( ******* )";
    }
    Ecrire(p, FOrigX / 2, FHauteurLegende + FMargeY / 4, titreYAffiche_);
    Ecrire(p, FOrigX - 2 * largeur0, FY0, "0 ");

    p.drawLine(FOrigX, haut, FOrigX, haut + h);
    p.drawLine(FOrigX - largeur0 / 2, FY0, FOrigX + w, FY0);
    if (!(FPasY > 0))
        return;
    // Tick labels count steps.  The bounds are whole numbers of steps up to
    // the rounding of singles, hence the nearest integer when that close.
    const auto pasEntier = [](long double q) {
        const long double proche = std::round(q);
        return static_cast<int64_t>(std::fabs(q - proche) < 1e-4L ? proche : std::trunc(q));
    };
    const int64_t premier = pasEntier((long double)FYMin / FPasY);
    const int64_t dernier = pasEntier((long double)FYMax / FPasY);
    if (dernier - premier > 1000)
        return;
    for (int64_t i = premier; i <= dernier; ++i) {
        const int y = FY0 - Tronquer(i * (long double)FPasY * FEchelle);
        Ecrire(p, FOrigX - 2 * largeur0, y, QString::number(i));
        p.drawLine(FOrigX - largeur0 / 2, y, FOrigX, y);
    }
}

void TFG::Composer()
{
    // Past the end of the current game, a size graph has no list of its
    // own to draw, but the compared games may still have theirs.
    const bool courante = ChoisirListe();
    if ((!courante && !(Compare() && NombreCompare() > 0)) || FFond.isNull()) {
        // Nothing to draw: the picture stays as it is, or shows the bare
        // axes when it no longer fits them.
        if (FImage.size() != FFond.size())
            FImage = FFond;
        return;
    }
    FImage = FFond;
    QPainter p(&FImage);
    Preparer(p);
    p.setPen(Qt::black);
    const std::vector<TSerie> series = Series();
    for (size_t rang = 0; rang < series.size() && courante; ++rang) {
        switch (FType) {
        case TTypeGraphe::Points: TracerPoints(p, series[rang]); break;
        case TTypeGraphe::Courbe: TracerCourbe(p, series[rang]); break;
        case TTypeGraphe::Histo2D:
        case TTypeGraphe::Histo3D: TracerBarres(p, series[rang], Recul(rang, series.size())); break;
        }
    }
    TracerComparaison(p);
    if (FHauteurLegende > 0)
        TracerLegende(p);
    if (FAffPeriode)
        EcrirePeriode(p);
}

int32_t TFG::PeriodeAffichee() const
{
    return FMagneto ? FMagneto->PositionCourante() : FPeriode;
}

int64_t TFG::NumeroPeriode() const
{
    // A size graph past its periods shows its last one, unless the
    // compared games go on.
    return int64_t((Compare() || FMagneto) ? PeriodeAffichee() : FPeriode) + 1;
}

QString TFG::TextePeriode() const
{
    const int64_t periode = NumeroPeriode();
    if (ApresLaFin())
        return tr("Période %1 (après la fin de la partie)").arg(periode);
    return QString::number(periode);
}

void TFG::EcrirePeriode(QPainter& p)
{
    const QString texte = QString("%1").arg(NumeroPeriode(), 3);
    p.save();
    QFont police = p.font();
    police.setPixelSize(std::max(FImage.height() / 10, 1));
    p.setFont(police);
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(FCouleurFond);
    const int droite = FImage.width() - 10;
    Ecrire(p, droite - p.fontMetrics().horizontalAdvance(texte), 0, texte);
    if (ApresLaFin()) {
        // Under the number, in the window's font, below the legend band:
        // the number alone would read as a period of the current game.
        const int y = std::max(p.fontMetrics().height(), FHauteurLegende);
        p.setFont(font());
        const QString note = tr("(après la fin de la partie)");
        Ecrire(p, droite - p.fontMetrics().horizontalAdvance(note), y, note);
    }
    p.restore();
}

void TFG::Afficher()
{
    if (!FListe) {
        Decrire();
        return;
    }
    FEcran = FImage;
    update();
    FColonne = -1;
    // A new picture drops the read-out, the keyboard's as the mouse's; the
    // cursor keeps its column for the next key.
    lectureClavier_ = false;
    ++versionTexte_;
    try {
        tableau_ = Tableau(premierIndex_);
    } catch (...) {
        // The picture has reported the value; the table stays empty.
        tableau_.Noms = NomsColonnes();
        tableau_.Etiquettes.clear();
        tableau_.Lignes.clear();
    }
    curseur_ = std::min(curseur_, LignesTexte() - 1);
    Decrire();
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent changement(this,
                                                    QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&changement);
    }
}

void TFG::TracerBarres(QPainter& p, const TSerie& serie, int recul)
{
    int x = FOrigX + 1;
    int iMin = 0, iMax = -1;
    if (!Fenetre(x, iMin, iMax))
        return;
    for (int i = iMin; i <= iMax; ++i) {
        TracerBarre(p, serie, i, {x + recul, FY0 - recul});
        x += FLargeur;
    }
}

void TFG::TracerBarre(QPainter& p, const TSerie& serie, int index, QPoint pied)
{
    TracerPave(p, pied.x(), pied.y(), pied.y() - Pixels(Valeur(index, serie.Code)), serie.Couleur);
}

void TFG::TracerPave(QPainter& p, int x, int y1, int y2, uint8_t schema)
{
    TCouleursBarre c;
    if (!CouleursSchema(schema, c))
        CouleursSchema(0, c);
    const int limite = FImage.height();
    const int bas = std::clamp(std::max(y1, y2), 0, limite);
    const int haut = std::clamp(std::min(y1, y2), 0, limite);
    const int w = FLargeur;
    const QPoint face[] = {{x, bas}, {x, haut}, {x + w, haut}, {x + w, bas}};
    p.setBrush(c.Face);
    p.drawPolygon(face, 4);
    if (FType != TTypeGraphe::Histo3D)
        return;
    // The top and the side, drawn from the front face as cut.
    const int d = FDecal;
    const QPoint dessus[] = {{x, haut}, {x + d, haut - d}, {x + d + w, haut - d}, {x + w, haut}};
    p.setBrush(c.Dessus);
    p.drawPolygon(dessus, 4);
    const QPoint cote[] = {
        {x + w, bas}, {x + w, haut}, {x + w + d, haut - d}, {x + w + d, bas - d}};
    p.setBrush(c.Cote);
    p.drawPolygon(cote, 4);
}

void TFG::TracerCourbe(QPainter& p, const TSerie& serie)
{
    p.setPen(FCouleurTexte);
    int x = FOrigX + 1;
    int iMin = 0, iMax = -1;
    if (!Fenetre(x, iMin, iMax))
        return;
    QPoint precedent(x, FY0 - Pixels(Valeur(iMin, serie.Code)));
    for (int i = iMin + 1; i <= iMax; ++i) {
        x += FLargeur;
        const QPoint point(x, FY0 - Pixels(Valeur(i, serie.Code)));
        p.drawLine(precedent, point);
        precedent = point;
    }
}

void TFG::TracerPoints(QPainter& p, const TSerie& serie)
{
    const QString marque{QLatin1Char(serie.Marque)};
    const QFontMetrics fm = p.fontMetrics();
    const int hw = fm.horizontalAdvance(marque) / 2, hh = fm.height() / 2;
    int x = FOrigX + 1;
    int iMin = 0, iMax = -1;
    if (!Fenetre(x, iMin, iMax))
        return;
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(FCouleurFond);
    for (int i = iMin; i <= iMax; ++i) {
        const int y = FY0 - Pixels(Valeur(i, serie.Code));
        Ecrire(p, x - hw, y - hh, marque);
        x += FLargeur;
    }
}

int64_t TFG::DecalageLecture() const
{
    if (!FMagneto)
        return 0;
    const int64_t p = int64_t(FMagneto->PositionCourante()) - FXMax + FXMin;
    return p >= 1 ? p : 0;
}

int TFG::BordBarre(int index) const
{
    const int64_t p = DecalageLecture();
    const int64_t position = int64_t(FListe->Premier) + index - (p >= 1 ? p : FXMin);
    return Tronquer((long double)position * FLargeur + FOrigX);
}

int32_t TFG::EtiquetteX(int index) const
{
    return FListe->Premier + index;
}

void TFG::MouseMove(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, int x, int)
{
    if (FLectureClic && (boutons != Qt::LeftButton || touches != Qt::NoModifier))
        return;
    bool effacer = false, lue = false;
    Garder(LieuLecture(), [&] {
        if (!Lisible())
            return;
        const int64_t c =
            int64_t(x) - FOrigX - (int64_t(FListe->Premier) - FXMin - DecalageLecture()) * FLargeur;
        if (c < 1 || c >= (int64_t(std::max(FListe->Nombre(), NombreCompare())) + 1) * FLargeur) {
            // Off the bars: the picture without read-out.
            effacer = FColonne >= 0;
            FColonne = -1;
            return;
        }
        const int colonne = static_cast<int>(c / FLargeur);
        if (colonne == FColonne)
            return;
        // The column is taken before it is read: one that cannot be read
        // is reported once, not at each move over it.
        FColonne = colonne;
        lue = true;
        DessinerLecture(colonne);
    });
    if (lue)
        update();
    else if (effacer)
        Recomposer();
}

TLecture TFG::Lecture(int index) const
{
    const std::vector<TSerie> series = Series();
    const int milieu = BordBarre(index) + FLargeur / 2;
    TLecture lecture;
    for (size_t rang = 0; rang < series.size(); ++rang) {
        const int recul = Recul(rang, series.size());
        const long double v = Valeur(index, series[rang].Code);
        lecture.Groupes.push_back(
            {FOrigX + recul, milieu + recul, FY0 - recul, {{v, FY0 - Pixels(v) - recul}}});
    }
    return lecture;
}

bool TFG::Lisible()
{
    const bool courante = ChoisirListe();
    return (courante || (Compare() && NombreCompare() > 0)) && !FImage.isNull();
}

void TFG::DessinerLecture(int index)
{
    if (!FListe || index < 0 || index >= std::max(FListe->Nombre(), NombreCompare()))
        return;
    // Each read-out starts from the composed picture, so only the new
    // column's lines and numbers remain.
    FEcran = FImage;
    // The current game's values where it has some, then the compared ones.
    TLecture lecture;
    if (ChoisirListe() && index < FListe->Nombre())
        lecture = Lecture(index);
    AjouterLectureComparee(lecture, index);
    if (lecture.Groupes.empty())
        return;
    QPainter p(&FEcran);
    Preparer(p);
    const QFontMetrics fm = p.fontMetrics();
    const int hauteur = fm.height() + 2;
    for (const TLecture::TGroupe& groupe : lecture.Groupes) {
        // Exclusive-or guide lines stay visible on bars and background
        // alike; a row shared by two numbers gets one line, which a second
        // pass would wipe out.
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        p.setPen(QPen(FCouleurTexte, 0, Qt::SolidLine));
        std::vector<int> lignes;
        for (const TLecture::TNombre& nombre : groupe.Nombres)
            if (std::find(lignes.begin(), lignes.end(), nombre.Ligne) == lignes.end())
                lignes.push_back(nombre.Ligne);
        if (!lignes.empty()) {
            const int sommet = *std::min_element(lignes.begin(), lignes.end());
            for (int ligne : lignes)
                p.drawLine(groupe.Gauche, ligne, groupe.Colonne - 1, ligne);
            p.drawLine(groupe.Colonne, sommet, groupe.Colonne, groupe.Pied);
        }
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (const TLecture::TNombre& nombre : groupe.Nombres) {
            const int y = nombre.Ligne - hauteur;
            EcritNumBitMap(p, FOrigX + 2, y > 0 ? y : 0, nombre.Valeur);
        }
    }
    EcritNumBitMap(p, lecture.Groupes.back().Colonne - fm.horizontalAdvance("XXX"), FY0 + 8,
                   EtiquetteX(index));
}

void TFG::EcritNumBitMap(QPainter& p, int x, int y, long double valeur) const
{
    // Rounded to the nearest whole number, right-aligned in nine columns,
    // on an opaque box of the background colour.
    const QString texte = QString("%1").arg(Arrondi(valeur), 9);
    const QFontMetrics fm(font());
    QImage etiquette(fm.horizontalAdvance(texte) + 1, fm.height() + 2, QImage::Format_RGB32);
    etiquette.fill(FCouleurFond);
    QPainter pe(&etiquette);
    Preparer(pe);
    pe.setPen(FCouleurTexte);
    Ecrire(pe, 1, 1, texte);
    pe.end();
    p.drawImage(x, y, etiquette);
}

void TFG::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), FCouleurFond);
    if (!FEcran.isNull())
        p.drawImage(0, 0, FEcran);
    // The focus frame is drawn on the screen only: the pictures, saved or
    // copied, never carry it.
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void TFG::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    Paint();
}

void TFG::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint point = e->position().toPoint();
    MouseMove(e->buttons(), e->modifiers(), point.x(), point.y());
}

void TFG::mousePressEvent(QMouseEvent* e)
{
    const QPoint point = e->position().toPoint();
    MouseMove(e->buttons(), e->modifiers(), point.x(), point.y());
}

void TFG::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menu(this);
    menu.addAction(tr("&Copier l'image"), this, &TFG::CopierImage);
    menu.exec(e->globalPos());
}

void TFG::CopierImage() const
{
    if (!FImage.isNull())
        QGuiApplication::clipboard()->setImage(FImage);
}

bool TFG::Enregistrer(const QString& chemin)
{
    const QString extension = QFileInfo(chemin).suffix().toLower();
    if (extension == "csv")
        return EcrireCsv(chemin);
    if (FImage.isNull())
        return false;
    return FImage.save(chemin, extension == "png" ? "PNG" : "BMP");
}

TTableauValeurs TFG::Valeurs()
{
    int premier = 0;
    return Tableau(premier);
}

TTableauValeurs TFG::Tableau(int& premier)
{
    TTableauValeurs t;
    t.Titre = windowTitle();
    t.TitreX = FTitreX;
    t.Unite = FTitreY;
    t.Noms = NomsColonnes();
    const auto propres = static_cast<size_t>(t.Noms.size());
    t.Noms += NomsCompares();
    premier = 0;
    // The rows cover the current game's window and the compared games';
    // where one has no value, its cells are not numbers.
    int x = 0, cMin = 0, cMax = -1, kMin = 0, kMax = -1;
    const bool courante = ChoisirListe() && Fenetre(x, cMin, cMax);
    const bool comparee = FenetreComparee(x, kMin, kMax);
    if (!courante && !comparee)
        return t;
    const int iMin = std::min(courante ? cMin : kMin, comparee ? kMin : cMin);
    const int iMax = std::max(courante ? cMax : kMax, comparee ? kMax : cMax);
    premier = iMin;
    const auto absentes = [](size_t n) { return std::vector<long double>(n, NAN); };
    for (int i = iMin; i <= iMax; ++i) {
        t.Etiquettes.push_back(EtiquetteX(i));
        std::vector<long double> ligne =
            courante && i >= cMin && i <= cMax ? ValeursColonnes(i) : absentes(propres);
        if (comparee) {
            const std::vector<long double> autres =
                i >= kMin && i <= kMax ? LigneComparee(i)
                                       : absentes(static_cast<size_t>(t.Noms.size()) - propres);
            ligne.insert(ligne.end(), autres.begin(), autres.end());
        }
        t.Lignes.push_back(std::move(ligne));
    }
    return t;
}

bool TFG::EcrireCsv(const QString& chemin)
{
    const TTableauValeurs t = Valeurs();
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream sortie(&fichier);
    sortie << "Titre," << Champ(t.Titre) << '\n' << "Unité," << Champ(t.Unite) << '\n';
    sortie << Champ(t.TitreX.isEmpty() ? QString("X") : t.TitreX);
    for (const QString& nom : t.Noms)
        sortie << ',' << Champ(nom);
    sortie << '\n';
    for (size_t i = 0; i < t.Lignes.size(); ++i) {
        sortie << t.Etiquettes[i];
        // A cell without value (a game that does not reach the period) is
        // left empty.
        for (long double v : t.Lignes[i]) {
            sortie << ',';
            if (!std::isnan(v))
                sortie << QString::number(static_cast<double>(v), 'g', 15);
        }
        sortie << '\n';
    }
    sortie.flush();
    return sortie.status() == QTextStream::Ok && fichier.error() == QFileDevice::NoError;
}

QString TFG::TexteCellule(int ligne, int colonne) const
{
    if (ligne < 0 || ligne >= LignesTexte() || colonne < 0 || colonne >= ColonnesTexte())
        return {};
    const auto l = static_cast<size_t>(ligne);
    if (colonne == 0)
        return QString::number(tableau_.Etiquettes[l]);
    const long double valeur = tableau_.Lignes[l][static_cast<size_t>(colonne - 1)];
    return std::isnan(valeur) ? QString() : QString::number(Arrondi(valeur));
}

QString TFG::EnTeteColonne(int colonne) const
{
    if (colonne == 0)
        return FTitreX.isEmpty() ? QString("X") : FTitreX;
    const QStringList& noms = tableau_.Noms;
    return colonne > 0 && colonne <= noms.size() ? noms[colonne - 1] : QString();
}

QRect TFG::ZoneLigne(int ligne) const
{
    if (!FListe || ligne < 0 || ligne >= LignesTexte())
        return {};
    return {BordBarre(premierIndex_ + ligne), 0, FLargeur, height()};
}

QString TFG::Description() const
{
    QString texte;
    const int n = LignesTexte();
    const QString unite = FTitreY;
    if (lectureClavier_ && curseur_ >= 0 && curseur_ < n) {
        // The column read comes first: it is what a listener waits for
        // after each key.
        const QString etiquette = TexteCellule(curseur_, 0);
        const QString position = AxeDesTailles() ? tr("Taille %1 %2").arg(etiquette, FTitreX)
                                                 : QString("%1 %2").arg(FTitreX, etiquette);
        QStringList valeurs;
        for (int colonne = 1; colonne < ColonnesTexte(); ++colonne) {
            const QString valeur = TexteCellule(curseur_, colonne);
            if (ColonnesTexte() == 2)
                valeurs << QString("%1 %2").arg(valeur, unite);
            else
                //: A series' value: its name, the value, the unit.
                valeurs << tr("%1 : %2 %3").arg(EnTeteColonne(colonne), valeur, unite);
        }
        //: The column under the cursor, then its values.
        texte += tr("%1 : %2. ").arg(position, valeurs.join(", "));
    }
    QString titre = windowTitle().trimmed();
    if (Compare()) {
        const auto parties = static_cast<int>(comparaison_->Parties.size());
        titre += parties == 1 ? tr(", comparée à 1 partie")
                              : tr(", comparée à %1 parties").arg(parties);
    }
    //: The graph's title, the bounds of its vertical axis and their unit.
    texte += tr("%1. Axe vertical de %2 à %3 %4. ")
                 .arg(titre, Nombre(FYMin), Nombre(FYMax), unite);
    if (ApresLaFin())
        texte += TextePeriode() + ". ";
    if (n == 0)
        texte += tr("Aucune valeur.");
    else if (AxeDesTailles())
        texte += tr("Tailles %1 à %2 %3.").arg(TexteCellule(0, 0), TexteCellule(n - 1, 0), FTitreX);
    else
        //: The X axis title (periods, quarters...), the first and last shown.
        texte += tr("%1 %2 à %3.").arg(FTitreX, TexteCellule(0, 0), TexteCellule(n - 1, 0));
    return texte;
}

void TFG::Decrire()
{
    const QString nom = windowTitle();
    const QString description = Description();
    // Qt announces a changed name or description (NameChanged,
    // DescriptionChanged) to assistive technology itself.
    setAccessibleName(nom);
    setAccessibleDescription(description);
    // The sub-window that holds the graph is what a screen reader meets
    // first when it moves between windows: it says the same.
    if (auto* fenetre = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        fenetre->setAccessibleName(nom);
        fenetre->setAccessibleDescription(description);
    }
}

void TFG::PlacerCurseur(int ligne)
{
    curseur_ = ligne;
    lectureClavier_ = false;
    Garder(LieuLecture(), [&] {
        if (!Lisible())
            return;
        // Taken before it is drawn, as with the mouse: a column that cannot
        // be read is reported once.
        FColonne = premierIndex_ + ligne;
        lectureClavier_ = true;
        DessinerLecture(FColonne);
    });
    update();
    Decrire();
}

void TFG::EffacerLecture()
{
    if (FColonne < 0 && !lectureClavier_)
        return;
    FEcran = FImage;
    FColonne = -1;
    lectureClavier_ = false;
    update();
    Decrire();
}

void TFG::keyPressEvent(QKeyEvent* e)
{
    const int n = LignesTexte();
    const bool seule = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    int ligne = -1;
    switch (seule ? e->key() : 0) {
    case Qt::Key_Left: ligne = curseur_ < 0 ? n - 1 : std::max(curseur_ - 1, 0); break;
    case Qt::Key_Right: ligne = curseur_ < 0 ? 0 : std::min(curseur_ + 1, n - 1); break;
    case Qt::Key_Home: ligne = 0; break;
    case Qt::Key_End: ligne = n - 1; break;
    case Qt::Key_Escape:
        if (!lectureClavier_)
            return QWidget::keyPressEvent(e);
        EffacerLecture();
        return;
    default: return QWidget::keyPressEvent(e);
    }
    if (n > 0)
        PlacerCurseur(ligne);
}

void TFG::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
}

void TFG::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    if (lectureClavier_)
        EffacerLecture();
    update();
}

void TFG::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ParentChange || e->type() == QEvent::WindowTitleChange)
        Decrire();
}

} // namespace vasco
