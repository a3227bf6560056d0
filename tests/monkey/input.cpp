// Turning each event into xdotool's or wmctrl's commands.
#include "input.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cstdio>

namespace kolvar::monkey {
namespace {

QString hex(unsigned long window)
{
    return "0x" + QString::number(window, 16);
}

std::string at(Point p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

} // namespace

GameWindows GameWindows::Of(const XClient& x, long pid)
{
    GameWindows w;
    for (const ManagedWindow& m : x.managed()) {
        if (m.pid != pid)
            continue;
        if (m.title == kTableTitle)
            w.table = m.id;
        else if (m.title == "Optiuni")
            w.options = m.id;
        else if (m.title == "Reguli de joc")
            w.rules = m.id;
        else {
            w.box = m.id;
            w.boxTitle = m.title;
        }
    }
    return w;
}

unsigned long GameWindows::recipient(Recipient r) const
{
    switch (r) {
    case Recipient::Table:
        return table;
    case Recipient::Options:
        return options;
    case Recipient::Rules:
        return rules;
    case Recipient::Box:
        return box;
    default:
        return 0;
    }
}

std::vector<std::string> Input::send(const std::vector<Event>& group, const GameWindows& windows,
                                     const std::optional<TableSpots>& spots,
                                     std::vector<bool>& inMenuBar)
{
    std::vector<std::string> met;
    inMenuBar.assign(group.size(), false);
    QStringList xdo;
    for (size_t i = 0; i < group.size(); ++i) {
        const Event& e = group[i];
        if (i > 0)
            xdo << "sleep" << QString::number(e.delayMs / 1000.0, 'f', 3);
        bool menuBar = false;
        switch (e.action) {
        case Action::Click:
            met.push_back(click(e, windows, spots, xdo, menuBar));
            break;
        case Action::Key:
            met.push_back(key(e, windows, xdo));
            break;
        case Action::Menu:
            met.push_back(menu(e, spots, xdo));
            break;
        case Action::Answer:
            met.push_back(key(KeyTo("Return", Recipient::Box), windows, xdo));
            break;
        default:
            met.push_back(windowManager(e, windows));
            break;
        }
        inMenuBar[i] = menuBar;
    }
    if (!xdo.isEmpty())
        run("xdotool", xdo);
    return met;
}

std::string Input::click(const Event& e, const GameWindows& w,
                         const std::optional<TableSpots>& spots, QStringList& xdo,
                         bool& inMenuBar) const
{
    Point p;
    if (e.spot == Spot::OptionsBox || e.spot == Spot::BoxButton || e.spot == Spot::Rules) {
        const unsigned long window = e.spot == Spot::OptionsBox ? w.options
                                     : e.spot == Spot::Rules    ? w.rules
                                                                : w.box;
        const std::optional<Box> area = window ? x_.clientArea(window) : std::nullopt;
        if (!area)
            return "nothing: no such window";
        p = InWindow(*area, e);
    } else if (!spots) {
        return "nothing: no table";
    } else {
        switch (e.spot) {
        case Spot::Hand:
            p = spots->hand(e.index);
            break;
        case Spot::Stock:
            p = spots->stock();
            break;
        case Spot::Suit:
            p = spots->suit(e.index);
            break;
        case Spot::Pile:
            p = spots->pile();
            break;
        default:
            p = spots->anywhere(e.x, e.y);
            break;
        }
        inMenuBar = spots->inMenuBar(p);
    }
    const Box screen = x_.screen();
    p.x = std::clamp(p.x, 0, screen.width - 1);
    p.y = std::clamp(p.y, 0, screen.height - 1);
    xdo << "mousemove" << QString::number(p.x) << QString::number(p.y) << "click";
    if (e.twice)
        xdo << "--repeat"
            << "2"
            << "--delay"
            << "80";
    xdo << QString::number(e.button);
    return at(p);
}

std::string Input::key(const Event& e, const GameWindows& w, QStringList& xdo) const
{
    if (e.to == Recipient::Focused) {
        xdo << "key" << QString::fromStdString(e.key);
        return "focus on " + nameOf(x_.focus());
    }
    const unsigned long window = w.recipient(e.to);
    if (!window)
        return "nothing: no such window";
    // Brought to the front as a click on its frame would; the key follows
    // once the window manager has had a moment to give it the focus.
    xdo << "windowactivate" << hex(window) << "sleep"
        << "0.1"
        << "key" << QString::fromStdString(e.key);
    return nameOf(window);
}

// Opened with a click on its title, an item chosen with the keys: Down
// takes the menu's first item (Joc Nou, Despre), Up its last (Exit,
// Reguli de joc).
std::string Input::menu(const Event& e, const std::optional<TableSpots>& spots,
                        QStringList& xdo) const
{
    if (!spots)
        return "nothing: no table";
    const Point title = spots->menuTitle(e.menu);
    const bool first = e.item == "JocNou" || e.item == "Despre";
    xdo << "mousemove" << QString::number(title.x) << QString::number(title.y) << "click"
        << "1"
        << "sleep"
        << "0.2"
        << "key" << (first ? "Down" : "Up") << "sleep"
        << "0.1"
        << "key"
        << "Return";
    return at(title);
}

std::string Input::windowManager(const Event& e, const GameWindows& w) const
{
    if (!w.table)
        return "nothing: no table window";
    const QString id = hex(w.table);
    const QString maximized = "maximized_vert,maximized_horz";
    switch (e.action) {
    case Action::Resize:
        run("wmctrl", {"-i", "-r", id, "-b", "remove," + maximized});
        run("wmctrl", {"-i", "-r", id, "-e",
                       QString("0,%1,%2,%3,%4").arg(e.x).arg(e.y).arg(e.width).arg(e.height)});
        break;
    case Action::Maximize:
        run("wmctrl", {"-i", "-r", id, "-b", "add," + maximized});
        break;
    case Action::Restore:
        run("wmctrl", {"-i", "-r", id, "-b", "remove," + maximized});
        break;
    case Action::FullScreen:
        run("wmctrl", {"-i", "-r", id, "-b", "toggle,fullscreen"});
        break;
    default:
        run("xdotool", {"windowactivate", id});
        break;
    }
    return id.toStdString();
}

void Input::close(unsigned long window) const
{
    run("wmctrl", {"-i", "-c", hex(window)});
}

std::string Input::nameOf(unsigned long window) const
{
    for (const ManagedWindow& m : x_.managed())
        if (m.id == window)
            return "\"" + m.title + "\"";
    return window ? hex(window).toStdString() : "nothing";
}

// xdotool or wmctrl, bounded: one that hangs is ended, and the run goes on.
void Input::run(const QString& program, const QStringList& args) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_.name());
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(program, args);
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(1000);
        std::fprintf(stderr, "monkey: %s did not finish in 5 s and was ended\n",
                     qPrintable(program));
    }
}

} // namespace kolvar::monkey
