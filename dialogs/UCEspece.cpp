#include "dialogs/UCEspece.h"

#include "biology/Ubiolo.h"
#include "dataset/UMesures.h"
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
#include <algorithm>
#include <iterator>

namespace vasco {

namespace {

// An edit that keeps its place in the layout while hidden, so that the
// dialog does not jump when a box is ticked.
QLineEdit* Champ(QWidget* parent, const char* nom, const QString& bulle)
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

QCheckBox* Case(QWidget* parent, const char* nom, const QString& bulle)
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

    QuotasCheckBox = Case(this, "QuotasCheckBox", tr("Cocher cette case s'il y a un quotas"));
    txQuotas = Champ(this, "txQuotas", tr("Entrer la valeur du quotas pour la période"));
    TailleMinCheckBox =
        Case(this, "TailleMinCheckBox", tr("Cocher cette case s'il y a une taille marchande"));
    txTailleMin = Champ(this, "txTailleMin", tr("Entrer la taille marchande (cm)"));
    btOk = new QPushButton(tr("OK"), this);
    btOk->setObjectName("btOk");
    btOk->setDefault(true);
    BtAnnuler = new QPushButton(tr("Annuler"), this);
    BtAnnuler->setObjectName("BtAnnuler");
    btAide = new QPushButton(tr("Aide"), this);
    btAide->setObjectName("btAide");
    btAide->setProperty(ProprieteAide, AideConditionsEspece);

    auto* grille = new QGridLayout;
    auto* libelleQuota = new QLabel(TexteModele(Mesure(TMesure::Quota).Libelle), this);
    libelleQuota->setBuddy(txQuotas);
    auto* libelleTaille = new QLabel(TexteModele(Mesure(TMesure::TailleMin).Libelle), this);
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
    QuotaCoche = coche;
    Activer(txQuotas, coche);
}

void TConditionEspece::TailleMinCheckBoxClick(bool coche)
{
    TailleMinCochee = coche;
    Activer(txTailleMin, coche);
}

void TConditionEspece::Remplir(const TPeriodeES& s)
{
    const TDefMesure& quota = Mesure(TMesure::Quota);
    const TDefMesure& taille = Mesure(TMesure::TailleMin);
    // The texts first, so that a box ticked here selects its new text.  The
    // quota in tonnes; a lifted quota leaves "-1" in its hidden edit, which
    // the player must replace when ticking the box again.
    txQuotas->setText(quota.EnVigueur(s) ? TexteArrondi(quota.Saisi(quota.Valeur(s), 1), 8)
                                         : QString("-1"));
    // A lifted minimum size keeps its value, shown again when the box is
    // ticked; "0" when there has never been one.
    txTailleMin->setText(taille.EnVigueur(s) || taille.Valeur(s) > 0
                             ? TexteArrondi(taille.Valeur(s), 3)
                             : QString("0"));
    QuotasCheckBox->setChecked(quota.EnVigueur(s));
    TailleMinCheckBox->setChecked(taille.EnVigueur(s));
}

int TConditionEspece::Valider(TPeriodeES& s, int periodesAn)
{
    const TDefMesure& quota = Mesure(TMesure::Quota);
    const TDefMesure& taille = Mesure(TMesure::TailleMin);
    quota.Activer(s, QuotaCoche);
    taille.Activer(s, TailleMinCochee);
    int code = 0;
    // A ticked measure: stored when accepted.  An entry that is no number
    // lifts the measure and clears its value, and leaves an earlier code; a
    // number out of limits keeps the measure in force with its old value and
    // takes the code.
    const auto champ = [&](const TDefMesure& m, QLineEdit* edit, int numero) {
        const TValeurMesure v = m.Lire(edit->text().toStdString(), periodesAn, TSaisie::Dialogue);
        if (v.Refus == TRefus::Aucun) {
            m.Appliquer(s, v.Stockee);
            return;
        }
        Signaler(TexteModele(m.Message(v.Refus)).toStdString());
        if (v.Refus == TRefus::NonNumerique) {
            m.Effacer(s);
            if (code == 0)
                code = numero;
        } else {
            code = numero;
        }
    };
    if (QuotaCoche)
        champ(quota, txQuotas, 1);
    if (TailleMinCochee)
        champ(taille, txTailleMin, 2);
    return code;
}

void TConditionEspece::Modifier(TBDVasco& bd, const TMontrer& montrer)
{
    const int periodesAn = std::max<int>(bd.NbPeriodesAn, 1);
    int code = 0;
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        auto& espece = bd.Especes.A<TEspece>(i);
        TPeriodeES& s = espece.Courant();
        setWindowTitle(tr("Conditions Espece :%1").arg(QString::fromStdString(espece.Nom)));
        // A refused measure whose box is still ticked gets the focus.
        const auto refuse = [this](int refus) -> QLineEdit* {
            if (refus == 1 && QuotasCheckBox->isChecked())
                return txQuotas;
            if (refus == 2 && TailleMinCheckBox->isChecked())
                return txTailleMin;
            return nullptr;
        };
        DemanderJusquAccord(
            *this, montrer, code, [&] { Remplir(s); }, refuse,
            [&] { return Valider(s, periodesAn); });
    }
}

} // namespace vasco
