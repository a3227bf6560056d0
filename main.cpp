// Kolvar: a shedding card game against the computer.
#include "platform/session_bus.h"
#include "platform/sound_folders.h"
#include "platform/system.h"
#include "ui/language.h"
#include "view/form1.h"
#include "view/launch_settings.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <string>

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
    kolvar::KeepSoundLibraryOutOfHome();
    QApplication::setApplicationName("Kolvar");
    kolvar::UseLanguage(QLocale::system().uiLanguages());
    // The menu entry's name, by which a Wayland compositor finds the icon.
    QGuiApplication::setDesktopFileName("org.example.kolvar");
    std::string said;
    const kolvar::LaunchSettings settings = kolvar::ReadLaunchSettings(said);
    std::fputs(said.c_str(), stderr);
    kolvar::Form1 window(settings);
    window.showMaximized();
    return app.exec();
}
