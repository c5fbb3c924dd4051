// The step control: its geometry, the buttons it shows, the moves after
// eight steps of a fishery of four periods a year, replay with pause,
// resume, stop and its cadence, the mouse and the keyboard.

#include "dataset/Ubd.h"
#include "shell/Mere.h"
#include "shell/UMagneto.h"
#include "tests/shell/Fenetre.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace vasco {
namespace {

// Resource name part of each button's pictures, left to right.
const char* const Images[NbBoutonsMagneto] = {"MPLAY",   "MPlayAn",       "MPAUSE",
                                              "MSTop",   "MDebut",        "MPeriodePlus",
                                              "MANPLUS", "MPeriodeMoins", "MAnMoins"};

// What each button shows on screen, left to right: '+' its coloured picture,
// 'o' its plain picture (both can be clicked), '-' its greyed picture.  The
// picture drawn is the one whose opaque pixels the screen matches best.
std::string Dessines(TMagneto& m)
{
    const QImage vue = m.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    std::string s;
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        const QRect r = m.RectBouton(TMPBtnType(i));
        char meilleur = '?';
        double meilleurScore = -1;
        for (const auto& [etat, code] : {std::pair{"CL", '+'}, {"EN", 'o'}, {"DI", '-'}}) {
            const QImage image = QImage(QString(":/%1_%2").arg(etat, Images[i]))
                                     .convertToFormat(QImage::Format_ARGB32);
            const QPoint coin = r.center() - QPoint(image.width() / 2 - 1, image.height() / 2 - 1);
            int opaques = 0;
            int egaux = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qAlpha(image.pixel(x, y)) != 255)
                        continue;
                    ++opaques;
                    egaux += vue.pixel(coin + QPoint(x, y)) == image.pixel(x, y);
                }
            }
            const double score = opaques ? double(egaux) / opaques : 0;
            if (score > meilleurScore) {
                meilleurScore = score;
                meilleur = code;
            }
        }
        s += meilleur;
    }
    return s;
}

// Play, PlayAn, Pause, Stop, Debut, PeriodePlus, AnPlus, PeriodeMoins, AnMoins.
TEST(Magneto, BoutonsCoteACoteDeLaTailleDesImagesPlusUneMarge)
{
    TMagneto m;
    const QPixmap image(":/EN_MPLAY");
    ASSERT_FALSE(image.isNull());
    const QRect premier = m.RectBouton(btPlay);
    EXPECT_EQ(premier.size(), image.size() + QSize(8, 4));
    for (int i = 1; i < NbBoutonsMagneto; ++i)
        EXPECT_EQ(m.RectBouton(TMPBtnType(i)).left(), m.RectBouton(TMPBtnType(i - 1)).right());
    EXPECT_EQ(m.sizeHint(), QSize(m.RectBouton(btAnMoins).right() + 1, premier.height()));
    for (const char* etat : {"EN", "DI", "CL"})
        for (const char* nom : {"MPLAY", "MPlayAn", "MPAUSE", "MSTop", "MDebut", "MPeriodePlus",
                                "MANPLUS", "MPeriodeMoins", "MAnMoins"})
            EXPECT_FALSE(QPixmap(QString(":/%1_%2").arg(etat, nom)).isNull()) << etat << nom;
}

// Before the first period the control is greyed; after it there is still
// nowhere to move.
TEST(Magneto, RienAJouerAvantLeDeuxiemePas)
{
    TFenetreMere f;
    f.show();
    ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
    TMagneto& m = *f.Magnetoscope();
    EXPECT_EQ(Dessines(m), "---------");
    f.PasAPas();
    EXPECT_TRUE(m.isEnabled());
    EXPECT_EQ(Dessines(m), "---------");
    f.PasAPas();
    EXPECT_EQ(Dessines(m), "----+--+-");
}

class MagnetoHuitPas : public testing::Test {
protected:
    void SetUp() override
    {
        f.show();
        ASSERT_TRUE(f.ChargerFichier(Exemple("golfe.vsc")));
        for (int i = 0; i < 8; ++i)
            f.PasAPas();
        m.Cadence = 0;
        QObject::connect(&m, &TMagneto::Deplace, [this] { positions.push_back(m.Position); });
    }

    void Cliquer(TMPBtnType bouton)
    {
        QTest::mouseClick(&m, Qt::LeftButton, {}, m.RectBouton(bouton).center());
    }

    TFenetreMere f;
    TMagneto& m = *f.Magnetoscope();
    std::vector<int32_t> positions;
};

// Each row is the user's next action on the control, and what its buttons
// show afterwards.  Eight periods of four a year: positions 0 to 7.
TEST_F(MagnetoHuitPas, LesBoutonsMontrentLesDeplacementsPossibles)
{
    struct Cas {
        const char* quoi;
        std::function<void()> faire;
        const char* dessin; // Play, PlayAn, Pause, Stop, Debut, +1, +an, -1, -an
    };
    const Cas cas[] = {
        {"à la dernière période", [] {}, "----+--++"},
        {"une période en arrière", [&] { Cliquer(btPeriodeMoins); }, "+---++-++"},
        {"une année en arrière", [&] { Cliquer(btAnMoins); }, "++--++++-"},
        {"au début", [&] { Cliquer(btDebut); }, "++---++--"},
        {"en lecture",
         [&] {
             m.Cadence = 60000;
             Cliquer(btPlay);
         },
         "--++-----"},
        {"en pause", [&] { Cliquer(btPause); }, "++++++++-"},
        {"arrêtée", [&] { Cliquer(btStop); }, "++--++++-"},
        {"une année en avant", [&] { Cliquer(btAnPlus); }, "+---++-++"},
        {"sans couleur pour Début", [&] { m.ColoredButtons[btDebut] = false; }, "+---o+-++"},
        {"boutons choisis par la fenêtre",
         [&] {
             m.AutoEnable = false;
             m.EnabledButtons.reset();
             m.EnabledButtons[btAnMoins] = true;
         },
         "--------+"},
        {"toutes les fenêtres fermées", [&] { f.Action("FenetreSupprimer")->trigger(); },
         "---------"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        c.faire();
        EXPECT_EQ(Dessines(m), c.dessin);
    }
}

TEST_F(MagnetoHuitPas, AnneeEnArriereDebutEtLectureParAnnee)
{
    EXPECT_EQ(m.Position, 7);
    EXPECT_EQ(m.Max, 7);
    EXPECT_EQ(m.PasAn, 4);

    Cliquer(btAnMoins);
    EXPECT_EQ(m.Position, 3);
    Cliquer(btAnMoins); // greyed: nothing
    EXPECT_EQ(m.Position, 3);

    Cliquer(btDebut);
    EXPECT_EQ(m.Position, 0);
    Cliquer(btPlayAn);
    ASSERT_TRUE(AttendreFin(m));
    EXPECT_EQ(m.Position, 4);
    EXPECT_EQ(m.Etat, TMagneto::Arrete);
    EXPECT_EQ(positions, (std::vector<int32_t>{3, 0, 4}));

    Cliquer(btAnPlus); // 4 + 4 > 7
    Cliquer(btPeriodePlus);
    Cliquer(btPeriodeMoins);
    Cliquer(btPeriodeMoins);
    EXPECT_EQ(m.Position, 3);
    Cliquer(btPlay);
    ASSERT_TRUE(AttendreFin(m));
    EXPECT_EQ(m.Position, 7);
    EXPECT_EQ(positions, (std::vector<int32_t>{3, 0, 4, 5, 4, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Dessines(m), "----+--++");

    // A button released away from itself does nothing.
    QTest::mousePress(&m, Qt::LeftButton, {}, m.RectBouton(btDebut).center());
    QTest::mouseRelease(&m, Qt::LeftButton, {}, m.RectBouton(btPlay).center());
    EXPECT_EQ(m.Position, 7);

    // A control disabled by the main window ignores the mouse.
    f.ModifierEnabled(TMode::FenetresFermees);
    Cliquer(btDebut);
    EXPECT_EQ(m.Position, 7);
}

TEST_F(MagnetoHuitPas, PauseGardeLaPositionEtReprendDeLa)
{
    m.Appuyer(btDebut);
    positions.clear();
    // The click makes the first move and returns; the replay goes on from
    // the event loop, offering only Pause and Stop.
    Cliquer(btPlay);
    EXPECT_EQ(m.Etat, TMagneto::EnLecture);
    EXPECT_EQ(m.Position, 1);
    Cliquer(btPlay); // greyed: no second replay
    Cliquer(btPause);
    EXPECT_EQ(m.Etat, TMagneto::EnPause);
    QTest::qWait(20);
    EXPECT_EQ(m.Position, 1);
    EXPECT_EQ(positions, (std::vector<int32_t>{1}));
    EXPECT_EQ(Dessines(m).substr(btPause, 2), "++");

    Cliquer(btPause);
    ASSERT_TRUE(AttendreFin(m));
    EXPECT_EQ(m.Position, 7);
    EXPECT_EQ(m.Etat, TMagneto::Arrete);
    EXPECT_EQ(positions, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Dessines(m).substr(btPause, 2), "--");

    // Stop during a replay ends it where it is.
    m.Appuyer(btDebut);
    Cliquer(btPlay);
    Cliquer(btStop);
    QTest::qWait(20);
    EXPECT_EQ(m.Position, 1);
    EXPECT_EQ(m.Etat, TMagneto::Arrete);
    EXPECT_EQ(Dessines(m), "++--++++-");
}

// Positions follow one another no faster than the cadence.
TEST_F(MagnetoHuitPas, LaLectureGardeSaCadence)
{
    m.Cadence = 30;
    m.Appuyer(btDebut);
    QElapsedTimer chrono;
    chrono.start();
    std::vector<qint64> instants;
    QObject::connect(&m, &TMagneto::Deplace, [&] { instants.push_back(chrono.nsecsElapsed()); });
    Cliquer(btPlay);
    ASSERT_TRUE(AttendreFin(m));
    ASSERT_EQ(instants.size(), 7u);
    for (size_t i = 1; i < instants.size(); ++i)
        EXPECT_GE(instants[i] - instants[i - 1], (m.Cadence - 1) * 1'000'000LL) << i;
}

TEST_F(MagnetoHuitPas, UnPasPendantLaLectureLArreteALaDernierePeriode)
{
    m.Appuyer(btDebut);
    Cliquer(btPlay);
    ASSERT_EQ(m.Etat, TMagneto::EnLecture);
    f.PasAPas();
    EXPECT_EQ(m.Max, 8);
    EXPECT_EQ(m.Position, 8);
    EXPECT_EQ(m.Etat, TMagneto::Arrete);
    QTest::qWait(20);
    EXPECT_EQ(m.Position, 8);
}

// Closing the main window ends a replay: nothing moves afterwards.
TEST_F(MagnetoHuitPas, FermerLaFenetreArreteLaLecture)
{
    m.Appuyer(btDebut);
    positions.clear();
    Cliquer(btPlay);
    EXPECT_TRUE(f.close());
    QTest::qWait(20);
    EXPECT_EQ(positions, (std::vector<int32_t>{1}));
    EXPECT_EQ(m.Etat, TMagneto::Arrete);
}

TEST_F(MagnetoHuitPas, LeClavierAtteintChaqueDeplacement)
{
    m.setFocus();
    QTest::keyClick(&m, Qt::Key_Left);
    EXPECT_EQ(m.Position, 6);
    QTest::keyClick(&m, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(m.Position, 2);
    QTest::keyClick(&m, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(m.Position, 6);
    QTest::keyClick(&m, Qt::Key_Home);
    EXPECT_EQ(m.Position, 0);
    QTest::keyClick(&m, Qt::Key_Right);
    EXPECT_EQ(m.Position, 1);
    QTest::keyClick(&m, Qt::Key_Space);
    ASSERT_TRUE(AttendreFin(m));
    EXPECT_EQ(m.Position, 7);
}

TEST_F(MagnetoHuitPas, ChaqueDeplacementRedessineEtSAfficheSousLaBarre)
{
    m.Appuyer(btAnMoins);
    auto* position = f.findChild<QLabel*>("LbPosition");
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(position->text(), "golfe.vsc : période 4 sur 8 (année 1, période 4 de l'année)");
    // A new data set starts the control over.
    ASSERT_TRUE(f.ChargerFichier(Exemple("simple.vsc")));
    EXPECT_EQ(m.Position, -1);
    EXPECT_EQ(m.Max, -1);
    EXPECT_EQ(position->text(), "simple.vsc : aucune période simulée");
}

} // namespace
} // namespace vasco
