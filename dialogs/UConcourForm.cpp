#include "dialogs/UConcourForm.h"

#include "economics/UConcour.h"
#include "model/UContextes.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vasco {

TBilan60ans::TBilan60ans(QWidget* parent) : QDialog(parent)
{
    setObjectName("Bilan60ans");
    setWindowTitle(tr("Bilan des 60 ans"));
    setProperty(ProprieteAide, AideBilan60);

    auto* titre = new QLabel(tr("MOYENNES"), this);
    titre->setObjectName("Label1");
    titre->setAlignment(Qt::AlignCenter);
    QFont gras = titre->font();
    gras.setBold(true);
    titre->setFont(gras);

    // The values are right-aligned in seven characters: a fixed-pitch font
    // keeps their units in one column.
    const QFont chiffres = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* grille = new QGridLayout;
    auto ligne = [&](int rang, const char* nomLibelle, const QString& libelle, const char* nom) {
        auto* etiquette = new QLabel(libelle, this);
        etiquette->setObjectName(nomLibelle);
        auto* valeur = new QLineEdit("*", this);
        valeur->setObjectName(nom);
        valeur->setReadOnly(true);
        valeur->setFont(chiffres);
        valeur->setMinimumWidth(valeur->fontMetrics().horizontalAdvance(QString(18, 'M')));
        grille->addWidget(etiquette, rang, 0);
        grille->addWidget(valeur, rang, 1);
        return valeur;
    };
    EProduction = ligne(0, "LbProduction", tr("Production "), "EProduction");
    ECA = ligne(1, "LbCA", tr("CA"), "ECA");
    EBenefices = ligne(2, "LbBenefices", tr("Bénéfices"), "EBenefices");
    EBilanSocial = ligne(3, "LbBilanSocial", tr("Bilan social"), "EBilanSocial");

    BtRecommencer = new QPushButton(tr("&Recommencer"), this);
    BtRecommencer->setObjectName("BtRecommencer");
    BtRecommencer->setToolTip(tr("Faire une nouvelle tentative avec les mêmes données"));
    BtRecommencer->setStatusTip(BtRecommencer->toolTip());
    BtRecommencer->setProperty(ProprieteAide, AideReutiliser);
    BtBilanContinuer = new QPushButton(tr("Visualiser"), this);
    BtBilanContinuer->setObjectName("BtBilanContinuer");
    BtBilanContinuer->setToolTip(
        tr("Pour pouvoir utiliser \"Menu principal | Visualisation\" (manuellement)"));
    BtBilanContinuer->setStatusTip(BtBilanContinuer->toolTip());
    BtBilanContinuer->setProperty(ProprieteAide, AideMenuVisualisations);

    // Neither button answers the Enter key of a value field: a new attempt
    // discards the game just played, so it takes a click of its own.
    BtRecommencer->setAutoDefault(false);
    BtBilanContinuer->setAutoDefault(false);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(BtRecommencer);
    boutons->addWidget(BtBilanContinuer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(titre);
    colonne->addLayout(grille);
    colonne->addLayout(boutons);

    connect(BtRecommencer, &QPushButton::clicked, this, [this] { done(Recommencer); });
    connect(BtBilanContinuer, &QPushButton::clicked, this, [this] { done(Visualiser); });
}

void TBilan60ans::Afficher(const TTextesBilan60& textes)
{
    EProduction->setText(QString::fromStdString(textes.Production));
    ECA->setText(QString::fromStdString(textes.CA));
    EBenefices->setText(QString::fromStdString(textes.Benefices));
    EBilanSocial->setText(QString::fromStdString(textes.BilanSocial));
}

} // namespace vasco
