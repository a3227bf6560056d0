// Kolvar: a shedding card game against the computer.
#include "platform/system.h"
#include "view/form1.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (!kolvar::HasDisplay()) {
        std::fprintf(stderr, "kolvar: no display to show the game on (DISPLAY is not set)\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kolvar");
    // The menu entry's name, by which a Wayland compositor finds the icon.
    QGuiApplication::setDesktopFileName("org.example.kolvar");
    kolvar::Form1 window;
    window.showMaximized();
    return app.exec();
}
