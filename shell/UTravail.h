// A computation in the background, shown in the main window's status bar by
// a progress bar and an "Annuler" button.
//
// The work runs on a thread of its own and never touches a widget or the
// data set being played: it reads what it was handed, writes its result
// where its caller said, counts what it has done in Faits() and looks at
// Annulation() between its steps.  The window keeps answering: a timer on
// the window's thread moves the bar, and the end is called there once the
// thread has finished.  Destroying a work still running cancels it and
// waits for its thread: nothing is ever left running, so a window that
// closes, a data file loaded or the program quitting may simply destroy it.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

namespace vasco {

class TTravail : public QObject {
    Q_OBJECT

public:
    // Shows `libelle`, a bar out of `total` and the button in `barre`.
    TTravail(QStatusBar* barre, const QString& libelle, int64_t total,
             QObject* parent = nullptr);
    ~TTravail() override;
    TTravail(const TTravail&) = delete;
    TTravail& operator=(const TTravail&) = delete;

    // Runs `corps` on a thread of its own, then `fin` on the window's thread
    // with whether the work was cancelled; what `corps` raised is kept in
    // Echec().  `fin` may destroy this work (deleteLater).  Called once.
    void Lancer(std::function<void()> corps, std::function<void(bool annule)> fin);
    // Asks the work to stop at its next look; `fin` still comes.
    void Annuler();
    bool EnCours() const { return fil_.joinable(); }

    std::atomic<int64_t>& Faits() { return faits_; }
    const std::atomic<bool>& Annulation() const { return annuler_; }
    std::exception_ptr Echec() const { return echec_; }
    int64_t Total() const { return total_; }
    QProgressBar* Barre() const { return barre_; }
    QPushButton* Bouton() const { return bouton_; }

private:
    void Avancer();
    void Terminer();
    void Retirer();

    // The status bar may go first when the main window closes: its
    // widgets are then gone with it.
    QPointer<QStatusBar> statut_;
    QPointer<QLabel> libelle_;
    QPointer<QProgressBar> barre_;
    QPointer<QPushButton> bouton_;
    QTimer minuteur_;
    int64_t total_;
    std::atomic<int64_t> faits_{0};
    std::atomic<bool> annuler_{false};
    std::atomic<bool> fini_{false};
    std::exception_ptr echec_;
    std::function<void(bool)> fin_;
    std::thread fil_;
};

} // namespace vasco
