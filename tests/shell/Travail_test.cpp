// A computation in the background: the bar and the button in the status
// bar while it runs, its end called on the window's thread, Cancel, and
// nothing left running when it is destroyed half-way.
#include "shell/UTravail.h"

#include <QApplication>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace vasco {
namespace {

using namespace std::chrono_literals;

// A work of n steps of 1 ms that looks at the cancel flag between them.
std::function<void()> Pas(TTravail& t, int n)
{
    return [&t, n] {
        for (int i = 0; i < n && !t.Annulation().load(); ++i) {
            std::this_thread::sleep_for(1ms);
            ++t.Faits();
        }
    };
}

TEST(Travail, FinSurLeFilDeLaFenetreAnnulationEtDestruction)
{
    QMainWindow fenetre;
    const struct {
        const char* nom;
        bool annuler;  // the button clicked once the work has begun
        bool detruire; // the work destroyed while it runs
        bool echec;    // the work raises
    } cas[] = {
        {"jusqu'au bout", false, false, false},
        {"annulé", true, false, false},
        {"détruit en cours", false, true, false},
        {"échec", false, false, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        auto* travail = new TTravail(fenetre.statusBar(), "Calcul", 200);
        ASSERT_NE(travail->Barre(), nullptr);
        EXPECT_EQ(travail->Barre()->maximum(), 200);
        int fins = 0;
        bool annule = false;
        std::thread::id filFin;
        std::function<void()> corps = Pas(*travail, 200);
        if (c.echec)
            corps = [] { throw std::runtime_error("panne"); };
        travail->Lancer(corps, [&](bool a) {
            ++fins;
            annule = a;
            filFin = std::this_thread::get_id();
        });
        EXPECT_TRUE(travail->EnCours());
        if (c.detruire) {
            delete travail;
            QCoreApplication::processEvents();
            EXPECT_EQ(fins, 0);
            EXPECT_TRUE(fenetre.statusBar()->findChildren<QProgressBar*>().isEmpty());
            continue;
        }
        if (c.annuler) {
            QTRY_VERIFY(travail->Faits().load() > 0);
            QTest::mouseClick(travail->Bouton(), Qt::LeftButton);
        }
        QTRY_COMPARE_WITH_TIMEOUT(fins, 1, 5000);
        EXPECT_EQ(filFin, std::this_thread::get_id());
        EXPECT_EQ(annule, c.annuler);
        EXPECT_FALSE(travail->EnCours());
        EXPECT_EQ(bool(travail->Echec()), c.echec);
        if (!c.annuler && !c.echec) {
            EXPECT_EQ(travail->Faits().load(), 200);
        }
        // The bar and the button leave the status bar with the work's end.
        EXPECT_TRUE(fenetre.statusBar()->findChildren<QProgressBar*>().isEmpty());
        delete travail;
    }
}

TEST(Travail, LaBarreAvancePendantLeCalcul)
{
    QMainWindow fenetre;
    TTravail travail(fenetre.statusBar(), "Calcul", 300);
    bool fini = false;
    travail.Lancer(Pas(travail, 300), [&](bool) { fini = true; });
    QTRY_VERIFY_WITH_TIMEOUT(travail.Barre() && travail.Barre()->value() > 0, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(fini, 5000);
}

} // namespace
} // namespace vasco
