#include "dialogs/UCMetierSimple.h"

#include "dataset/UMesures.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "model/UContextes.h"
#include "model/UTraduction.h"
#include "model/Umessages.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

namespace vasco {

namespace {

// The fields in tab order, their pending-error codes from 1, the measures
// they hold and their widths when filled.
struct TChampMesure {
    QLineEdit* TConditionMetierSimple::*Champ;
    TMesure Mesure;
    int Largeur;
};

constexpr TChampMesure ChampsMesures[] = {
    {&TConditionMetierSimple::txRepression, TMesure::Repression, 3},
    {&TConditionMetierSimple::txNombreDeNavires, TMesure::Navires, 3},
    {&TConditionMetierSimple::txMaillage, TMesure::Maillage, 3},
    {&TConditionMetierSimple::txNbJourPeche, TMesure::Jours, 3},
    {&TConditionMetierSimple::txSubventionAn, TMesure::SubventionAn, 7},
    {&TConditionMetierSimple::txSubventionJourMer, TMesure::SubventionJour, 7},
    {&TConditionMetierSimple::TxTauxTaxeSurCA, TMesure::Taxe, 3},
};

QLineEdit* NouveauChamp(QWidget* parent, const char* nom, int contexteAide)
{
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(nom);
    champ->setAlignment(Qt::AlignRight);
    champ->setProperty(ProprieteAide, contexteAide);
    return champ;
}

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte)
{
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(nom);
    return bouton;
}

} // namespace

QString TexteArrondi(long double valeur, int largeur)
{
    // Adding 0 turns a rounded -0 into 0: "-0" is no value a player enters.
    const long double arrondi = std::round(valeur) + 0.0L;
    char texte[64];
    std::snprintf(texte, sizeof texte, "%*.0Lf", largeur, arrondi);
    return QString::fromLatin1(texte);
}

QString TexteModele(std::string_view texte)
{
    return QCoreApplication::translate(ContexteModele, std::string(texte).c_str());
}

TConditionMetierSimple::TConditionMetierSimple(QWidget* parent) : QDialog(parent)
{
    setObjectName("ConditionMetierSimple");
    setProperty(ProprieteAide, AideConditionsMetier);

    txRepression = NouveauChamp(this, "txRepression", AideRepression);
    txNombreDeNavires = NouveauChamp(this, "txNombreDeNavires", AideNavires);
    txMaillage = NouveauChamp(this, "txMaillage", AideMaillage);
    txNbJourPeche = NouveauChamp(this, "txNbJourPeche", AideJoursMer);
    txSubventionAn = NouveauChamp(this, "txSubventionAn", AideSubventionAn);
    txSubventionJourMer = NouveauChamp(this, "txSubventionJourMer", AideSubventionJourMer);
    TxTauxTaxeSurCA = NouveauChamp(this, "TxTauxTaxeSurCA", AideTaxeCA);
    BtOK = Bouton(this, "BtOK", tr("OK"));
    BtAnnuler = Bouton(this, "BtAnnuler", tr("Annuler"));
    BtAide = Bouton(this, "BtAide", tr("Aide"));
    BtAide->setProperty(ProprieteAide, AideBoutonConditionsMetier);
    BtOK->setDefault(true);

    auto* grille = new QGridLayout;
    auto ligne = [&](QGridLayout* g, int rang, TMesure mesure, QLineEdit* champ) {
        auto* etiquette = new QLabel(TexteModele(Mesure(mesure).Libelle), this);
        etiquette->setBuddy(champ);
        g->addWidget(etiquette, rang, 0);
        g->addWidget(champ, rang, 1);
    };
    ligne(grille, 0, TMesure::Repression, txRepression);
    ligne(grille, 1, TMesure::Navires, txNombreDeNavires);
    ligne(grille, 2, TMesure::Maillage, txMaillage);
    ligne(grille, 3, TMesure::Jours, txNbJourPeche);

    auto* subventions = new QGroupBox(tr("Subventions"), this);
    auto* grilleSubventions = new QGridLayout(subventions);
    ligne(grilleSubventions, 0, TMesure::SubventionAn, txSubventionAn);
    ligne(grilleSubventions, 1, TMesure::SubventionJour, txSubventionJourMer);
    grille->addWidget(subventions, 4, 0, 1, 2);
    ligne(grille, 5, TMesure::Taxe, TxTauxTaxeSurCA);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    for (QPushButton* b : {BtOK, BtAnnuler, BtAide})
        boutons->addWidget(b);
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(grille);
    colonne->addLayout(boutons);

    QWidget* ordre[] = {
        txRepression,        txNombreDeNavires, txMaillage, txNbJourPeche, txSubventionAn,
        txSubventionJourMer, TxTauxTaxeSurCA,   BtOK,       BtAnnuler,     BtAide};
    for (size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);

    connect(BtOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtAide, &QPushButton::clicked, this, [this] {
        if (Aide)
            Aide(BtAide->property(ProprieteAide).toInt());
    });
}

void TConditionMetierSimple::done(int resultat)
{
    BtOK->setFocus();
    QDialog::done(resultat);
}

void TConditionMetierSimple::Remplir(const TCondition& c, int periodesAn)
{
    for (const TChampMesure& f : ChampsMesures) {
        const TDefMesure& m = Mesure(f.Mesure);
        (this->*f.Champ)->setText(TexteArrondi(m.Saisi(m.Valeur(c), periodesAn), f.Largeur));
    }
}

QLineEdit* TConditionMetierSimple::Champ(int code) const
{
    const bool refuse = code >= 1 && code <= static_cast<int>(std::size(ChampsMesures));
    return refuse ? this->*ChampsMesures[code - 1].Champ : txRepression;
}

int TConditionMetierSimple::Valider(TCondition& c, int periodesAn)
{
    // A refusal shows its message at once and the code keeps the first
    // refused field; an accepted value is stored at once, whatever the other
    // fields hold.
    int code = 0;
    for (size_t i = 0; i < std::size(ChampsMesures); ++i) {
        const TDefMesure& m = Mesure(ChampsMesures[i].Mesure);
        const QString texte = (this->*ChampsMesures[i].Champ)->text();
        const TValeurMesure v = m.Lire(texte.toStdString(), periodesAn, TSaisie::Dialogue);
        if (v.Refus == TRefus::Aucun) {
            m.Appliquer(c, v.Stockee);
            continue;
        }
        Signaler(TexteModele(m.Message(v.Refus)).toStdString());
        if (code == 0)
            code = static_cast<int>(i) + 1;
    }
    return code;
}

void DemanderJusquAccord(QDialog& dialogue, const TMontrer& montrer, int& code,
                         const std::function<void()>& remplir,
                         const std::function<QLineEdit*(int)>& refuse,
                         const std::function<int()>& valider)
{
    do {
        remplir();
        if (QLineEdit* champ = refuse(code)) {
            champ->setFocus();
            champ->selectAll();
        }
        if (montrer(dialogue) == QDialog::Accepted)
            code = valider();
    } while (code != 0);
}

void TConditionMetierSimple::Modifier(TBDVasco& bd, const TMontrer& montrer)
{
    const int periodesAn = std::max<int>(bd.NbPeriodesAn, 1);
    int code = 0;
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        auto& metier = bd.Metiers.A<TMetierEco>(i);
        TCondition& c = metier.Courante();
        setWindowTitle(tr("Conditions Metier : %1").arg(QString::fromStdString(metier.Nom)));
        // Shown again, refilled from the condition, until a confirmation
        // refuses nothing or a cancel finds nothing pending.
        DemanderJusquAccord(
            *this, montrer, code, [&] { Remplir(c, periodesAn); },
            [this](int refus) { return Champ(refus); }, [&] { return Valider(c, periodesAn); });
        c.AppliquerMaillage(metier);
    }
}

} // namespace vasco
