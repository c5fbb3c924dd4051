// The sound player: plays the short wave files of quit and about through
// Qt Multimedia, with bounded waits, so that a missing or silent audio device
// never holds the program.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QSoundEffect;

namespace vasco {

// The length in seconds of a PCM wave file, or a negative number when the
// file is no wave that can be read.
double DureeWave(const QString& chemin);

class TSon : public QObject {
    Q_OBJECT

public:
    explicit TSon(QObject* parent = nullptr);

    // Where the installed files of the program are looked for (beside the
    // program, or in its share folder).
    std::function<QString(const QString&)> FichierInstalle;

    // A sound file by name: in the working folder first, then among the
    // program's installed files; empty when there is none.
    QString Chercher(const QString& nom) const;

    // Plays a sound file; when asked, returns once it has ended (after at
    // most its length and one second).  False when the file cannot be
    // found, read or played.
    bool Jouer(const QString& nom, bool attendre);

private:
    QSoundEffect* effet_;
};

} // namespace vasco
