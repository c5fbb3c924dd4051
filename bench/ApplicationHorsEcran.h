// The one QApplication of a window benchmark, on the offscreen platform
// unless another is asked for, with guard messages silenced (no box can
// open offscreen, and none is expected).
#pragma once

#include "model/Umessages.h"

#include <QApplication>
#include <QtGlobal>
#include <string>

namespace vasco {

inline void ApplicationHorsEcran()
{
    static int argc = 1;
    static char nom[] = "vasco-bench";
    static char* argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    InstallerRecepteur([](const std::string&) {});
}

} // namespace vasco
