// The about box: the logo, the product name, its version and credits.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vasco {

class TAPropos : public QDialog {
    Q_OBJECT

public:
    explicit TAPropos(QWidget* parent = nullptr);

    QLabel* Image;
    QLabel* NomProduit;
    QLabel* Version;
    QPushButton* OKButton;
};

} // namespace vasco
