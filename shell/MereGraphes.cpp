#include "shell/MereGraphes.h"

#include "shell/Mere.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace vasco {

void TFenetreMere::OuvrirGraphe(const TParamGraphe& param)
{
    auto* fenetre = Zone()->addSubWindow(new QLabel);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->setWindowTitle(QString::fromStdString(param.Titre));
    fenetre->show();
}

void TFenetreMere::ConstruireMenuVisualisations(QMenu*) {}

void TFenetreMere::OuvrirCAEtBenefices() {}

void TFenetreMere::RedessinerGraphes() {}

void TFenetreMere::EnregistrerGraphiqueSous() {}

} // namespace vasco
