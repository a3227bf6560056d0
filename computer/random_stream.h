// The expert's random numbers: a SplitMix64 stream seeded from the host's
// generator, so that a seeded game plays the same expert moves again, and a
// search that draws thousands of numbers does not call the host for each.
#pragma once

#include "game/host.h"

#include <cstdint>
#include <utility>

namespace kolvar {

class RandomStream {
public:
    explicit RandomStream(uint64_t seed) : state_(seed) {}

    // Seeded from two of the host's values, 0 <= r < 1 each.
    static RandomStream from(Host& host)
    {
        const auto part = [&] { return static_cast<uint64_t>(host.NextRandom() * 0x1.0p32); };
        const uint64_t high = part();
        return RandomStream((high << 32) ^ part());
    }

    uint64_t next()
    {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // 0 .. n - 1, for 1 <= n < 2^32.
    int below(int n) { return static_cast<int>(((next() >> 32) * static_cast<uint64_t>(n)) >> 32); }

    // 0 <= r < 1.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // A Fisher-Yates shuffle of n items, the same on every standard library.
    template <typename T>
    void shuffle(T* items, int n)
    {
        for (int i = n - 1; i > 0; --i)
            std::swap(items[i], items[below(i + 1)]);
    }

private:
    uint64_t state_;
};

} // namespace kolvar
