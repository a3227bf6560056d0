// The monkey's events: their one-line text and the reading of a log back
// into events.
#include "events.h"

#include <array>
#include <cstdio>
#include <sstream>

namespace kolvar::monkey {
namespace {

struct Named {
    const char* name;
    int value;
};
const std::array<Named, 8> kSpots = {{{"hand", int(Spot::Hand)},
                                      {"stock", int(Spot::Stock)},
                                      {"suit", int(Spot::Suit)},
                                      {"pile", int(Spot::Pile)},
                                      {"at", int(Spot::Anywhere)},
                                      {"options", int(Spot::OptionsBox)},
                                      {"box", int(Spot::BoxButton)},
                                      {"rules", int(Spot::Rules)}}};
const std::array<Named, 5> kRecipients = {{{"focused", int(Recipient::Focused)},
                                           {"table", int(Recipient::Table)},
                                           {"options", int(Recipient::Options)},
                                           {"rules", int(Recipient::Rules)},
                                           {"box", int(Recipient::Box)}}};
const std::array<Named, 6> kWords = {{{"answer", int(Action::Answer)},
                                      {"maximize", int(Action::Maximize)},
                                      {"restore", int(Action::Restore)},
                                      {"fullscreen", int(Action::FullScreen)},
                                      {"activate", int(Action::Activate)},
                                      {"resize", int(Action::Resize)}}};

template <size_t N>
const char* nameOf(const std::array<Named, N>& table, int value)
{
    for (const Named& n : table)
        if (n.value == value)
            return n.name;
    return "?";
}

template <size_t N>
std::optional<int> valueOf(const std::array<Named, N>& table, const std::string& name)
{
    for (const Named& n : table)
        if (name == n.name)
            return n.value;
    return std::nullopt;
}

bool hasPosition(Spot s)
{
    return s == Spot::Anywhere || s == Spot::Rules;
}

bool hasIndex(Spot s)
{
    return s == Spot::Hand || s == Spot::Suit || s == Spot::OptionsBox;
}

std::optional<int> number(const std::string& word)
{
    if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != word.npos)
        return std::nullopt;
    return std::stoi(word);
}

std::optional<Event> parseClick(const std::vector<std::string>& w)
{
    // click SPOT [INDEX | X Y] button B [twice]
    if (w.size() < 4)
        return std::nullopt;
    const std::optional<int> spot = valueOf(kSpots, w[1]);
    if (!spot)
        return std::nullopt;
    Event e = ClickOn(static_cast<Spot>(*spot));
    size_t at = 2;
    if (hasIndex(e.spot)) {
        const std::optional<int> index = number(w[at++]);
        if (!index)
            return std::nullopt;
        e.index = *index;
    } else if (hasPosition(e.spot)) {
        const std::optional<int> x = number(w[at]);
        const std::optional<int> y = at + 1 < w.size() ? number(w[at + 1]) : std::nullopt;
        if (!x || !y)
            return std::nullopt;
        e.x = *x;
        e.y = *y;
        at += 2;
    }
    if (at + 1 >= w.size() || w[at] != "button")
        return std::nullopt;
    const std::optional<int> button = number(w[at + 1]);
    if (!button || *button < 1 || *button > 3)
        return std::nullopt;
    e.button = *button;
    at += 2;
    if (at < w.size() && w[at] == "twice") {
        e.twice = true;
        ++at;
    }
    return at == w.size() ? std::optional<Event>(e) : std::nullopt;
}

std::optional<Event> parseWord(const std::vector<std::string>& w)
{
    const std::optional<int> action = valueOf(kWords, w[0]);
    if (!action)
        return std::nullopt;
    Event e = Plain(static_cast<Action>(*action));
    if (e.action != Action::Resize)
        return w.size() == 1 ? std::optional<Event>(e) : std::nullopt;
    // resize WIDTH HEIGHT at X Y
    if (w.size() != 6 || w[3] != "at")
        return std::nullopt;
    const auto width = number(w[1]), height = number(w[2]), x = number(w[4]), y = number(w[5]);
    if (!width || !height || !x || !y)
        return std::nullopt;
    e.width = *width;
    e.height = *height;
    e.x = *x;
    e.y = *y;
    return e;
}

} // namespace

Event ClickOn(Spot spot, int index)
{
    Event e;
    e.action = Action::Click;
    e.spot = spot;
    e.index = index;
    return e;
}

Event ClickAt(Spot spot, int x, int y)
{
    Event e = ClickOn(spot);
    e.x = x;
    e.y = y;
    return e;
}

Event KeyTo(std::string name, Recipient to)
{
    Event e;
    e.action = Action::Key;
    e.key = std::move(name);
    e.to = to;
    return e;
}

Event MenuItem(std::string menu, std::string item)
{
    Event e;
    e.action = Action::Menu;
    e.menu = std::move(menu);
    e.item = std::move(item);
    return e;
}

Event Plain(Action action)
{
    Event e;
    e.action = action;
    return e;
}

std::string Describe(const Event& e)
{
    std::ostringstream out;
    switch (e.action) {
    case Action::Click:
        out << "click " << nameOf(kSpots, int(e.spot));
        if (hasIndex(e.spot))
            out << ' ' << e.index;
        else if (hasPosition(e.spot))
            out << ' ' << e.x << ' ' << e.y;
        out << " button " << e.button << (e.twice ? " twice" : "");
        break;
    case Action::Key:
        out << "key " << e.key << " to " << nameOf(kRecipients, int(e.to));
        break;
    case Action::Menu:
        out << "menu " << e.menu << ' ' << e.item;
        break;
    case Action::Resize:
        out << "resize " << e.width << ' ' << e.height << " at " << e.x << ' ' << e.y;
        break;
    default:
        out << nameOf(kWords, int(e.action));
        break;
    }
    return out.str();
}

std::optional<Event> ParseDescription(const std::string& text, int delayMs)
{
    std::vector<std::string> w;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        w.push_back(word);
    if (w.empty())
        return std::nullopt;
    std::optional<Event> e;
    if (w[0] == "click") {
        e = parseClick(w);
    } else if (w[0] == "key" && w.size() == 4 && w[2] == "to") {
        if (const std::optional<int> to = valueOf(kRecipients, w[3]))
            e = KeyTo(w[1], static_cast<Recipient>(*to));
    } else if (w[0] == "menu" && w.size() == 3) {
        e = MenuItem(w[1], w[2]);
    } else {
        e = parseWord(w);
    }
    if (e)
        e->delayMs = delayMs;
    return e;
}

bool MayExit(const Event& e, bool clickInMenuBar)
{
    if (e.action == Action::Menu)
        return true;
    if (e.action == Action::Key)
        return e.key == "F4" || e.key == "alt+F4";
    return e.action == Action::Click && clickInMenuBar;
}

bool IsQuick(const Event& e)
{
    if (e.action == Action::Key)
        return e.to == Recipient::Focused;
    return e.action == Action::Click && e.spot != Spot::OptionsBox && e.spot != Spot::BoxButton &&
           e.spot != Spot::Rules;
}

std::string LogLine(double seconds, long number, const Event& e, const std::string& met)
{
    char head[64];
    std::snprintf(head, sizeof head, "%9.3f #%ld +%dms ", seconds, number, e.delayMs);
    return head + Describe(e) + (met.empty() ? "" : "  = " + met);
}

std::optional<Event> ParseLogLine(const std::string& line)
{
    std::istringstream in(line);
    std::string seconds, number, pause;
    if (!(in >> seconds >> number >> pause) || seconds[0] == '#' || number[0] != '#' ||
        pause.size() < 4 || pause[0] != '+' || pause.substr(pause.size() - 2) != "ms")
        return std::nullopt;
    const std::optional<int> delay = kolvar::monkey::number(pause.substr(1, pause.size() - 3));
    if (!delay)
        return std::nullopt;
    std::string rest;
    std::getline(in, rest);
    return ParseDescription(rest.substr(0, rest.find(" = ")), *delay);
}

// --- Replay ----------------------------------------------------------------

ReplayedEvents::ReplayedEvents(std::istream& log)
{
    for (std::string line; std::getline(log, line);) {
        if (std::optional<Event> e = ParseLogLine(line)) {
            events_.push_back(*e);
            continue;
        }
        const size_t at = line.find("seed ");
        if (!seed_ && line.rfind("#", 0) == 0 && at != line.npos) {
            std::istringstream in(line.substr(at + 5));
            uint64_t seed = 0;
            if (in >> seed)
                seed_ = seed;
        }
    }
}

std::optional<Event> ReplayedEvents::next()
{
    if (at_ >= events_.size())
        return std::nullopt;
    return events_[at_++];
}

} // namespace kolvar::monkey
