// The step control as a screen reader sees it: nine named buttons in screen
// order described by their tooltips, gone with the control, pressable as by
// the mouse, following the control's enabling.

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

// The buttons go with the control.
TEST(MagnetoAccessible, NeufBoutonsNommesDansLOrdreEtDecritsParLeurBulle)
{
    auto m = std::make_unique<TMagneto>();
    QAccessibleInterface* groupe = QAccessible::queryAccessibleInterface(m.get());
    EXPECT_EQ(groupe->text(QAccessible::Description), "Aucune période simulée");
    HuitPeriodes(*m);
    m->show();
    EXPECT_FALSE(groupe->text(QAccessible::Name).isEmpty());
    ASSERT_EQ(groupe->childCount(), NbBoutonsMagneto);
    std::set<QString> noms;
    std::vector<QAccessible::Id> ids;
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        QAccessibleInterface* bouton = groupe->child(i);
        ids.push_back(QAccessible::uniqueId(bouton));
        EXPECT_EQ(bouton->role(), QAccessible::Button);
        EXPECT_EQ(groupe->indexOfChild(bouton), i);
        noms.insert(bouton->text(QAccessible::Name));
        const QRect r = bouton->rect();
        EXPECT_TRUE(i == 0 || r.left() > groupe->child(i - 1)->rect().left()) << i;
        EXPECT_EQ(groupe->childAt(r.center().x(), r.center().y()), bouton) << i;
        // The tooltip the mouse shows over the same place.
        QHelpEvent aide(QEvent::ToolTip, m->mapFromGlobal(r.center()), r.center());
        QApplication::sendEvent(m.get(), &aide);
        EXPECT_FALSE(QToolTip::text().isEmpty());
        EXPECT_EQ(bouton->text(QAccessible::Description), QToolTip::text()) << i;
    }
    QToolTip::hideText();
    noms.insert(QString());
    EXPECT_EQ(noms.size(), size_t(NbBoutonsMagneto + 1)) << "names distinct and not empty";
    m.reset();
    for (QAccessible::Id id : ids)
        EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

// Each row is a change of the control, then the buttons a screen reader may
// press ('+') and the position it reads.
TEST(MagnetoAccessible, BoutonsPressablesSelonLaPosition)
{
    TMagneto m;
    HuitPeriodes(m);
    QAccessibleInterface* groupe = QAccessible::queryAccessibleInterface(&m);
    const struct {
        const char* quoi;
        std::function<void()> faire;
        const char* pressables; // Play, PlayAn, Pause, Stop, Debut, +1, +an, -1, -an
        QString position;
    } cas[] = {
        {"à la fin", [] {}, "----+--++", "Période 8 sur 8"},
        {"au début", [&] { m.Appuyer(btDebut); }, "++---++--", "Période 1 sur 8"},
        {"au milieu", [&] { m.Appuyer(btAnPlus); }, "+---++-++", "Période 5 sur 8"},
        {"en lecture", [&] { m.Appuyer(btPlay); }, "--++-----", "Période 6 sur 8"},
        {"désactivé", [&] { m.setEnabled(false); }, "---------", "Période 6 sur 8"},
    };
    for (const auto& c : cas) {
        c.faire();
        std::string pressables;
        for (int i = 0; i < NbBoutonsMagneto; ++i)
            pressables += groupe->child(i)->state().disabled ? '-' : '+';
        EXPECT_EQ(pressables, c.pressables) << c.quoi;
        EXPECT_EQ(groupe->text(QAccessible::Description), c.position) << c.quoi;
    }
}

// From the same position, the press action of each button leaves the
// control as a click on it does, greyed buttons included.
TEST(MagnetoAccessible, AppuyerFaitCommeUnClic)
{
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        TMagneto clic, lecteur;
        for (TMagneto* m : {&clic, &lecteur}) {
            HuitPeriodes(*m);
            m->Appuyer(btAnMoins);
        }
        QTest::mouseClick(&clic, Qt::LeftButton, {}, clic.RectBouton(TMPBtnType(i)).center());
        auto* action = QAccessible::queryAccessibleInterface(&lecteur)->child(i)->actionInterface();
        ASSERT_NE(action, nullptr);
        action->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(lecteur.Position, clic.Position) << i;
        EXPECT_EQ(lecteur.Etat, clic.Etat) << i;
    }
}

} // namespace
} // namespace vasco
