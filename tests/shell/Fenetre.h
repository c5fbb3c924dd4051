// Helpers of the main window tests.
#pragma once

#include "tests/support/Support.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vasco {

// A sample fishery of data/.
inline QString Exemple(const char* nom)
{
    return QString::fromStdString(test::FichierDonnees(nom));
}

inline void EcrireFichier(const QString& chemin, const QByteArray& contenu)
{
    QFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fichier.write(contenu);
}

} // namespace vasco
