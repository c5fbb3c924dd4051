#include "shell/Propos.h"

#include "shell/ULogo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace vasco {

TAPropos::TAPropos(QWidget* parent) : QDialog(parent)
{
    setObjectName("APropos");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    Image = new QLabel(this);
    Image->setObjectName("Image");
    const QImage logo = LogoVasco();
    if (!logo.isNull())
        Image->setPixmap(QPixmap::fromImage(
            logo.scaled(220, 220, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    Image->setFrameShape(QFrame::Panel);
    Image->setFrameShadow(QFrame::Sunken);

    NomProduit = new QLabel("Vasco", this);
    NomProduit->setObjectName("NomProduit");
    QFont grand = NomProduit->font();
    grand.setPointSizeF(grand.pointSizeF() * 2);
    grand.setBold(true);
    NomProduit->setFont(grand);
    Version = new QLabel(tr("Version 4.0"), this);
    Version->setObjectName("Version");
    auto* credits = new QLabel(tr("Simulation bio-économique d'une pêcherie\n"
                                  "mixte, multi-espèces et multi-flottilles.\n"
                                  "Jeu de gestion pour l'enseignement.\n\n"
                                  "Conception et programmation : l'équipe Vasco.\n"
                                  "Image et sons : créés pour Vasco."),
                               this);
    credits->setObjectName("Credits");

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* textes = new QVBoxLayout;
    textes->addWidget(NomProduit);
    textes->addWidget(Version);
    textes->addSpacing(8);
    textes->addWidget(credits);
    textes->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(Image);
    haut->addSpacing(12);
    haut->addLayout(textes);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(OKButton);
    boutons->addStretch();
    auto* colonne = new QVBoxLayout(this);
    // A dialog border: the box keeps the size of its contents.
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    colonne->addLayout(haut);
    colonne->addLayout(boutons);
}

} // namespace vasco
