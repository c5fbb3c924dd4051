#include "dialogs/UCEspece.h"

#include "biology/Ubiolo.h"
#include "dataset/Ubd.h"
#include "model/UContextes.h"
#include "model/Umessages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace vasco {

namespace {

// An edit that keeps its place in the layout while hidden, so that the
// dialog does not jump when a box is ticked.
QLineEdit* Champ(QWidget* parent, const char* nom, const char* bulle)
{
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(nom);
    champ->setAlignment(Qt::AlignRight);
    champ->setToolTip(bulle);
    QSizePolicy politique = champ->sizePolicy();
    politique.setRetainSizeWhenHidden(true);
    champ->setSizePolicy(politique);
    return champ;
}

QCheckBox* Case(QWidget* parent, const char* nom, const char* bulle)
{
    auto* c = new QCheckBox(parent);
    c->setObjectName(nom);
    c->setToolTip(bulle);
    return c;
}

// Shows or hides the edit of a measure with its place in the tab order.
void Activer(QLineEdit* champ, bool actif)
{
    champ->setVisible(actif);
    champ->setFocusPolicy(actif ? Qt::StrongFocus : Qt::NoFocus);
    if (actif) {
        champ->setFocus();
        champ->selectAll();
    }
}

} // namespace

TConditionEspece::TConditionEspece(QWidget* parent) : QDialog(parent)
{
    setObjectName("ConditionEspece");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setProperty(ProprieteAide, AideConditionsEspece);

    QuotasCheckBox = Case(this, "QuotasCheckBox", "Cocher cette case s'il y a un quotas");
    txQuotas = Champ(this, "txQuotas", "Entrer la valeur du quotas pour la période");
    TailleMinCheckBox =
        Case(this, "TailleMinCheckBox", "Cocher cette case s'il y a une taille marchande");
    txTailleMin = Champ(this, "txTailleMin", "Entrer la taille marchande (cm)");
    btOk = new QPushButton("OK", this);
    btOk->setObjectName("btOk");
    btOk->setDefault(true);
    BtAnnuler = new QPushButton("Annuler", this);
    BtAnnuler->setObjectName("BtAnnuler");
    btAide = new QPushButton("Aide", this);
    btAide->setObjectName("btAide");
    btAide->setProperty(ProprieteAide, AideConditionsEspece);

    auto* grille = new QGridLayout;
    auto* libelleQuota = new QLabel("Quota / Periode (T):", this);
    libelleQuota->setBuddy(txQuotas);
    auto* libelleTaille = new QLabel("Taille minimale (cm) :", this);
    libelleTaille->setBuddy(txTailleMin);
    grille->addWidget(QuotasCheckBox, 0, 0);
    grille->addWidget(libelleQuota, 0, 1);
    grille->addWidget(txQuotas, 0, 2);
    grille->addWidget(TailleMinCheckBox, 1, 0);
    grille->addWidget(libelleTaille, 1, 1);
    grille->addWidget(txTailleMin, 1, 2);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    for (QPushButton* b : {btOk, BtAnnuler, btAide})
        boutons->addWidget(b);
    auto* colonne = new QVBoxLayout(this);
    // A dialog border: the box keeps the size of its contents.
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    colonne->addLayout(grille);
    colonne->addLayout(boutons);

    QWidget* ordre[] = {QuotasCheckBox, txQuotas, TailleMinCheckBox, txTailleMin, btOk,
                        BtAnnuler,      btAide};
    for (size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);

    // Boxes start unticked, their edits hidden; setting a box from code
    // runs its handler whenever the state changes.
    Activer(txQuotas, false);
    Activer(txTailleMin, false);
    connect(QuotasCheckBox, &QCheckBox::toggled, this, &TConditionEspece::QuotasCheckBoxClick);
    connect(TailleMinCheckBox, &QCheckBox::toggled, this,
            &TConditionEspece::TailleMinCheckBoxClick);
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(btAide, &QPushButton::clicked, this, [this] {
        if (Aide)
            Aide(btAide->property(ProprieteAide).toInt());
    });
    btOk->setFocus();
}

void TConditionEspece::done(int resultat)
{
    btOk->setFocus();
    QDialog::done(resultat);
}

void TConditionEspece::QuotasCheckBoxClick(bool coche)
{
    QuotaCoche = coche ? 1 : 0;
    Activer(txQuotas, coche);
}

void TConditionEspece::TailleMinCheckBoxClick(bool coche)
{
    TailleMinCochee = coche ? 1 : 0;
    Activer(txTailleMin, coche);
}

void TConditionEspece::Remplir(const TPeriodeES& s)
{
    // The texts first, so that a box ticked here selects its new text.  The
    // quota in tonnes; a lifted quota leaves "-1" in its hidden edit, which
    // the player must replace when ticking the box again.
    txQuotas->setText(s.QuotaActif ? TexteArrondi(s.Quota / 1000.0L, 8) : QString("-1"));
    // A lifted minimum size keeps its value, shown again when the box is
    // ticked; "0" when there has never been one.
    txTailleMin->setText(s.TailleMinActive || s.TailleMin > 0 ? TexteArrondi(s.TailleMin, 3)
                                                              : QString("0"));
    QuotasCheckBox->setChecked(s.QuotaActif != 0);
    TailleMinCheckBox->setChecked(s.TailleMinActive != 0);
}

int TConditionEspece::Valider(TPeriodeES& s)
{
    int code = 0;
    s.QuotaActif = QuotaCoche;
    s.TailleMinActive = TailleMinCochee;
    if (QuotaCoche) {
        const std::optional<double> tonnes = LireReel(txQuotas->text());
        // Stored in kg, as a float: a quota beyond the float range is no
        // number the model can hold.
        const long double kg = tonnes ? static_cast<float>(*tonnes) * 1000.0L : 0;
        if (!tonnes || std::fabs(kg) > FLT_MAX) {
            Signaler("Quota : Valeur non numérique");
            code = 1;
            s.QuotaActif = 0;
            s.Quota = -1000;
        } else if (*tonnes < 0) {
            Signaler("Quotas < 0");
            code = 1;
        } else {
            s.Quota = static_cast<float>(kg);
        }
    }
    if (TailleMinCochee) {
        const std::optional<long long> taille = LireEntier(txTailleMin->text());
        if (!taille) {
            Signaler("Taille Minimale : Valeur non numérique");
            if (code == 0)
                code = 2;
            s.TailleMinActive = 0;
            s.TailleMin = 0;
        } else if (*taille <= 0) {
            Signaler("Taille Minimale <= 0");
            code = 2;
        } else if (*taille > UINT16_MAX) {
            // The size is held in 16 bits: a larger one is refused and the
            // previous size kept, rather than wrapped to a small one.
            Signaler("Taille Minimale > 65535");
            code = 2;
        } else {
            s.TailleMin = static_cast<uint16_t>(*taille);
        }
    }
    return code;
}

void TConditionEspece::Modifier(TBDVasco& bd, const TMontrer& montrer)
{
    int code = 0;
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        auto& espece = bd.Especes.A<TEspece>(i);
        TPeriodeES& s = espece.Courant();
        setWindowTitle("Conditions Espece :" + QString::fromStdString(espece.Nom));
        do {
            Remplir(s);
            QLineEdit* refuse = code == 1 && QuotasCheckBox->isChecked()      ? txQuotas
                                : code == 2 && TailleMinCheckBox->isChecked() ? txTailleMin
                                                                              : nullptr;
            if (refuse) {
                refuse->setFocus();
                refuse->selectAll();
            }
            if (montrer(*this) == QDialog::Accepted)
                code = Valider(s);
        } while (code != 0);
    }
}

} // namespace vasco
