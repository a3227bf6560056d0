// One ping at a time, each with a stamp of its own, so that a late answer to
// an earlier ping does not count for the one now waiting.
#include "liveness.h"

#include <algorithm>

namespace kolvar::monkey {

Liveness::Liveness(XClient& x, unsigned long window, int boundMs, int intervalMs)
    : x_(x), window_(window), boundMs_(boundMs), intervalMs_(intervalMs)
{
}

bool Liveness::poll(Clock::time_point now)
{
    const std::vector<uint32_t> stamps = x_.pongs(window_);
    if (waiting_ && std::find(stamps.begin(), stamps.end(), stamp_) != stamps.end()) {
        waiting_ = false;
        lastAnswer_ = now;
        ++answered_;
    }
    if (!waiting_ && now - lastAnswer_ >= std::chrono::milliseconds(intervalMs_)) {
        // Stamps of our own, away from the server times a window manager uses.
        stamp_ = 0x4B000000u + static_cast<uint32_t>(answered_ + 1);
        x_.ping(window_, stamp_);
        waiting_ = true;
        sent_ = now;
    }
    return waitingMs(now) <= boundMs_;
}

int Liveness::waitingMs(Clock::time_point now) const
{
    if (!waiting_)
        return 0;
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now - sent_).count());
}

} // namespace kolvar::monkey
