#include "shell/UChemins.h"

#include "model/Umessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
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

QString NomAEnregistrer(QFileDialog& dialogue)
{
    while (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()) {
        const QString nom = dialogue.selectedFiles().first();
        const QFileInfo fichier(nom);
        if (fichier.absoluteDir().exists())
            return nom;
        Signaler(QCoreApplication::translate("vasco::TFenetreMere",
                                             "Le dossier « %1 » n'existe pas.\n"
                                             "Choisissez un dossier existant.")
                     .arg(QDir::toNativeSeparators(fichier.absolutePath()))
                     .toStdString());
    }
    return {};
}

} // namespace vasco
