// Plays one input from start to end and checks the table after every event.
// The fuzzer and the regression runner share it, so an input that fails in
// one fails the same way in the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kolvar::fuzz {

// Empty when every event left the table sound; otherwise the event's number
// and what it was, the rule broken, and the table in one line.
std::string RunInput(const uint8_t* data, size_t size);

} // namespace kolvar::fuzz
