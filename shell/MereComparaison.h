// What the main window keeps of a class's games compared with the current
// game: the comparison shown, the replay under way, and the items whose
// enabling follows them.
#pragma once

#include "shell/UTravail.h"

#include <memory>

class QActionGroup;
class QLabel;

namespace vasco {

struct TComparaison;

struct TPartieComparaison {
    // Shared with every graph window that draws it; null with none.
    std::shared_ptr<const TComparaison> Montree;
    // The replay under way, null once it has ended.
    std::unique_ptr<TTravail> Travail;
    // The items off while a replay runs: stepping, running, the measure
    // dialogs, loading and opening (and comparing again).  A group switched
    // off keeps what the enabling table last said of each of its items and
    // gives it back when switched on: the table goes on as usual meanwhile.
    QActionGroup* Bloquees = nullptr;
    // The items usable only while a comparison is shown, in the same way.
    QActionGroup* AvecComparaison = nullptr;
    // "Comparée à N parties", in the status bar while one is shown.
    QLabel* Etiquette = nullptr;
};

} // namespace vasco
