// Where the program finds the files it keeps beside itself: the help file,
// the sounds and the sample fisheries.
#pragma once

#include <QString>

namespace vasco {

// The full path of a file installed with the program (beside it, or in its
// share folder), or an empty string when there is none.
QString FichierProgramme(const QString& nom);

} // namespace vasco
