// The window tests share one QApplication.  They need no display: the
// platform defaults to offscreen, also when test discovery runs this program
// outside ctest.

#include "tests/shell/Fenetre.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    // The tests never read nor write the user's settings (the language
    // chosen), and speak French whatever the system's language: no
    // translation is installed unless a test installs one.
    QStandardPaths::setTestModeEnabled(true);
    // ctest runs each test in a process of its own, side by side: each keeps
    // its settings in a folder of its own, so that one test switching an
    // option off (the legends) is never seen by another running meanwhile.
    QTemporaryDir reglages;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, reglages.path());
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    vasco::TRepondeurQuestion repondeur;
    application.installEventFilter(&repondeur);
    return RUN_ALL_TESTS();
}
