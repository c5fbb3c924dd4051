// The quit confirmation.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vasco {

class TFQuitter : public QDialog {
    Q_OBJECT

public:
    explicit TFQuitter(QWidget* parent = nullptr);

    // The player's answer: OK sets it, Cancel and the Escape key clear it.
    bool Confirme = false;

    QLineEdit* Message;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void reject() override;

protected:
    void showEvent(QShowEvent* evenement) override;
};

} // namespace vasco
