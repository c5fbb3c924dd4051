#include "dialogs/UCMetierSimple.h"

#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "model/UContextes.h"
#include "model/Umessages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

namespace vasco {

namespace {

// The text after its leading blanks, without one leading '+' (the
// conversion below takes a '-' but not a '+').
std::string SansBlancs(const QString& texte)
{
    std::string s = texte.toStdString();
    const size_t debut = s.find_first_not_of(" \t");
    s.erase(0, debut == std::string::npos ? s.size() : debut);
    if (s.size() > 1 && s[0] == '+' && s[1] != '-' && s[1] != '+')
        s.erase(0, 1);
    return s;
}

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

// A French player writes a decimal comma as often as a point: one comma is
// read as the decimal point.
std::optional<double> LireReel(const QString& texte)
{
    std::string s = SansBlancs(texte);
    if (std::count(s.begin(), s.end(), ',') == 1 && s.find('.') == std::string::npos)
        s[s.find(',')] = '.';
    double v = 0;
    const char* fin = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data(), fin, v, std::chars_format::general);
    if (s.empty() || ec != std::errc() || p != fin || !std::isfinite(v) || std::fabs(v) > FLT_MAX)
        return std::nullopt;
    return v;
}

std::optional<long long> LireEntier(const QString& texte)
{
    const std::string s = SansBlancs(texte);
    long long v = 0;
    const char* fin = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data(), fin, v);
    if (s.empty() || p != fin)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return s.front() == '-' ? LLONG_MIN : LLONG_MAX;
    if (ec != std::errc())
        return std::nullopt;
    return v;
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
    BtOK = Bouton(this, "BtOK", "OK");
    BtAnnuler = Bouton(this, "BtAnnuler", "Annuler");
    BtAide = Bouton(this, "BtAide", "Aide");
    BtAide->setProperty(ProprieteAide, AideBoutonConditionsMetier);
    BtOK->setDefault(true);

    auto* grille = new QGridLayout;
    auto ligne = [&](QGridLayout* g, int rang, const QString& libelle, QLineEdit* champ) {
        auto* etiquette = new QLabel(libelle, this);
        etiquette->setBuddy(champ);
        g->addWidget(etiquette, rang, 0);
        g->addWidget(champ, rang, 1);
    };
    ligne(grille, 0, "Indice de  Répression (en %) :", txRepression);
    ligne(grille, 1, "Nombre de Navires", txNombreDeNavires);
    ligne(grille, 2, "Maillage (mm) :", txMaillage);
    ligne(grille, 3, "Nb de Jours de Mer / période:", txNbJourPeche);

    auto* subventions = new QGroupBox("Subventions", this);
    auto* grilleSubventions = new QGridLayout(subventions);
    ligne(grilleSubventions, 0, "Annuelle", txSubventionAn);
    ligne(grilleSubventions, 1, "Jour de Mer", txSubventionJourMer);
    grille->addWidget(subventions, 4, 0, 1, 2);
    ligne(grille, 5, "Taux taxes sur CA (en %)", TxTauxTaxeSurCA);

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
    txRepression->setText(TexteArrondi(c.IndiceRepression * 100.0L, 3));
    txNombreDeNavires->setText(TexteArrondi(c.NbNavires, 3));
    txMaillage->setText(TexteArrondi(c.MaillageReglementaire, 3));
    txNbJourPeche->setText(TexteArrondi(c.NbJours, 3));
    txSubventionAn->setText(
        TexteArrondi(c.SubventionPeriode * static_cast<long double>(periodesAn), 7));
    txSubventionJourMer->setText(TexteArrondi(c.SubventionJourMer, 7));
    TxTauxTaxeSurCA->setText(TexteArrondi(c.TauxTaxeCA * 100.0L, 3));
}

QLineEdit* TConditionMetierSimple::Champ(int code) const
{
    QLineEdit* const champs[] = {txRepression,        txRepression,   txNombreDeNavires,
                                 txMaillage,          txNbJourPeche,  txSubventionAn,
                                 txSubventionJourMer, TxTauxTaxeSurCA};
    return code >= 0 && code < static_cast<int>(std::size(champs)) ? champs[code] : txRepression;
}

int TConditionMetierSimple::Valider(TCondition& c, int periodesAn)
{
    int code = 0;
    // One field: a refusal shows its message at once and the code keeps the
    // first refused field; an accepted value is stored at once, as a float,
    // whatever the other fields hold.
    auto champ = [&](int numero, const char* nonNumerique, const char* horsLimites, auto accepte,
                     auto stocker) {
        const std::optional<double> lu = LireReel(Champ(numero)->text());
        const char* refus = !lu ? nonNumerique : accepte(*lu) ? nullptr : horsLimites;
        if (refus) {
            Signaler(refus);
            if (code == 0)
                code = numero;
            return;
        }
        stocker(static_cast<long double>(static_cast<float>(*lu)));
    };
    const long double p = periodesAn;
    const auto tout = [](double) { return true; };

    champ(
        1, "Indice de répression : Valeur non numérique", "Indice de répression <0 ou >100",
        [](double v) { return v >= 0 && v <= 100; },
        [&](long double v) { c.IndiceRepression = static_cast<float>(v / 100); });
    champ(
        2, "Nombre de Navires : Valeur non numérique", "Nombre de navires < 0",
        [](double v) { return v >= 0; },
        [&](long double v) { c.NbNavires = static_cast<float>(v); });
    champ(
        3, "Maillage : Valeur non numérique", "Maillage < 0", [](double v) { return v >= 0; },
        [&](long double v) { c.MaillageReglementaire = static_cast<float>(v); });
    // A year counts 360 days; the limit is inclusive.
    champ(
        4, "Nombre de jours : Valeur non numérique", "Nombre de jours < 0 ou > à durée période",
        [&](double v) { return v >= 0 && v <= 360 / p; },
        [&](long double v) { c.NbJours = static_cast<float>(v); });
    champ(5, "Subvention An : Valeur non numérique", nullptr, tout,
          [&](long double v) { c.SubventionPeriode = static_cast<float>(v / p); });
    champ(6, "Subvention Jour Mer : Valeur non numérique", nullptr, tout,
          [&](long double v) { c.SubventionJourMer = static_cast<float>(v); });
    champ(
        7, "Taux Taxe sur CA : Valeur non numérique", "Taxe sur CA > à 100%",
        [](double v) { return v <= 100; },
        [&](long double v) { c.TauxTaxeCA = static_cast<float>(v / 100); });
    return code;
}

void TConditionMetierSimple::Modifier(TBDVasco& bd, const TMontrer& montrer)
{
    const int periodesAn = std::max<int>(bd.NbPeriodesAn, 1);
    int code = 0;
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        auto& metier = bd.Metiers.A<TMetierEco>(i);
        TCondition& c = metier.Courante();
        setWindowTitle("Conditions Metier : " + QString::fromStdString(metier.Nom));
        // Shown again, refilled from the condition, until a confirmation
        // refuses nothing or a cancel finds nothing pending.
        do {
            Remplir(c, periodesAn);
            QLineEdit* focus = Champ(code);
            focus->setFocus();
            focus->selectAll();
            if (montrer(*this) == QDialog::Accepted)
                code = Valider(c, periodesAn);
        } while (code != 0);
        c.AppliquerMaillage(metier);
    }
}

} // namespace vasco
