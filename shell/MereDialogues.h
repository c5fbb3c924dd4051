// The dialog side of the main window: its dialogs, created once at start,
// the sound player, and the two seams the tests script.
#pragma once

#include "dialogs/UCMetierSimple.h"

#include <QString>
#include <functional>

namespace vasco {

class TConditionEspece;
class TBilan60ans;
class TFQuitter;
class TAPropos;
class TSon;

struct TPartieDialogues {
    // Shows a modal dialog and returns its result (the dialog's own loop in
    // the program).
    TMontrer Montrer;
    // Plays a sound file by name, waiting for its end or not; false when it
    // cannot be played.  The player below, in the program.
    std::function<bool(const QString& nom, bool attendre)> Jouer;

    // Owned by the main window, as its children.
    TAPropos* Propos = nullptr;
    TFQuitter* Quitter = nullptr;
    TConditionEspece* Espece = nullptr;
    TConditionMetierSimple* Metier = nullptr;
    TBilan60ans* Bilan = nullptr;
    TSon* Son = nullptr;
};

} // namespace vasco
