// The program: one main window, the message loop until it closes.

#include "biology/UMath.h"
#include "model/Umessages.h"
#include "shell/Mere.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vasco");
    // The random draws of recruitment and growth follow one sequence, seeded
    // once per run.
    vasco::GraineDepuisHorloge();

    vasco::TFenetreMere fenetre;
    // A model guard names the place that failed; the user sees it in a
    // modal box and the program goes on.
    vasco::InstallerRecepteur([&fenetre](const std::string& texte) {
        QMessageBox::critical(&fenetre, QApplication::applicationName(),
                              QString::fromStdString(texte));
    });
    fenetre.show();
    const int code = application.exec();
    vasco::InstallerRecepteur({});
    return code;
}
