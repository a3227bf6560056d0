// Seeded random numbers for the tests and benchmarks: SplitMix64, written
// out here so that a seeded run deals and plays the very same games with
// every compiler and standard library, and the signature line stays
// comparable between them.
#pragma once

#include <cstdint>

namespace kolvar::testing {

class SplitMix {
public:
    explicit SplitMix(uint64_t seed) : state_(seed) {}

    uint64_t next()
    {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // 0 <= r < 1, from the top 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // 0 .. n - 1 for n >= 1.
    int below(int n) { return static_cast<int>(((next() >> 32) * static_cast<uint64_t>(n)) >> 32); }

private:
    uint64_t state_;
};

} // namespace kolvar::testing
