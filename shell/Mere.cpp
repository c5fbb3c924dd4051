#include "shell/Mere.h"

#include <QMdiArea>

namespace vasco {

TFenetreMere::TFenetreMere(QWidget* parent) : QMainWindow(parent), zone_(new QMdiArea(this))
{
    setWindowTitle("Vasco");
    setCentralWidget(zone_);
    resize(1024, 768);
}

} // namespace vasco
