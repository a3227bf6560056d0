// A stand-in for the game in the monkey's own tests: a window that looks to
// the monkey as the game's does (its title, a menu bar with File and Help,
// the table's colour under it) and that, MONKEY_STAND_IN_AFTER milliseconds
// after it shows (1000 unless told), misbehaves as MONKEY_STAND_IN says:
//   crash     aborts
//   exit:N    exits with status N
//   hang      its event loop stops, the process stays
//   close     its window goes away, the process stays
// Told nothing, it behaves, and exits when its window is closed or File >
// Exit is chosen.
#include "ui/table_colour.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QThread>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Have fun!!");
    window.menuBar()->addMenu("File")->addAction("Exit", &app, &QApplication::quit);
    window.menuBar()->addMenu("Help");
    auto* table = new QWidget;
    QPalette palette = table->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(kolvar::kTableRgb));
    table->setPalette(palette);
    table->setAutoFillBackground(true);
    window.setCentralWidget(table);
    window.showMaximized();

    const QString what = qEnvironmentVariable("MONKEY_STAND_IN");
    bool given = false;
    const int after = qEnvironmentVariableIntValue("MONKEY_STAND_IN_AFTER", &given);
    QTimer::singleShot(given ? after : 1000, &app, [&] {
        if (what == "crash")
            std::abort();
        if (what.startsWith("exit:"))
            QCoreApplication::exit(what.mid(5).toInt());
        if (what == "hang")
            for (;;)
                QThread::sleep(1);
        if (what == "close") {
            QApplication::setQuitOnLastWindowClosed(false);
            window.hide();
        }
    });
    return app.exec();
}
