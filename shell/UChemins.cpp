#include "shell/UChemins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vasco {

QString FichierProgramme(const QString& nom)
{
    const QDir dossier(QCoreApplication::applicationDirPath());
    for (const QString& chemin :
         {dossier.filePath(nom), dossier.filePath("../share/vasco/" + nom)}) {
        if (QFileInfo::exists(chemin))
            return QFileInfo(chemin).absoluteFilePath();
    }
    return {};
}

} // namespace vasco
