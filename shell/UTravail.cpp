#include "shell/UTravail.h"

#include <algorithm>
#include <limits>

namespace vasco {

namespace {

// The bar counts in ints: a larger total is shown in proportion.
int Borne(int64_t n)
{
    return static_cast<int>(std::clamp<int64_t>(n, 0, std::numeric_limits<int>::max()));
}

} // namespace

TTravail::TTravail(QStatusBar* barre, const QString& libelle, int64_t total, QObject* parent)
    : QObject(parent), statut_(barre), libelle_(new QLabel(libelle)), barre_(new QProgressBar),
      bouton_(new QPushButton(tr("Annuler"))), total_(std::max<int64_t>(total, 1))
{
    barre_->setRange(0, Borne(total_));
    barre_->setValue(0);
    barre_->setMaximumWidth(220);
    barre_->setAccessibleName(libelle);
    bouton_->setAccessibleDescription(tr("Arrête le calcul en cours"));
    connect(bouton_, &QPushButton::clicked, this, &TTravail::Annuler);
    if (statut_) {
        statut_->addPermanentWidget(libelle_);
        statut_->addPermanentWidget(barre_);
        statut_->addPermanentWidget(bouton_);
    }
    // Often enough for a bar that is seen to move, seldom enough to cost
    // nothing against the work.
    minuteur_.setInterval(50);
    connect(&minuteur_, &QTimer::timeout, this, &TTravail::Avancer);
}

TTravail::~TTravail()
{
    annuler_.store(true);
    if (fil_.joinable())
        fil_.join();
    Retirer();
}

void TTravail::Lancer(std::function<void()> corps, std::function<void(bool)> fin)
{
    fin_ = std::move(fin);
    minuteur_.start();
    fil_ = std::thread([this, corps = std::move(corps)] {
        try {
            corps();
        } catch (...) {
            echec_ = std::current_exception();
        }
        fini_.store(true);
        // Queued to this object: dropped if it is destroyed first, which
        // joins this thread anyway.
        QMetaObject::invokeMethod(this, &TTravail::Terminer, Qt::QueuedConnection);
    });
}

void TTravail::Annuler()
{
    annuler_.store(true);
    if (bouton_)
        bouton_->setEnabled(false);
}

void TTravail::Avancer()
{
    if (barre_)
        barre_->setValue(Borne(std::min(faits_.load(), total_)));
}

void TTravail::Terminer()
{
    if (!fini_.load() || !fil_.joinable())
        return;
    fil_.join();
    minuteur_.stop();
    Avancer();
    Retirer();
    if (fin_) {
        // The end may destroy this work: nothing of it is read after.
        const auto fin = std::move(fin_);
        fin(annuler_.load());
    }
}

void TTravail::Retirer()
{
    if (statut_) {
        statut_->removeWidget(libelle_);
        statut_->removeWidget(barre_);
        statut_->removeWidget(bouton_);
    }
    // Owned by nobody once removed (or never placed).
    delete libelle_.data();
    delete barre_.data();
    delete bouton_.data();
    statut_ = nullptr;
}

} // namespace vasco
