// The graph side of the main window: what it keeps for its graph windows.
#pragma once

#include <QString>
#include <functional>

namespace vasco {

struct TPartieGraphes {
    // The save dialog of "Enregistrer graphique sous...", replaceable by the
    // tests: the chosen file, or an empty string when the user cancels.
    // Left empty, the program's own dialog is shown.
    std::function<QString()> DemanderFichierImage;
};

} // namespace vasco
