// The step control: its geometry, the enabling rule, the moves after eight
// steps of a fishery of four periods a year, replay with pause and resume,
// the mouse and the keyboard.

#include "dataset/Ubd.h"
#include "shell/Mere.h"
#include "shell/UMagneto.h"
#include "tests/shell/Fenetre.h"

#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>

namespace vasco {
namespace {

// The enabled buttons as a string of nine '1' and '0', left to right.
std::string Actifs(const TMagneto& m)
{
    std::string s;
    for (int i = 0; i < NbBoutonsMagneto; ++i)
        s += m.BoutonActif(TMPBtnType(i)) ? '1' : '0';
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

TEST(Magneto, LaRegleNOffreQueLesDeplacementsPossibles)
{
    TMagneto m;
    EXPECT_EQ(m.Position, -1);
    EXPECT_EQ(m.Max, -1);
    EXPECT_EQ(m.PasAn, 10);
    EXPECT_EQ(Actifs(m), "000000000");
    m.FixerDernier(0);
    EXPECT_EQ(Actifs(m), "000000000");
    m.PasAn = 4;
    m.FixerDernier(4);
    EXPECT_EQ(Actifs(m), "000010011");
    m.Appuyer(btPeriodeMoins);
    EXPECT_EQ(m.Position, 3);
    EXPECT_EQ(Actifs(m), "100011010");
    m.Appuyer(btDebut);
    EXPECT_EQ(Actifs(m), "110001100");

    // Chosen by the owner when the buttons do not enable themselves.
    m.AutoEnable = false;
    m.EnabledButtons.reset();
    m.EnabledButtons[btAnMoins] = true;
    EXPECT_EQ(Actifs(m), "000000001");
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

TEST_F(MagnetoHuitPas, AnneeEnArriereDebutEtLectureParAnnee)
{
    EXPECT_EQ(m.Position, 7);
    EXPECT_EQ(m.Max, 7);
    EXPECT_EQ(m.PasAn, 4);
    EXPECT_TRUE(m.isEnabled());
    EXPECT_EQ(Actifs(m), "000010011");

    Cliquer(btAnMoins);
    EXPECT_EQ(m.Position, 3);
    EXPECT_FALSE(m.BoutonActif(btAnMoins));
    Cliquer(btAnMoins); // disabled: nothing
    EXPECT_EQ(m.Position, 3);

    Cliquer(btDebut);
    EXPECT_EQ(m.Position, 0);
    Cliquer(btPlayAn);
    EXPECT_EQ(m.Position, 4);
    EXPECT_EQ(m.Etat, TMagneto::Arrete);
    EXPECT_EQ(positions, (std::vector<int32_t>{3, 0, 4}));

    Cliquer(btAnPlus); // 4 + 4 > 7
    Cliquer(btPeriodePlus);
    Cliquer(btPeriodeMoins);
    Cliquer(btPeriodeMoins);
    EXPECT_EQ(m.Position, 3);
    Cliquer(btPlay);
    EXPECT_EQ(m.Position, 7);
    EXPECT_EQ(positions, (std::vector<int32_t>{3, 0, 4, 5, 4, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Actifs(m), "000010011");

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
    TButtonSet pendant;
    QTimer::singleShot(0, &m, [&] {
        for (int i = 0; i < NbBoutonsMagneto; ++i)
            pendant[i] = m.BoutonActif(TMPBtnType(i));
        // A second play from inside the replay does not start another one.
        m.Appuyer(btPlay);
        Cliquer(btPause);
    });
    Cliquer(btPlay);
    EXPECT_EQ(pendant.to_string(), "000001100"); // bit 0 (Play) on the right
    EXPECT_EQ(m.Etat, TMagneto::EnPause);
    EXPECT_EQ(m.Position, 1);
    EXPECT_EQ(positions, (std::vector<int32_t>{1}));
    EXPECT_TRUE(m.BoutonActif(btPause));
    EXPECT_TRUE(m.BoutonActif(btStop));

    Cliquer(btPause);
    EXPECT_EQ(m.Position, 7);
    EXPECT_EQ(m.Etat, TMagneto::Arrete);
    EXPECT_EQ(positions, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(m.BoutonActif(btPause));

    // Stop during a replay ends it where it is.
    m.Appuyer(btDebut);
    QTimer::singleShot(0, &m, [&] { Cliquer(btStop); });
    Cliquer(btPlay);
    EXPECT_EQ(m.Position, 1);
    EXPECT_EQ(m.Etat, TMagneto::Arrete);
    EXPECT_EQ(Actifs(m), "110011110");
}

TEST_F(MagnetoHuitPas, UnPasPendantLaLectureLArreteALaDernierePeriode)
{
    m.Appuyer(btDebut);
    QTimer::singleShot(0, &f, [&] { f.PasAPas(); });
    Cliquer(btPlay);
    EXPECT_EQ(m.Max, 8);
    EXPECT_EQ(m.Position, 8);
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
