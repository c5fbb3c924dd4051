#include "shell/Mere.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace vasco {
namespace {

TEST(FenetreMere, SOuvreAvecSaZoneDeFenetresEtSeFerme)
{
    QPointer<TFenetreMere> fenetre = new TFenetreMere;
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre));
    EXPECT_EQ(fenetre->windowTitle(), "Vasco  ");

    auto* zone = qobject_cast<QMdiArea*>(fenetre->centralWidget());
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone, fenetre->Zone());
    zone->addSubWindow(new QWidget)->show();
    EXPECT_EQ(zone->subWindowList().size(), 1);

    EXPECT_TRUE(fenetre->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenetre.isNull());
}

} // namespace
} // namespace vasco
