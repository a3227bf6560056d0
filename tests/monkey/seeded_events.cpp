// The seeded stream of events: SplitMix64's numbers turned into events by
// weight, with pauses drawn from the same numbers, so that a seed gives the
// same events at the same pace on every machine.
#include "events.h"

#include <array>

namespace kolvar::monkey {
namespace {

// The keys the game answers on its table: moving the selection, laying,
// taking and the suit buttons.
const std::array<const char*, 13> kPlayKeys = {
    "Left", "Right", "Home", "End", "Return", "KP_Enter", "space", "Down", "t", "1", "2", "3", "4"};
// Its menu keys but F2 (a deal has a weight of its own) and what every
// window and message box of the game answers.
const std::array<const char*, 5> kWindowKeys = {"F1", "F3", "F11", "Escape", "Tab"};

} // namespace

uint64_t SeededEvents::bits()
{
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int SeededEvents::below(int n)
{
    return static_cast<int>((bits() >> 11) % static_cast<uint64_t>(n));
}

// Mostly brisk play, often the pause of a player who thinks, now and then
// long enough for the computer's answer and the timer to run.
int SeededEvents::pause()
{
    const int p = below(100);
    if (p < 60)
        return between(20, 200);
    if (p < 92)
        return between(200, 1000);
    return between(1000, 3000);
}

std::optional<Event> SeededEvents::next()
{
    Event e;
    if (burstLeft_ > 0) {
        --burstLeft_;
        e = quick();
        e.delayMs = kBurstStepMs;
        return e;
    }
    if (below(10) == 0) {
        burstLeft_ = kBurstLength - 1;
        e = quick();
    } else {
        e = any();
    }
    e.delayMs = pause();
    return e;
}

// What a burst is made of: clicks on the table and keys for whatever has
// the focus.
Event SeededEvents::quick()
{
    switch (below(6)) {
    case 0:
        return ClickOn(Spot::Hand, below(8));
    case 1:
        return ClickOn(Spot::Stock);
    case 2:
        return ClickOn(Spot::Suit, below(4));
    case 3:
        return ClickAt(Spot::Anywhere, below(1000), below(1000));
    case 4:
        return KeyTo(kPlayKeys[below(int(kPlayKeys.size()))]);
    default:
        return KeyTo(below(8) == 0 ? "F2" : kWindowKeys[below(int(kWindowKeys.size()))]);
    }
}

// One event of any kind, by weight: most of them clicks on the table and
// play keys; exits about one in 170.
Event SeededEvents::any()
{
    int at = below(1000);
    auto take = [&](int weight) {
        at -= weight;
        return at < 0;
    };
    Event e;
    if (take(185))
        e = ClickOn(Spot::Hand, below(8));
    else if (take(80))
        e = ClickOn(Spot::Stock);
    else if (take(70))
        e = ClickOn(Spot::Suit, below(4));
    else if (take(20))
        e = ClickOn(Spot::Pile);
    else if (take(90))
        e = ClickAt(Spot::Anywhere, below(1000), below(1000));
    else if (take(30))
        e = ClickOn(Spot::OptionsBox, 1 + below(2));
    else if (take(20))
        e = ClickOn(Spot::BoxButton);
    else if (take(10))
        e = ClickAt(Spot::Rules, below(1000), below(1000));
    else if (take(180))
        e = KeyTo(kPlayKeys[below(int(kPlayKeys.size()))]);
    else if (take(20))
        e = KeyTo("F2");
    else if (take(85))
        e = KeyTo(kWindowKeys[below(int(kWindowKeys.size()))]);
    else if (take(50)) {
        const std::array<const char*, 8> keys = {"space", "Tab", "Return", "Escape",
                                                 "Left",  "F2",  "1",      "alt+F4"};
        const auto to = static_cast<Recipient>(1 + below(4));
        // Alt+F4 closes an options or rules window or a box, never the table here.
        const int last = to == Recipient::Table ? 7 : 8;
        e = KeyTo(keys[below(last)], to);
    } else if (take(20))
        e = MenuItem("File", "JocNou");
    else if (take(10))
        e = MenuItem("Help", "Despre");
    else if (take(10))
        e = MenuItem("Help", "Reguli");
    else if (take(50))
        e = Plain(Action::Answer);
    else if (take(20)) {
        e = Plain(Action::Resize);
        e.width = between(300, 1920);
        e.height = between(200, 1032);
        e.x = below(400);
        e.y = below(300);
    } else if (take(8))
        e = Plain(Action::Maximize);
    else if (take(8))
        e = Plain(Action::Restore);
    else if (take(6))
        e = Plain(Action::FullScreen);
    else if (take(20))
        e = Plain(Action::Activate);
    else if (take(2))
        e = KeyTo("F4", Recipient::Table);
    else if (take(2))
        e = KeyTo("alt+F4");
    else if (take(2))
        e = MenuItem("File", "Exit");
    else
        e = KeyTo(kPlayKeys[below(int(kPlayKeys.size()))]);
    if (e.action == Action::Click) {
        const int b = below(10);
        e.button = b < 8 ? 1 : b == 8 ? 2 : 3;
        e.twice = below(10) == 0;
    }
    return e;
}

} // namespace kolvar::monkey
