// The step control: a tape-recorder row of buttons that moves a position
// over the simulated periods, so that every graph window can replay the
// history period by period or year by year without simulating again.
#pragma once

#include "model/Uhote.h"

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <bitset>

class QTimer;

namespace vasco {

// The nine buttons, from left to right.
enum TMPBtnType : uint8_t {
    btPlay,
    btPlayAn,
    btPause,
    btStop,
    btDebut,
    btPeriodePlus,
    btAnPlus,
    btPeriodeMoins,
    btAnMoins,
};
constexpr int NbBoutonsMagneto = 9;
using TButtonSet = std::bitset<NbBoutonsMagneto>;

class TMagneto : public QWidget, public TMagnetoBase {
    Q_OBJECT

public:
    enum TEtat : uint8_t { Arrete = 0, EnLecture = 1, EnPause = 2 };

    explicit TMagneto(QWidget* parent = nullptr);

    int32_t Position = -1;
    int32_t Max = -1;
    uint8_t PasAn = 10;
    uint8_t Etat = Arrete;
    // The buttons enable themselves from the position; otherwise the owner
    // chooses them in EnabledButtons.
    bool AutoEnable = true;
    TButtonSet EnabledButtons = TButtonSet().set();
    // Buttons drawn with their coloured picture when enabled.
    TButtonSet ColoredButtons = TButtonSet().set();
    // Least time between two positions while playing, in milliseconds, so
    // that a replay can be watched.
    int Cadence = 150;

    int32_t PositionCourante() const override { return Position; }
    // The last simulated period: the position moves to it and a replay stops.
    void FixerDernier(int32_t index);
    // Back to the state before the first step (a new data set).
    void Reinitialiser();

    // The last period of the compared games, -1 with none.  When they are
    // longer than the current game the range goes on to their end: the
    // positions past the current game's last period show only them.  A
    // step still simulates after that last period (FixerDernier).  The
    // position, beyond a range that shrinks, comes back to its end.
    void FixerEtendue(int32_t fin);
    int32_t DernierePartie() const { return dernier_; }
    // The position is past the current game's last period.
    bool ApresLaFin() const { return etendue_ > dernier_ && Position > dernier_; }
    // Holds a replay while a modal question waits, then lets it go on.
    void Suspendre(bool suspendu);

    // Presses a button as the mouse does: nothing when the control or the
    // button is disabled.  The play buttons make the first move and return:
    // the replay goes on from the event loop, one position per Cadence.
    void Appuyer(TMPBtnType bouton);
    bool BoutonActif(TMPBtnType bouton) const;
    QRect RectBouton(TMPBtnType bouton) const;
    // The button under a point of the control, -1 between or beside them.
    int BoutonEn(const QPoint& point) const;
    // What a button is called: the short name a screen reader speaks, and
    // the hint its tooltip shows.
    static QString NomBouton(TMPBtnType bouton);
    static QString BulleBouton(TMPBtnType bouton);

    // What assistive technology was last told of the control: the buttons
    // that can be pressed and the position it describes.  A change of
    // either is announced, whatever made it.
    struct TAnnonce {
        TButtonSet Offerts;
        int32_t Position = -1;
        int32_t Max = -1;
        bool ApresLaFin = false;
        bool operator==(const TAnnonce&) const = default;
    };

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The position moved: every graph window redraws.
    void Deplace();

protected:
    bool event(QEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    TButtonSet Regle() const;
    void AppliquerRegle();
    void Deplacer(int32_t position);
    void Jouer(int32_t pas);
    void Avancer();
    TAnnonce Vu() const;
    void Annoncer();

    TButtonSet actifs_;
    TAnnonce annonce_;
    int32_t dernier_ = -1;
    int32_t etendue_ = -1;
    int enfonce_ = -1;
    bool sousLaSouris_ = false;
    // The replay's step, a period or a year, and its timer.
    int32_t pas_ = 1;
    QTimer* lecture_ = nullptr;
    QSize tailleBouton_;
    std::array<QPixmap, NbBoutonsMagneto> en_, di_, cl_;
};

} // namespace vasco
