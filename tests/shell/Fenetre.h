// Helpers of the main window tests.
#pragma once

#include "shell/Mere.h"
#include "shell/UMagneto.h"
#include "tests/support/Support.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

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

// Runs the event loop, as the program does between two periods of a
// continuous run or two positions of a replay, until the condition holds
// (looked at every millisecond) or the delay has passed; whether it holds.
// The delay is generous: a run of five hundred periods takes seconds on a
// loaded machine.
template <typename Condition>
bool AttendreQue(Condition condition, int delaiMs = 120000)
{
    if (condition())
        return true;
    QEventLoop boucle;
    QTimer regard;
    QObject::connect(&regard, &QTimer::timeout, &boucle, [&] {
        if (condition())
            boucle.quit();
    });
    regard.start(1);
    QTimer::singleShot(delaiMs, &boucle, &QEventLoop::quit);
    boucle.exec();
    return condition();
}

// The end of a continuous run, and of a replay (stopped or paused).
inline bool AttendreFin(const TFenetreMere& f)
{
    return AttendreQue([&] { return !f.EnCours; });
}
inline bool AttendreFin(const TMagneto& m)
{
    return AttendreQue([&] { return m.Etat != TMagneto::EnLecture; });
}

// The save question ("Enregistrer la partie ?") is answered by the button of
// this caption as soon as it shows, in every window test: a test that never
// looks at it goes on as if the player did not save.  Each question shown is
// counted.
struct TReponseQuestion {
    QString Bouton = "Ne pas enregistrer";
    int Posees = 0;
};
inline TReponseQuestion& ReponseQuestion()
{
    static TReponseQuestion reponse;
    return reponse;
}

class TRepondeurQuestion : public QObject {
public:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() != QEvent::Show || objet->objectName() != "QuestionEnregistrer")
            return false;
        auto* boite = qobject_cast<QMessageBox*>(objet);
        if (!boite)
            return false;
        ++ReponseQuestion().Posees;
        QTimer::singleShot(0, boite, [boite = QPointer<QMessageBox>(boite)] {
            if (!boite)
                return;
            for (QAbstractButton* bouton : boite->buttons())
                if (bouton->text() == ReponseQuestion().Bouton)
                    bouton->click();
        });
        return false;
    }
};

} // namespace vasco
