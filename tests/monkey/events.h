// What the monkey does to the game, one event at a time: clicks named by
// what lies under them (a card of the hand, the stock, a suit button, a spot
// of the window), keys sent to whichever window should have them, the menus,
// message boxes answered, and the window manager's resizes. A seed gives the
// whole sequence, pauses included, with no look at the game, so the same
// seed gives the same events again; each event is written as one line of the
// log and read back from it for a replay.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace kolvar::monkey {

enum class Action {
    Click,    // `spot`, `index`, `x`/`y`, `button`, `twice`
    Key,      // `key` to `to`
    Menu,     // `menu` > `item`, opened with the mouse, chosen with the keys
    Answer,   // a message box of the game, if one is open, gets Return
    Resize,   // the window's client area `x`,`y` `width` x `height` (wmctrl -e)
    Maximize, // the window manager's maximize, and its restore
    Restore,
    FullScreen, // the window manager's full screen, on or off
    Activate,   // the table's window brought to the front, as a click on its frame would
};

// Where a click lands, by what lies there; the pixel is worked out when the
// click is sent, from where the window is and how large it is then.
enum class Spot {
    Hand, // the card in slot `index` of the human's row, where it shows
    Stock,
    Suit,       // suit button `index`, from the top
    Pile,       // the top card
    Anywhere,   // (`x`, `y`) thousandths of the table window's client area
    OptionsBox, // check box `index` (1: Sunete, 2: Primul) of the options window
    BoxButton,  // the OK button of a message box
    Rules,      // (`x`, `y`) thousandths of the rules window
};

// Who gets a key: the window that has the focus, or a window of the game
// that is brought to the front first.
enum class Recipient { Focused, Table, Options, Rules, Box };

struct Event {
    int delayMs = 0; // the pause before it
    Action action = Action::Click;
    Spot spot = Spot::Anywhere;
    int index = 0;
    int x = 0, y = 0;
    int width = 0, height = 0;
    int button = 1;
    bool twice = false; // a double click
    std::string key;    // xdotool's name: "F2", "Left", "alt+F4", "space"
    Recipient to = Recipient::Focused;
    std::string menu, item;

    bool operator==(const Event&) const = default;
};

// Events of each kind, with no pause before them.
Event ClickOn(Spot spot, int index = 0);
Event ClickAt(Spot spot, int x, int y); // (x, y) thousandths of the window
Event KeyTo(std::string key, Recipient to = Recipient::Focused);
Event MenuItem(std::string menu, std::string item);
Event Plain(Action action);

// The event without its pause, e.g. "click hand 3 button 1 twice",
// "key alt+F4 to table", "menu File Exit", "resize 1100 750 at 40 30".
std::string Describe(const Event& e);
// The other way round; nothing for a line that is not an event's.
std::optional<Event> ParseDescription(const std::string& text, int delayMs);

// Whether the event may end the game: an Exit, F4, Alt+F4, a menu.
bool MayExit(const Event& e, bool clickInMenuBar);
// Clicks and keys for the focused window: they can go out in one burst.
bool IsQuick(const Event& e);

// A line of the log: seconds since the start, the event's number, its pause
// and its description, then after " = " what it met (the pixel, the window).
std::string LogLine(double seconds, long number, const Event& e, const std::string& met);
// The event of a log line; nothing for the log's other lines (they start
// with '#').
std::optional<Event> ParseLogLine(const std::string& line);

// The events a run sends, one after the other, for as long as it runs.
class EventSource {
public:
    virtual ~EventSource() = default;
    virtual std::optional<Event> next() = 0;
};

// The seeded stream: SplitMix64, so the same seed gives the same events on
// every machine and compiler.
class SeededEvents : public EventSource {
public:
    explicit SeededEvents(uint64_t seed) : state_(seed) {}
    std::optional<Event> next() override;

private:
    uint64_t bits();
    int below(int n);
    int between(int low, int high) { return low + below(high - low + 1); }
    int pause();
    Event any();
    Event quick();

    uint64_t state_;
    int burstLeft_ = 0;
};

// The events of a log, in its order and with its pauses.
class ReplayedEvents : public EventSource {
public:
    explicit ReplayedEvents(std::istream& log);
    std::optional<Event> next() override;
    size_t size() const { return events_.size(); }
    // The seed the log names in its header, if it does.
    std::optional<uint64_t> seed() const { return seed_; }

private:
    std::vector<Event> events_;
    size_t at_ = 0;
    std::optional<uint64_t> seed_;
};

// Each burst is this many events, all within kBurstSpanMs.
inline constexpr int kBurstLength = 10;
inline constexpr int kBurstStepMs = 5;
inline constexpr int kBurstSpanMs = 50;

} // namespace kolvar::monkey
