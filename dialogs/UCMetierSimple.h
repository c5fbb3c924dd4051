// The métier condition dialog: between two periods the player sets, for each
// métier in turn, the measures of its open condition (fleet, mesh, days at
// sea, subsidies, tax, enforcement).  They act from the next period step on.
//
// Each field is one measure of the measure table (dataset/UMesures.h), which
// reads, checks, converts and stores it; the dialog keeps the order of its
// fields and of its messages.  Also the number format shared by the
// condition dialogs.
#pragma once

#include <QDialog>
#include <functional>
#include <string_view>

class QLineEdit;
class QPushButton;

namespace vasco {

class TBDVasco;
class TCondition;

// Shows a modal dialog and returns its result.  The program runs the
// dialog's own loop; a test replaces it by a script that fills the fields
// and presses a button.
using TMontrer = std::function<int(QDialog&)>;

// Opens the help at a context number.
using TOuvrirAide = std::function<void(int)>;

// The value rounded to a whole number, right-aligned with leading blanks in
// at least `largeur` characters (" 12" for 12.4 in three).
QString TexteArrondi(long double valeur, int largeur);

// A text of the model (UTF-8), marked in the model for translation, in the
// language of the program: a field's label, a measure's refusal.
QString TexteModele(std::string_view texte);

// Asks for one element's measures: the dialog is filled from the element
// and shown again, the refused field (if any) selected, until a
// confirmation refuses nothing or a cancel finds nothing pending.  code is
// the pending-error code, carried from one element to the next; remplir
// fills the fields, refuse gives the field of a code (or null), valider
// stores what is accepted and returns the new code.
void DemanderJusquAccord(QDialog& dialogue, const TMontrer& montrer, int& code,
                         const std::function<void()>& remplir,
                         const std::function<QLineEdit*(int)>& refuse,
                         const std::function<int()>& valider);

class TConditionMetierSimple : public QDialog {
    Q_OBJECT

public:
    explicit TConditionMetierSimple(QWidget* parent = nullptr);

    // Walks every métier of the data set: shows its open condition, stores
    // each accepted field and asks again until nothing is refused (or the
    // dialog is cancelled with nothing pending); then applies the
    // effective-mesh rule to it, confirmed or cancelled.
    void Modifier(TBDVasco& bd, const TMontrer& montrer);

    TOuvrirAide Aide;

    // Fields in tab order.
    QLineEdit* txRepression;
    QLineEdit* txNombreDeNavires;
    QLineEdit* txMaillage;
    QLineEdit* txNbJourPeche;
    QLineEdit* txSubventionAn;
    QLineEdit* txSubventionJourMer;
    QLineEdit* TxTauxTaxeSurCA;
    QPushButton* BtOK;
    QPushButton* BtAnnuler;
    QPushButton* BtAide;

    void done(int resultat) override;

private:
    void Remplir(const TCondition& c, int periodesAn);
    // Checks and stores the fields in order; returns the pending-error code
    // (the first refused field from 1, 0 when everything was stored).
    int Valider(TCondition& c, int periodesAn);
    // The field of a pending-error code; txRepression for 0.
    QLineEdit* Champ(int code) const;
};

} // namespace vasco
