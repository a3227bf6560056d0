// The byte code of the events. The opcode's low five bits choose the event
// from the table below, the high three are ignored. Ticks take ten of the
// thirty-two codes, as ticks are what the game sees most between two clicks;
// two of them wait out the computer's pause at once, and the moves the game
// offers take eight, so that short inputs already play whole games.
#include "event_decoder.h"

#include "game/timing.h"

#include <array>

namespace kolvar::fuzz {
namespace {

enum class Op : uint8_t {
    Tick50,    // one tick at the timer's own pace
    TickShort, // up to a few seconds, around the computer's pause
    TickAny,   // any length, wrapping the tick count round
    TickPause, // just past the computer's pause: its move comes now
    ClickCard,
    ClickStock,
    ClickAnywhere,
    ClickFarOff,
    SuitButton,
    NewGame,
    ToggleHumanFirst,
    ToggleSound,
    PlayKey,
    LayLegal,
    Take,
};

constexpr std::array<Op, 32> kOpcodes = {
    Op::Tick50,      Op::Tick50,        Op::Tick50,
    Op::Tick50, // 0x00
    Op::Tick50,      Op::Tick50,        Op::TickShort,
    Op::TickAny, // 0x04
    Op::TickPause,   Op::TickPause,     Op::ClickCard,
    Op::ClickCard, // 0x08
    Op::ClickStock,  Op::ClickAnywhere, Op::ClickFarOff,
    Op::SuitButton, // 0x0c
    Op::SuitButton,  Op::NewGame,       Op::ToggleHumanFirst,
    Op::ToggleSound, // 0x10
    Op::PlayKey,     Op::PlayKey,       Op::PlayKey,
    Op::PlayKey, // 0x14
    Op::LayLegal,    Op::LayLegal,      Op::LayLegal,
    Op::LayLegal, // 0x18
    Op::LayLegal,    Op::Take,          Op::Take,
    Op::LayLegal, // 0x1c
};

} // namespace

uint16_t EventDecoder::word()
{
    const uint16_t lo = byte();
    return static_cast<uint16_t>(lo | byte() << 8);
}

uint32_t EventDecoder::dword()
{
    const uint32_t lo = word();
    return lo | static_cast<uint32_t>(word()) << 16;
}

bool EventDecoder::next(Event& e)
{
    if (atEnd())
        return false;
    e = Event{};
    switch (kOpcodes[byte() & 0x1f]) {
    case Op::Tick50:
        e.kind = EventKind::Tick;
        e.ms = kTimerIntervalMs;
        break;
    case Op::TickShort:
        e.kind = EventKind::Tick;
        e.ms = byte() * 20u;
        break;
    case Op::TickAny:
        e.kind = EventKind::Tick;
        e.ms = dword();
        break;
    case Op::TickPause:
        e.kind = EventKind::Tick;
        e.ms = kComputerPauseMs + 1;
        break;
    case Op::ClickCard:
        e.kind = EventKind::ClickCard;
        e.index = byte();
        e.dx = byte();
        e.dy = byte();
        break;
    case Op::ClickStock:
        e.kind = EventKind::ClickStock;
        e.dx = byte();
        e.dy = byte();
        break;
    case Op::ClickAnywhere:
        e.kind = EventKind::ClickAnywhere;
        e.x = word() % 2200 - 100;
        e.y = word() % 1300 - 100;
        break;
    case Op::ClickFarOff:
        e.kind = EventKind::ClickFarOff;
        e.x = static_cast<int32_t>(dword());
        e.y = static_cast<int32_t>(dword());
        break;
    case Op::SuitButton:
        e.kind = EventKind::SuitButton;
        e.index = byte() % 4;
        break;
    case Op::NewGame:
        e.kind = EventKind::NewGame;
        e.seed = dword();
        e.index = byte() % 4;
        break;
    case Op::ToggleHumanFirst:
        e.kind = EventKind::ToggleHumanFirst;
        break;
    case Op::ToggleSound:
        e.kind = EventKind::ToggleSound;
        break;
    case Op::PlayKey: {
        const uint8_t b = byte();
        e.kind = EventKind::PlayKey;
        e.index = b % kTableKeys;
        e.suit = b / kTableKeys % 4;
        break;
    }
    case Op::LayLegal: {
        const uint8_t b = byte();
        e.kind = EventKind::LayLegal;
        e.index = b >> 1;
        e.byKeys = (b & 1) != 0;
        break;
    }
    case Op::Take:
        e.kind = EventKind::Take;
        e.byKeys = (byte() & 1) != 0;
        break;
    }
    return true;
}

std::string Describe(const Event& e)
{
    static constexpr const char* kKeyNames[kTableKeys] = {"Left",  "Right", "Home", "End",
                                                          "Enter", "T",     "digit"};
    auto n = [](auto v) { return std::to_string(v); };
    const std::string by = e.byKeys ? " by keys" : " by mouse";
    switch (e.kind) {
    case EventKind::Tick:
        return "tick after " + n(e.ms) + " ms";
    case EventKind::ClickCard:
        return "click on card " + n(e.index) + " at " + n(e.dx - kOffsetBefore) + "," +
               n(e.dy - kOffsetBefore);
    case EventKind::ClickStock:
        return "click on the stock at " + n(e.dx - kOffsetBefore) + "," + n(e.dy - kOffsetBefore);
    case EventKind::ClickAnywhere:
    case EventKind::ClickFarOff:
        return "click at " + n(e.x) + "," + n(e.y);
    case EventKind::SuitButton:
        return "suit button " + n(e.index);
    case EventKind::NewGame:
        return "new game, seed " + n(e.seed) + ", randoms of kind " + n(e.index);
    case EventKind::ToggleHumanFirst:
        return "switch who opens";
    case EventKind::ToggleSound:
        return "switch the sounds";
    case EventKind::PlayKey:
        return std::string("key ") + kKeyNames[e.index % kTableKeys] +
               (e.index == kTableKeys - 1 ? " " + n(e.suit + 1) : "");
    case EventKind::LayLegal:
        return "lay the card the rules admit number " + n(e.index) + " counted round" + by +
               " (the stock if none)";
    case EventKind::Take:
        return "take" + by;
    }
    return "?";
}

} // namespace kolvar::fuzz
