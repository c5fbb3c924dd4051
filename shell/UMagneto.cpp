#include "shell/UMagneto.h"

namespace vasco {

TMagneto::TMagneto(QWidget* parent) : QWidget(parent) { setObjectName("Magneto"); }

void TMagneto::FixerDernier(int32_t index)
{
    Max = index;
    Position = index;
    emit Deplace();
}

} // namespace vasco
