// The step control as a screen reader sees it: nine named buttons in screen
// order described by their tooltips, pressable as by the mouse, following
// the control's enabling and announcing its changes, gone with the control.

#include "shell/UMagneto.h"
#include "tests/shell/Fenetre.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vasco {
namespace {

// Eight simulated periods of four a year, at the last one.
void HuitPeriodes(TMagneto& m)
{
    m.PasAn = 4;
    m.Cadence = 60000;
    m.FixerDernier(7);
}

// '+' for each button a screen reader may press, '-' for the others.
std::string Pressables(QAccessibleInterface* groupe)
{
    std::string s;
    for (int i = 0; i < groupe->childCount(); ++i)
        s += groupe->child(i)->state().disabled ? '-' : '+';
    return s;
}

TEST(MagnetoAccessible, NeufBoutonsNommesDansLOrdreEtDecritsParLeurBulle)
{
    TMagneto m;
    HuitPeriodes(m);
    m.show();
    QAccessibleInterface* groupe = QAccessible::queryAccessibleInterface(&m);
    ASSERT_NE(groupe, nullptr);
    EXPECT_TRUE(groupe->role() == QAccessible::Grouping || groupe->role() == QAccessible::ToolBar);
    EXPECT_FALSE(groupe->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(groupe->text(QAccessible::Description), "Période 8 sur 8");
    ASSERT_EQ(groupe->childCount(), NbBoutonsMagneto);
    std::set<QString> noms;
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        SCOPED_TRACE(i);
        QAccessibleInterface* bouton = groupe->child(i);
        ASSERT_NE(bouton, nullptr);
        EXPECT_EQ(bouton->role(), QAccessible::Button);
        EXPECT_EQ(bouton->parent(), groupe);
        EXPECT_EQ(groupe->indexOfChild(bouton), i);
        noms.insert(bouton->text(QAccessible::Name));
        const QRect r = bouton->rect();
        if (i > 0) {
            EXPECT_GT(r.left(), groupe->child(i - 1)->rect().left());
        }
        EXPECT_EQ(groupe->childAt(r.center().x(), r.center().y()), bouton);
        // The tooltip the mouse shows over the same place.
        const QPoint local = m.mapFromGlobal(r.center());
        QHelpEvent aide(QEvent::ToolTip, local, r.center());
        QApplication::sendEvent(&m, &aide);
        EXPECT_EQ(bouton->text(QAccessible::Description), QToolTip::text());
        EXPECT_FALSE(QToolTip::text().isEmpty());
        QToolTip::hideText();
    }
    EXPECT_EQ(noms.size(), size_t(NbBoutonsMagneto));
    EXPECT_FALSE(noms.count(QString()));
}

// Each row is a change of the control, then the buttons a screen reader may
// press and the position it reads.
TEST(MagnetoAccessible, BoutonsPressablesSelonLaPosition)
{
    TMagneto m;
    HuitPeriodes(m);
    QAccessibleInterface* groupe = QAccessible::queryAccessibleInterface(&m);
    struct Cas {
        const char* quoi;
        std::function<void()> faire;
        std::string pressables; // Play, PlayAn, Pause, Stop, Debut, +1, +an, -1, -an
        QString position;
    };
    const Cas cas[] = {
        {"au début", [&] { m.Appuyer(btDebut); }, "++---++--", "Période 1 sur 8"},
        {"au milieu", [&] { m.Appuyer(btAnPlus); }, "+---++-++", "Période 5 sur 8"},
        {"en lecture", [&] { m.Appuyer(btPlay); }, "--++-----", "Période 6 sur 8"},
        {"arrêtée", [&] { m.Appuyer(btStop); }, "+---++-++", "Période 6 sur 8"},
        {"désactivé", [&] { m.setEnabled(false); }, "---------", "Période 6 sur 8"},
        {"à la fin",
         [&] {
             m.setEnabled(true);
             m.Appuyer(btPeriodePlus);
             m.Appuyer(btPeriodePlus);
         },
         "----+--++", "Période 8 sur 8"},
        {"nouvelles données", [&] { m.Reinitialiser(); }, "---------", "Aucune période simulée"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        c.faire();
        EXPECT_EQ(Pressables(groupe), c.pressables);
        EXPECT_EQ(groupe->text(QAccessible::Description), c.position);
    }
}

// From the same position, the press action of each button leaves the
// control as a click on it does, greyed buttons included.
TEST(MagnetoAccessible, AppuyerFaitCommeUnClic)
{
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        SCOPED_TRACE(i);
        TMagneto clic, lecteur;
        for (TMagneto* m : {&clic, &lecteur}) {
            HuitPeriodes(*m);
            m->Appuyer(btAnMoins);
        }
        QTest::mouseClick(&clic, Qt::LeftButton, {}, clic.RectBouton(TMPBtnType(i)).center());
        auto* action = QAccessible::queryAccessibleInterface(&lecteur)->child(i)->actionInterface();
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        action->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(lecteur.Position, clic.Position);
        EXPECT_EQ(lecteur.Etat, clic.Etat);
    }
}

TEST(MagnetoAccessible, SesBoutonsDisparaissentAvecLui)
{
    auto m = std::make_unique<TMagneto>();
    QAccessibleInterface* groupe = QAccessible::queryAccessibleInterface(m.get());
    std::vector<QAccessible::Id> ids;
    for (int i = 0; i < groupe->childCount(); ++i)
        ids.push_back(QAccessible::uniqueId(groupe->child(i)));
    m.reset();
    for (QAccessible::Id id : ids)
        EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

// The focus frame shows only while the control has the keyboard focus.
TEST(MagnetoAccessible, LeCadreDeFocusSuitLeFocus)
{
    TMagneto m;
    m.show();
    m.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    m.clearFocus();
    const QImage sans = m.grab().toImage();
    m.setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(m.hasFocus());
    EXPECT_NE(m.grab().toImage(), sans);
    m.clearFocus();
    EXPECT_EQ(m.grab().toImage(), sans);
}

} // namespace
} // namespace vasco
