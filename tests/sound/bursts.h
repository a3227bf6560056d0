// Finding the sounds in a recording: each burst of sound between silences,
// with the sample it starts at and its length.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kolvar::sound {

struct Burst {
    int64_t start = 0; // the first loud sample
    int64_t end = 0;   // one past the last loud sample
    double lengthMs(int rate) const { return 1000.0 * static_cast<double>(end - start) / rate; }
};

// Sound louder than `threshold` (of 32767), with gaps shorter than
// `gapMs` counted as part of the same burst.
std::vector<Burst> FindBursts(const std::vector<int16_t>& samples, int rate, int threshold = 600,
                              int gapMs = 25);

// The samples of a 16-bit mono wave file, or none.
std::vector<int16_t> WaveSamples(const QString& path);

} // namespace kolvar::sound
