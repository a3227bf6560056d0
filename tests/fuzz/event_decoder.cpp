// The byte code of the events. The opcode's low four bits choose the event;
// ticks of the timer's own 50 ms take four of the sixteen codes, as ticks are
// what the game sees most between two clicks.
#include "event_decoder.h"

namespace kolvar::fuzz {

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
    const uint8_t op = byte() & 0x0f;
    switch (op) {
    case 0:
    case 1:
    case 2:
    case 3:
        e.kind = EventKind::Tick;
        e.ms = 50;
        break;
    case 4: // up to a few seconds, around the computer's pause of one second
        e.kind = EventKind::Tick;
        e.ms = byte() * 20u;
        break;
    case 5: // any length, wrapping the tick count round
        e.kind = EventKind::Tick;
        e.ms = dword();
        break;
    case 6:
    case 7:
    case 8:
        e.kind = EventKind::ClickCard;
        e.index = byte();
        e.dx = byte();
        e.dy = byte();
        break;
    case 9:
        e.kind = EventKind::ClickStock;
        e.dx = byte();
        e.dy = byte();
        break;
    case 10:
        e.kind = EventKind::ClickAnywhere;
        e.x = word() % 2200 - 100;
        e.y = word() % 1300 - 100;
        break;
    case 11:
        e.kind = EventKind::ClickFarOff;
        e.x = static_cast<int32_t>(dword());
        e.y = static_cast<int32_t>(dword());
        break;
    case 12:
        e.kind = EventKind::SuitButton;
        e.index = byte() % 4;
        break;
    case 13:
        e.kind = EventKind::NewGame;
        e.seed = dword();
        e.index = byte() % 4;
        break;
    case 14:
        e.kind = EventKind::ToggleHumanFirst;
        break;
    default:
        e.kind = EventKind::ToggleSound;
        break;
    }
    return true;
}

std::string Describe(const Event& e)
{
    auto n = [](auto v) { return std::to_string(v); };
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
    }
    return "?";
}

} // namespace kolvar::fuzz
