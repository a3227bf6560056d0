// The start-up floor: the least a Qt 6 Widgets program does to look like the
// game's window. A main window with a menu bar, the size of the screen,
// whose client area is painted in the table colour, and nothing else: no
// pictures, no sounds, no timer.
#include "ui/table_colour.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class Colour : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor::fromRgb(kolvar::kTableRgb));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare Qt");
    QMenu* file = window.menuBar()->addMenu("File");
    file->addAction("Exit", &app, &QApplication::quit);
    window.menuBar()->addMenu("Help");
    window.setCentralWidget(new Colour(&window));
    const QScreen* screen = window.screen();
    window.resize(screen->size());
    window.move(screen->geometry().topLeft());
    window.show();
    return app.exec();
}
