// The program: one main window, the message loop until it closes.
//
//   vasco [FICHIER.vsc]   a data file given here is loaded at start, as if
//                         it had been chosen with "Choix du fichier de données";
//   vasco PARTIE.vsp      a game file is opened as with "Ouvrir une partie...";
//   vasco FICHIER --comparer PARTIE.vsp [--comparer PARTIE.vsp]...
//                         the games named, one per option, are then compared
//                         with it as with "Comparer avec des parties...".

#include "biology/UMath.h"
#include "model/Umessages.h"
#include "shell/Mere.h"
#include "shell/ULangue.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vasco");
    QApplication::setApplicationVersion("4.0");
    QApplication::setDesktopFileName("vasco");
    // The program speaks French, or English when the system's locale or the
    // user's choice says so; the standard dialogs of the window library speak
    // the same language.
    vasco::InstallerLangue(vasco::EnAnglais(vasco::LangueEnregistree(), QLocale::system()));

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QCoreApplication::translate(
        "main", "Vasco : simulation bio-économique d'une pêcherie (jeu de gestion)."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(
        QCoreApplication::translate("main", "fichier"),
        QCoreApplication::translate(
            "main",
            "Fichier de données (.vsc) à charger, ou partie (.vsp) à ouvrir, au démarrage."),
        QCoreApplication::translate("main", "[FICHIER.vsc | PARTIE.vsp]"));
    const QCommandLineOption comparer(
        "comparer",
        QCoreApplication::translate(
            "main", "Partie d'un élève (.vsp) à comparer avec la partie en cours ; "
                    "une par option, l'option répétée pour chaque partie."),
        QCoreApplication::translate("main", "PARTIE.vsp"));
    arguments.addOption(comparer);
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
    const QStringList comparees = arguments.values(comparer);
    QTimer::singleShot(0, &fenetre, [&fenetre, fichiers, comparees] {
        fenetre.OuvrirAuDemarrage(fichiers, comparees);
    });
    const int code = application.exec();
    vasco::InstallerRecepteur({});
    return code;
}
