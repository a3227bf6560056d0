// Seeding the random generator from the clock.
#include "platform/random_source.h"

#include <chrono>

namespace kolvar {

void RandomSource::Randomize()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count() ^
                     std::chrono::steady_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<quint32>(now ^ (now >> 32)));
}

} // namespace kolvar
