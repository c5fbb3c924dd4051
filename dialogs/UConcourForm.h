// The form of the contest balance: the averages per period of the sixty
// years played, and the two ways on: a new attempt with the same data, or
// stopping to look at the results.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vasco {

struct TTextesBilan60;

class TBilan60ans : public QDialog {
    Q_OBJECT

public:
    // Results of the form beside Accepted and Rejected.
    static constexpr int Recommencer = 4;
    static constexpr int Visualiser = 10;

    explicit TBilan60ans(QWidget* parent = nullptr);

    void Afficher(const TTextesBilan60& textes);

    QLineEdit* EProduction;
    QLineEdit* ECA;
    QLineEdit* EBenefices;
    QLineEdit* EBilanSocial;
    QPushButton* BtRecommencer;
    QPushButton* BtBilanContinuer;
};

} // namespace vasco
