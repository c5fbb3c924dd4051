// Where the program finds the files it keeps beside itself: the help file,
// the sounds and the sample fisheries.
#pragma once

#include <QString>

class QFileDialog;

namespace vasco {

// Runs a save dialog until it gives a name in an existing folder (a name in
// a missing folder is refused with a message and the dialog shown again; an
// existing file is confirmed by the dialog before it is replaced); an empty
// string when the user cancels.
QString NomAEnregistrer(QFileDialog& dialogue);

// The full path of a file installed with the program (beside it, or in its
// share folder), or an empty string when there is none.
QString FichierProgramme(const QString& nom);

} // namespace vasco
