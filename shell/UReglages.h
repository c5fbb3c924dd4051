// What the program keeps from one run to the next, with QSettings: the
// language chosen (shell/ULangue.h) and whether graphs show their legend.
// Everything else is chosen anew at each start.  The window tests run with
// QStandardPaths' test mode, so they never read nor write the user's own.
#pragma once

#include <QSettings>

namespace vasco {

// The program's settings, in the user's configuration folder.
QSettings Reglages();

// "Options | Légendes": whether graph windows show their legend band (on
// until the user turns it off), and storing the choice.
bool LegendesAffichees();
void EnregistrerLegendes(bool afficher);

} // namespace vasco
