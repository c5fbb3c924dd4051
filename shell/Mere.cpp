#include "shell/Mere.h"

#include "model/Ubd.h"
#include "shell/MereDialogues.h"
#include "shell/MereGraphes.h"
#include "shell/UMagneto.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace vasco {

TFenetreMere::TFenetreMere(QWidget* parent)
    : QMainWindow(parent), zone_(new QMdiArea(this)), graphes_(std::make_unique<TPartieGraphes>()),
      dialogues_(std::make_unique<TPartieDialogues>())
{
    setWindowTitle("Vasco  ");
    setCentralWidget(zone_);
    magneto_ = new TMagneto(this);
    CreerDialogues();
}

TFenetreMere::~TFenetreMere()
{
    FermerGraphes();
    bd_.reset();
}

bool TFenetreMere::RecrutementAleatoire() const { return Coche("RecrutementAleatoire"); }
bool TFenetreMere::CroissanceAleatoire() const { return Coche("CroissanceAleatoire"); }
bool TFenetreMere::AffichageNumeroPeriode() const { return Coche("AffichageNumeroPeriode"); }
TMagnetoBase* TFenetreMere::Magneto() { return magneto_; }
void TFenetreMere::DernierePeriode(int32_t index) { magneto_->FixerDernier(index); }
void TFenetreMere::ContexteAideDernier(int contexte)
{
    const auto fenetres = zone_->subWindowList(QMdiArea::CreationOrder);
    if (!fenetres.isEmpty())
        fenetres.last()->setProperty("ContexteAide", contexte);
}

QAction* TFenetreMere::Action(const char* nom) const { return findChild<QAction*>(nom); }

bool TFenetreMere::Coche(const char* nom) const
{
    const QAction* action = Action(nom);
    return action && action->isChecked();
}

void TFenetreMere::ModifierEnabled(int) {}

bool TFenetreMere::ChargerFichier(const QString& chemin)
{
    auto nouveau = std::make_unique<TBDVasco>(this);
    nouveau->Charger(chemin.toStdString());
    FermerGraphes();
    bd_ = std::move(nouveau);
    fichier_ = chemin;
    return true;
}

void TFenetreMere::ChoixDuFichier() {}
void TFenetreMere::FichierReutiliser() {}

void TFenetreMere::FermerGraphes()
{
    const auto fenetres = zone_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = fenetres.rbegin(); it != fenetres.rend(); ++it)
        delete *it;
}

void TFenetreMere::PasAPas()
{
    if (bd_)
        bd_->Pas();
}
void TFenetreMere::EnContinu() {}
void TFenetreMere::Stop() { EnCours = false; }
void TFenetreMere::PasEnArriere()
{
    if (bd_)
        bd_->PasEnArriere();
}
void TFenetreMere::OuvrirAide(int) {}

void TFenetreMere::closeEvent(QCloseEvent* evenement)
{
    EnCours = false;
    FermerGraphes();
    evenement->accept();
}

void TFenetreMere::resizeEvent(QResizeEvent* evenement)
{
    QMainWindow::resizeEvent(evenement);
    zone_->tileSubWindows();
}

} // namespace vasco
