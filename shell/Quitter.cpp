#include "shell/Quitter.h"

#include "model/UContextes.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vasco {

TFQuitter::TFQuitter(QWidget* parent) : QDialog(parent)
{
    setObjectName("FQuitter");
    setWindowTitle(tr("Quitter"));
    // A dialog border without title-bar buttons: the answer is OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setProperty(ProprieteAide, AideQuitter);

    Message = new QLineEdit(tr("Voulez vous vraiment quitter cette Application?"), this);
    Message->setObjectName("Message");
    Message->setReadOnly(true);
    Message->setFrame(false);
    Message->setFocusPolicy(Qt::NoFocus);
    // A line of text, not a field to fill: drawn on the dialog's own colour.
    QPalette palette = Message->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    Message->setPalette(palette);
    Message->setMinimumWidth(Message->fontMetrics().horizontalAdvance(Message->text()) + 16);
    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Annuler"), this);
    CancelBtn->setObjectName("CancelBtn");

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(OKBtn);
    boutons->addWidget(CancelBtn);
    auto* colonne = new QVBoxLayout(this);
    // A dialog border: the box keeps the size of its contents.
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    colonne->addWidget(Message);
    colonne->addLayout(boutons);

    connect(OKBtn, &QPushButton::clicked, this, [this] {
        Confirme = true;
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &TFQuitter::reject);
}

void TFQuitter::reject()
{
    Confirme = false;
    QDialog::reject();
}

void TFQuitter::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    Confirme = false;
    if (const QScreen* ecran = screen()) {
        QRect cadre = frameGeometry();
        cadre.moveCenter(ecran->availableGeometry().center());
        move(cadre.topLeft());
    }
    OKBtn->setFocus();
}

} // namespace vasco
