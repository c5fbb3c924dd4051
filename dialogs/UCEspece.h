// The species condition dialog: for each species in turn, the quota per
// period and the minimum landing size of its open period state, each with a
// check box that puts it in force or lifts it.  The measure table
// (dataset/UMesures.h) reads, checks and stores both.
#pragma once

#include "dialogs/UCMetierSimple.h"

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vasco {

class TBDVasco;
class TPeriodeES;

class TConditionEspece : public QDialog {
    Q_OBJECT

public:
    explicit TConditionEspece(QWidget* parent = nullptr);

    // Walks every species of the data set and asks for its measures until
    // nothing is refused.  An unchecked box lifts its measure and leaves the
    // stored value as it was.
    void Modifier(TBDVasco& bd, const TMontrer& montrer);

    TOuvrirAide Aide;

    // The form's own mirrors of its check boxes.
    bool QuotaCoche = false;
    bool TailleMinCochee = false;

    QCheckBox* QuotasCheckBox;
    QLineEdit* txQuotas;
    QCheckBox* TailleMinCheckBox;
    QLineEdit* txTailleMin;
    QPushButton* btOk;
    QPushButton* BtAnnuler;
    QPushButton* btAide;

    void done(int resultat) override;

private:
    void QuotasCheckBoxClick(bool coche);
    void TailleMinCheckBoxClick(bool coche);
    void Remplir(const TPeriodeES& s);
    // Checks and stores a confirmed entry; returns the pending-error code:
    // 1 the quota, 2 the minimum size, 0 nothing refused.
    int Valider(TPeriodeES& s, int periodesAn);
};

} // namespace vasco
