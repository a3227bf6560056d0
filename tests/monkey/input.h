// The monkey's events as real input: the mouse and the keyboard through
// xdotool (XTest, as a player's own), a burst as one xdotool command line so
// that its ten events reach the server within their 50 ms, and the window
// manager's resizes through wmctrl. Each event is turned into pixels and
// windows at the moment it is sent, from the game's windows as they are.
#pragma once

#include "events.h"
#include "table_spots.h"
#include "x_client.h"
#include "x_display.h"

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace kolvar::monkey {

// The game's windows on the screen now, by what they are.
struct GameWindows {
    unsigned long table = 0; // the main window, "Have fun!!"
    unsigned long options = 0;
    unsigned long rules = 0;
    unsigned long box = 0; // a message box: the About box, a reminder, the end of a game
    std::string boxTitle;

    static GameWindows Of(const XClient& x, long pid);
    unsigned long recipient(Recipient r) const;
};

inline constexpr const char* kTableTitle = "Have fun!!";

class Input {
public:
    Input(const e2e::XDisplay& display, const XClient& x) : display_(display), x_(x) {}

    // Sends the events (one, or a burst of quick ones) to the game whose
    // windows and table are these; returns for each event what it met: the
    // pixel clicked, the window that got the key, or why nothing was sent.
    // `inMenuBar` tells for each whether it was a click on the menu bar.
    std::vector<std::string> send(const std::vector<Event>& group, const GameWindows& windows,
                                  const std::optional<TableSpots>& spots,
                                  std::vector<bool>& inMenuBar);

    // Closes a window as its close button does (the window manager asks it).
    void close(unsigned long window) const;

private:
    std::string click(const Event& e, const GameWindows& w, const std::optional<TableSpots>& spots,
                      QStringList& xdo, bool& inMenuBar) const;
    std::string key(const Event& e, const GameWindows& w, QStringList& xdo) const;
    std::string menu(const Event& e, const std::optional<TableSpots>& spots,
                     QStringList& xdo) const;
    std::string windowManager(const Event& e, const GameWindows& w) const;
    std::string nameOf(unsigned long window) const;
    void run(const QString& program, const QStringList& args) const;

    const e2e::XDisplay& display_;
    const XClient& x_;
};

} // namespace kolvar::monkey
