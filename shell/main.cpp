// The program: one main window, the message loop until it closes.
//
//   vasco [FICHIER.vsc]   a data file given here is loaded at start, as if
//                         it had been chosen with "Choix du fichier de données".

#include "biology/UMath.h"
#include "model/Umessages.h"
#include "shell/Mere.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vasco");
    QApplication::setApplicationVersion("4.0");
    QApplication::setDesktopFileName("vasco");
    // The program speaks French: so do the standard dialogs and buttons of
    // the window library (open and save dialogs, message boxes), whatever the
    // system's language, when its French translation is installed.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French, QLocale::France), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        "Vasco : simulation bio-économique d'une pêcherie (jeu de gestion).");
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument("fichier", "Fichier de données (.vsc) à charger au démarrage.",
                                    "[FICHIER.vsc]");
    arguments.process(application);

    // The random draws of recruitment and growth follow one sequence, seeded
    // once per run.
    vasco::GraineDepuisHorloge();

    vasco::TFenetreMere fenetre;
    // A model guard or a window command names what failed; the user sees it
    // in a modal box and the program goes on.  A second line, when there is
    // one, says more.
    vasco::InstallerRecepteur([&fenetre](const std::string& texte) {
        const QString message = QString::fromStdString(texte);
        const qsizetype saut = message.indexOf('\n');
        QMessageBox boite(QMessageBox::Critical, QApplication::applicationName(),
                          message.left(saut), QMessageBox::Ok, &fenetre);
        if (saut >= 0)
            boite.setInformativeText(message.mid(saut + 1));
        boite.exec();
    });
    // Without a window manager (a bare X display) "maximized" means nothing:
    // the window then takes the screen's free area by itself.
    fenetre.setGeometry(fenetre.screen()->availableGeometry());
    fenetre.showMaximized();
    fenetre.activateWindow();
    const QStringList fichiers = arguments.positionalArguments();
    QTimer::singleShot(0, &fenetre, [&fenetre, fichiers] { fenetre.OuvrirAuDemarrage(fichiers); });
    const int code = application.exec();
    vasco::InstallerRecepteur({});
    return code;
}
