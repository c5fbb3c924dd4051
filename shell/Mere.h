// The main window: a multiple-document frame whose child windows are the
// graph windows.  For now it only opens and closes; the menus, the toolbar,
// the step control and the logo come with the application shell.
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace vasco {

class TFenetreMere : public QMainWindow {
    Q_OBJECT

public:
    explicit TFenetreMere(QWidget* parent = nullptr);

    // The client area that holds the graph windows.
    QMdiArea* Zone() const { return zone_; }

private:
    QMdiArea* zone_;
};

} // namespace vasco
