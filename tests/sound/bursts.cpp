// Burst detection on raw samples, and reading a wave file's samples.
#include "bursts.h"

#include <QFile>
#include <cstdlib>
#include <cstring>

namespace kolvar::sound {

std::vector<Burst> FindBursts(const std::vector<int16_t>& samples, int rate, int threshold,
                              int gapMs)
{
    std::vector<Burst> bursts;
    const int64_t gap = static_cast<int64_t>(rate) * gapMs / 1000;
    for (int64_t i = 0; i < static_cast<int64_t>(samples.size()); ++i) {
        if (std::abs(samples[i]) <= threshold)
            continue;
        if (!bursts.empty() && i - bursts.back().end < gap)
            bursts.back().end = i + 1;
        else
            bursts.push_back({i, i + 1});
    }
    return bursts;
}

std::vector<int16_t> WaveSamples(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const qsizetype data = bytes.indexOf("data");
    if (data < 0 || bytes.size() < data + 8)
        return {};
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size() - data - 8) / 2);
    std::memcpy(samples.data(), bytes.constData() + data + 8, samples.size() * 2);
    return samples;
}

} // namespace kolvar::sound
