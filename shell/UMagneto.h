// The step control: a tape-recorder row of buttons that moves a position
// over the simulated periods.
#pragma once

#include "model/Uhote.h"

#include <QWidget>

namespace vasco {

class TMagneto : public QWidget, public TMagnetoBase {
    Q_OBJECT

public:
    explicit TMagneto(QWidget* parent = nullptr);

    int32_t Position = -1;
    int32_t Max = -1;
    uint8_t PasAn = 10;

    int32_t PositionCourante() const override { return Position; }
    // The last simulated period: the position moves to it.
    void FixerDernier(int32_t index);

signals:
    // The position moved: every graph window redraws.
    void Deplace();
};

} // namespace vasco
