// The event loop of one input.
#include "run_input.h"

#include "event_decoder.h"
#include "event_player.h"

#include "game/notation.h"

namespace kolvar::fuzz {

std::string RunInput(const uint8_t* data, size_t size)
{
    EventDecoder decoder(data, size);
    EventPlayer player(decoder);
    if (auto e = player.check(); !e.empty())
        return "at the start: " + e + "\n  " + FormatTable(player.table());
    Event event;
    for (int n = 0; decoder.next(event); ++n) {
        player.apply(event);
        if (auto e = player.check(); !e.empty())
            return "event " + std::to_string(n) + " (" + Describe(event) + "): " + e + "\n  " +
                   FormatTable(player.table());
    }
    return {};
}

} // namespace kolvar::fuzz
