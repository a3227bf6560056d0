// Kolvar: a shedding card game against the computer.
#include "platform/session_bus.h"
#include "platform/system.h"
#include "view/form1.h"
#include "view/table_zoom.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (!kolvar::HasDisplay()) {
        std::fprintf(stderr, "kolvar: no display to show the game on (DISPLAY is not set)\n");
        return 1;
    }
    kolvar::UseNoSessionBusUnlessNamed();
    kolvar::HoldStartupMessages();
    QApplication app(argc, argv);
    kolvar::ReleaseStartupMessages();
    kolvar::FindAccessibilityBusOnDisplay();
    QApplication::setApplicationName("Kolvar");
    // The menu entry's name, by which a Wayland compositor finds the icon.
    QGuiApplication::setDesktopFileName("org.example.kolvar");
    // A zoom asked for and not understood is said once; the table is fitted
    // to the window as without one. An empty value is no request.
    const QByteArray zoom = qgetenv("KOLVAR_ZOOM");
    if (!zoom.isEmpty() && !kolvar::ZoomOverride(zoom.constData()))
        std::fprintf(stderr,
                     "kolvar: KOLVAR_ZOOM=%s is not a number (such as 1.5); the table is "
                     "fitted to the window\n",
                     zoom.constData());
    kolvar::Form1 window;
    window.showMaximized();
    return app.exec();
}
