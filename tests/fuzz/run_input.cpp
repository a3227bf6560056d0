// The event loop of one input.
#include "run_input.h"

#include "event_decoder.h"
#include "session.h"

#include "game/notation.h"

namespace kolvar::fuzz {

std::string RunInput(const uint8_t* data, size_t size)
{
    EventDecoder decoder(data, size);
    Session session(decoder);
    if (auto e = session.check(); !e.empty())
        return "at the start: " + e + "\n  " + FormatTable(session.table());
    Event event;
    for (int n = 0; decoder.next(event); ++n) {
        session.apply(event);
        if (auto e = session.check(); !e.empty())
            return "event " + std::to_string(n) + " (" + Describe(event) + "): " + e + "\n  " +
                   FormatTable(session.table());
    }
    return {};
}

} // namespace kolvar::fuzz
