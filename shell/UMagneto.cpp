#include "shell/UMagneto.h"

#include "shell/UMagnetoAccessible.h"
#include "shell/URessources.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <utility>

namespace vasco {

namespace {

// Resource name part of each button's pictures, left to right.
constexpr std::array<const char*, NbBoutonsMagneto> NomsImages = {
    "MPLAY",        "MPlayAn", "MPAUSE",        "MSTop",   "MDebut",
    "MPeriodePlus", "MANPLUS", "MPeriodeMoins", "MAnMoins"};

// What each button is called, left to right: the short name a screen reader
// speaks, and the hint shown in its tooltip and read as its description.
struct TLibelle {
    const char* Nom;
    const char* Bulle;
};
constexpr std::array<TLibelle, NbBoutonsMagneto> Libelles = {{
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Lecture par période"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Rejouer période par période")},
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Lecture par année"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Rejouer année par année")},
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Pause"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Pause (appuyer à nouveau pour reprendre)")},
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Arrêt"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Arrêter la lecture")},
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Début"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Revenir à la première période")},
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Période suivante"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Période suivante")},
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Année suivante"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Année suivante")},
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Période précédente"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Période précédente")},
    {QT_TRANSLATE_NOOP("vasco::TMagneto", "Année précédente"),
     QT_TRANSLATE_NOOP("vasco::TMagneto", "Année précédente")},
}};

// The face of the buttons while the position is past the current game's
// end: the step control itself says that the windows show only the
// compared games there.
const QColor FaceApresLaFin(244, 196, 120);

QPixmap Image(const char* etat, const char* nom)
{
    return QPixmap(QStringLiteral(":/%1_%2").arg(QLatin1String(etat), QLatin1String(nom)));
}

} // namespace

TMagneto::TMagneto(QWidget* parent) : QWidget(parent)
{
    setObjectName("Magneto");
    InitialiserRessources();
    int largeur = 0;
    int hauteur = 0;
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        en_[i] = Image("EN", NomsImages[i]);
        di_[i] = Image("DI", NomsImages[i]);
        cl_[i] = Image("CL", NomsImages[i]);
        for (const QPixmap* image : {&en_[i], &di_[i], &cl_[i]}) {
            largeur = std::max(largeur, image->width());
            hauteur = std::max(hauteur, image->height());
        }
    }
    tailleBouton_ = QSize(largeur + 8, hauteur + 4);
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(false);
    lecture_ = new QTimer(this);
    lecture_->setSingleShot(true);
    lecture_->setTimerType(Qt::PreciseTimer);
    connect(lecture_, &QTimer::timeout, this, &TMagneto::Avancer);
    actifs_ = Regle();
    annonce_ = Vu();
    InstallerMagnetoAccessible();
}

QSize TMagneto::sizeHint() const
{
    // Side by side, each button overlapping its left neighbour by one pixel.
    return {NbBoutonsMagneto * (tailleBouton_.width() - 1) + 1, tailleBouton_.height()};
}

QRect TMagneto::RectBouton(TMPBtnType bouton) const
{
    return {bouton * (tailleBouton_.width() - 1), 0, tailleBouton_.width(), tailleBouton_.height()};
}

bool TMagneto::BoutonActif(TMPBtnType bouton) const
{
    return AutoEnable ? actifs_[bouton] : EnabledButtons[bouton];
}

QString TMagneto::NomBouton(TMPBtnType bouton)
{
    return tr(Libelles[bouton].Nom);
}

QString TMagneto::BulleBouton(TMPBtnType bouton)
{
    return tr(Libelles[bouton].Bulle);
}

// While a replay runs only Pause and Stop make sense.  Otherwise a move is
// offered when it stays within the simulated periods 0 .. Max; a paused
// replay can also be resumed (Pause again) or stopped.
TButtonSet TMagneto::Regle() const
{
    TButtonSet actifs;
    if (Etat == EnLecture) {
        actifs[btPause] = actifs[btStop] = true;
        return actifs;
    }
    const int32_t p = Position;
    const int32_t y = PasAn;
    actifs[btPlay] = actifs[btPeriodePlus] = p < Max;
    actifs[btPlayAn] = actifs[btAnPlus] = p + y <= Max;
    actifs[btDebut] = actifs[btPeriodeMoins] = p > 0;
    actifs[btAnMoins] = p >= y;
    actifs[btPause] = actifs[btStop] = Etat == EnPause;
    return actifs;
}

void TMagneto::AppliquerRegle()
{
    actifs_ = Regle();
    update();
    Annoncer();
}

void TMagneto::FixerDernier(int32_t index)
{
    dernier_ = index;
    Max = std::max(index, etendue_);
    Position = index;
    Etat = Arrete;
    lecture_->stop();
    AppliquerRegle();
    emit Deplace();
}

void TMagneto::Reinitialiser()
{
    Position = -1;
    Max = -1;
    dernier_ = -1;
    etendue_ = -1;
    Etat = Arrete;
    lecture_->stop();
    AppliquerRegle();
}

void TMagneto::FixerEtendue(int32_t fin)
{
    etendue_ = fin;
    Max = std::max(dernier_, etendue_);
    if (Position > Max) {
        Etat = Arrete;
        lecture_->stop();
        Deplacer(Max);
    }
    AppliquerRegle();
}

void TMagneto::Suspendre(bool suspendu)
{
    if (Etat != EnLecture)
        return;
    if (suspendu)
        lecture_->stop();
    else
        lecture_->start();
}

void TMagneto::Deplacer(int32_t position)
{
    Position = position;
    update();
    Annoncer();
    emit Deplace();
}

TMagneto::TAnnonce TMagneto::Vu() const
{
    TAnnonce vu{.Offerts = {}, .Position = Position, .Max = Max, .ApresLaFin = ApresLaFin()};
    for (int i = 0; i < NbBoutonsMagneto; ++i)
        vu.Offerts[i] = isEnabled() && BoutonActif(TMPBtnType(i));
    return vu;
}

void TMagneto::Annoncer()
{
    const TAnnonce vu = Vu();
    if (vu == annonce_)
        return;
    AnnoncerMagneto(*this, std::exchange(annonce_, vu), vu);
}

void TMagneto::Appuyer(TMPBtnType bouton)
{
    if (!isEnabled() || !BoutonActif(bouton))
        return;
    switch (bouton) {
    case btPlay: Jouer(1); break;
    case btPlayAn: Jouer(PasAn); break;
    case btPause:
        if (Etat == EnLecture)
            Etat = EnPause;
        else if (Etat == EnPause)
            Jouer(1);
        break;
    case btStop: Etat = Arrete; break;
    case btDebut: Deplacer(0); break;
    case btPeriodePlus: Deplacer(Position + 1); break;
    case btAnPlus: Deplacer(Position + PasAn); break;
    case btPeriodeMoins: Deplacer(Position - 1); break;
    case btAnMoins: Deplacer(Position - PasAn); break;
    }
    if (Etat != EnLecture)
        lecture_->stop();
    AppliquerRegle();
}

// The replay moves once at the press, then once per tick of its timer, so
// that the window stays in its own event loop in between: Pause, Stop and
// the rest of the window are served there, and the graphs repainted.
void TMagneto::Jouer(int32_t pas)
{
    if (Position + pas > Max) {
        Etat = Arrete;
        return;
    }
    Etat = EnLecture;
    pas_ = pas;
    AppliquerRegle();
    Avancer();
}

// One position of the replay.  The next one is scheduled a cadence after
// this one has been drawn, while the replay goes on within the history.
// The state may have been changed directly (the main window stops a replay
// when it closes): the replay then ends here.
void TMagneto::Avancer()
{
    if (Etat != EnLecture)
        return;
    Deplacer(Position + pas_);
    if (Etat != EnLecture)
        return;
    if (Position + pas_ <= Max) {
        lecture_->start(std::max(Cadence, 0));
        return;
    }
    Etat = Arrete;
    AppliquerRegle();
}

int TMagneto::BoutonEn(const QPoint& point) const
{
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        if (RectBouton(TMPBtnType(i)).contains(point))
            return i;
    }
    return -1;
}

bool TMagneto::event(QEvent* evenement)
{
    if (evenement->type() == QEvent::ToolTip) {
        auto* aide = static_cast<QHelpEvent*>(evenement);
        const int bouton = BoutonEn(aide->pos());
        if (bouton >= 0)
            QToolTip::showText(aide->globalPos(), BulleBouton(TMPBtnType(bouton)), this,
                               RectBouton(TMPBtnType(bouton)));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(evenement);
}

void TMagneto::changeEvent(QEvent* evenement)
{
    QWidget::changeEvent(evenement);
    if (evenement->type() == QEvent::EnabledChange)
        Annoncer();
}

void TMagneto::paintEvent(QPaintEvent*)
{
    // The owner may have chosen the buttons or changed the state directly
    // and asked for a repaint: what is drawn is what is announced.
    Annoncer();
    QPainter peintre(this);
    const QPalette& p = palette();
    const QBrush face = ApresLaFin() ? QBrush(FaceApresLaFin) : p.button();
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        const auto bouton = TMPBtnType(i);
        const QRect r = RectBouton(bouton);
        const bool enfonce = enfonce_ == i && sousLaSouris_;
        // A raised bevel, sunk while the mouse holds the button down.
        peintre.fillRect(r, face);
        peintre.setPen(p.color(QPalette::Shadow));
        peintre.drawRect(r.adjusted(0, 0, -1, -1));
        peintre.setPen(enfonce ? p.color(QPalette::Dark) : p.color(QPalette::Light));
        peintre.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        peintre.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
        peintre.setPen(enfonce ? p.color(QPalette::Light) : p.color(QPalette::Dark));
        peintre.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        peintre.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);

        const bool actif = isEnabled() && BoutonActif(bouton);
        const QPixmap& image = !actif ? di_[i] : ColoredButtons[i] ? cl_[i] : en_[i];
        QPoint coin = r.center() - QPoint(image.width() / 2 - 1, image.height() / 2 - 1);
        if (enfonce)
            coin += QPoint(1, 1);
        peintre.drawPixmap(coin, image);
    }
    if (hasFocus()) {
        // The control takes the focus only from the keyboard or from
        // assistive technology, never from a click: its frame always shows,
        // even with styles that keep it for focus moved by Tab.
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.state |= QStyle::State_KeyboardFocusChange;
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &peintre, this);
    }
}

void TMagneto::mousePressEvent(QMouseEvent* evenement)
{
    const int bouton = BoutonEn(evenement->position().toPoint());
    if (evenement->button() != Qt::LeftButton || bouton < 0 || !BoutonActif(TMPBtnType(bouton)))
        return;
    enfonce_ = bouton;
    sousLaSouris_ = true;
    update();
}

void TMagneto::mouseMoveEvent(QMouseEvent* evenement)
{
    if (enfonce_ < 0)
        return;
    const bool dessus = RectBouton(TMPBtnType(enfonce_)).contains(evenement->position().toPoint());
    if (dessus != sousLaSouris_) {
        sousLaSouris_ = dessus;
        update();
    }
}

void TMagneto::mouseReleaseEvent(QMouseEvent* evenement)
{
    if (evenement->button() != Qt::LeftButton || enfonce_ < 0)
        return;
    const int bouton = enfonce_;
    const bool dessus = RectBouton(TMPBtnType(bouton)).contains(evenement->position().toPoint());
    enfonce_ = -1;
    sousLaSouris_ = false;
    update();
    if (dessus)
        Appuyer(TMPBtnType(bouton));
}

// The keyboard reaches every button: arrows by period, Ctrl+arrows by year,
// Home to the start, Space plays or pauses, Escape stops.
void TMagneto::keyPressEvent(QKeyEvent* evenement)
{
    const bool annee = evenement->modifiers() & Qt::ControlModifier;
    switch (evenement->key()) {
    case Qt::Key_Right: Appuyer(annee ? btAnPlus : btPeriodePlus); break;
    case Qt::Key_Left: Appuyer(annee ? btAnMoins : btPeriodeMoins); break;
    case Qt::Key_Home: Appuyer(btDebut); break;
    case Qt::Key_Space: Appuyer(Etat == Arrete ? (annee ? btPlayAn : btPlay) : btPause); break;
    case Qt::Key_Escape: Appuyer(btStop); break;
    default: QWidget::keyPressEvent(evenement); return;
    }
}

} // namespace vasco
