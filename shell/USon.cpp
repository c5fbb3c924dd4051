#include "shell/USon.h"

#include "shell/UChemins.h"

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace vasco {

namespace {

// How long a sound played without waiting may take to load before the
// device is taken as silent.
constexpr qint64 AttenteChargementMs = 2000;

quint32 Mot32(const QByteArray& octets, qsizetype position)
{
    return qFromLittleEndian<quint32>(octets.constData() + position);
}

quint16 Mot16(const QByteArray& octets, qsizetype position)
{
    return qFromLittleEndian<quint16>(octets.constData() + position);
}

} // namespace

double DureeWave(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return -1;
    // The header and the chunk list: a wave this program plays is small.
    const QByteArray octets = fichier.read(64 * 1024 * 1024);
    if (octets.size() < 12 || !octets.startsWith("RIFF") || octets.mid(8, 4) != "WAVE")
        return -1;
    quint32 octetsParSeconde = 0;
    for (qsizetype position = 12; position + 8 <= octets.size();) {
        const QByteArray nom = octets.mid(position, 4);
        const quint32 taille = Mot32(octets, position + 4);
        const qsizetype debut = position + 8;
        if (nom == "fmt " && taille >= 16 && debut + 16 <= octets.size()) {
            const quint16 format = Mot16(octets, debut);
            // PCM, IEEE float or the extensible header.
            if (format != 1 && format != 3 && format != 0xFFFE)
                return -1;
            octetsParSeconde = Mot32(octets, debut + 8);
        } else if (nom == "data") {
            if (octetsParSeconde == 0)
                return -1;
            const qsizetype present = std::min<qsizetype>(taille, octets.size() - debut);
            return static_cast<double>(present) / octetsParSeconde;
        }
        // Chunks are padded to an even length.
        position = debut + static_cast<qsizetype>(taille) + (taille & 1);
    }
    return -1;
}

TSon::TSon(QObject* parent)
    : QObject(parent), FichierInstalle(FichierProgramme), effet_(new QSoundEffect(this))
{
}

QString TSon::Chercher(const QString& nom) const
{
    if (QFileInfo(QDir::current(), nom).isFile())
        return QFileInfo(QDir::current(), nom).absoluteFilePath();
    return FichierInstalle ? FichierInstalle(nom) : QString();
}

bool TSon::Jouer(const QString& nom, bool attendre)
{
    const QString chemin = Chercher(nom);
    if (chemin.isEmpty())
        return false;
    const double duree = DureeWave(chemin);
    // Without an output device the effect would "play" in silence.
    if (duree < 0 || QMediaDevices::defaultAudioOutput().isNull())
        return false;

    // A sound waited for is loaded and played within its length and one
    // second, in all: a device that does not answer never holds the program
    // longer.
    const QDeadlineTimer limite(attendre ? static_cast<qint64>(duree * 1000) + 1000
                                         : AttenteChargementMs);
    // Waits, user input aside, until the condition holds or the time is up.
    auto attendreQue = [this, &limite](auto condition) {
        if (condition())
            return true;
        QEventLoop boucle;
        QTimer minuteur;
        minuteur.setSingleShot(true);
        connect(&minuteur, &QTimer::timeout, &boucle, &QEventLoop::quit);
        auto verifier = [&] {
            if (condition())
                boucle.quit();
        };
        connect(effet_, &QSoundEffect::statusChanged, &boucle, verifier);
        connect(effet_, &QSoundEffect::playingChanged, &boucle, verifier);
        minuteur.start(std::chrono::milliseconds(limite.remainingTime()));
        boucle.exec(QEventLoop::ExcludeUserInputEvents);
        return condition();
    };

    effet_->stop();
    effet_->setSource(QUrl::fromLocalFile(chemin));
    const bool charge = attendreQue([this] {
        return effet_->status() == QSoundEffect::Ready || effet_->status() == QSoundEffect::Error;
    });
    if (!charge || effet_->status() != QSoundEffect::Ready)
        return false;
    effet_->play();
    if (attendre)
        attendreQue([this] { return !effet_->isPlaying(); });
    return true;
}

} // namespace vasco
