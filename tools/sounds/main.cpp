// kolvar-sounds OUTPUT_DIR
//
// Renders the game's four sound cues and writes them as WAV files into
// OUTPUT_DIR. Before a file is written, the cue is checked against the limits
// the game relies on (length, headroom below full scale, no DC offset, silent
// first and last samples, small file); the written file is then read back and
// its header and samples verified. Any failure is reported and the program
// exits non-zero, so a broken cue never silently replaces a good one.
#include "cue_synthesis.h"
#include "wave_file.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace kolvar::sounds;

constexpr double kMaxPeak = 0.891; // -1 dBFS
constexpr double kMaxDc = 0.002;
constexpr double kMaxEdge = 0.001;
constexpr std::size_t kMaxFileBytes = 60 * 1024;

bool fail(const Cue& cue, const std::string& why)
{
    std::fprintf(stderr, "kolvar-sounds: %s: %s\n", std::string(cue.fileName).c_str(), why.c_str());
    return false;
}

bool checkSignal(const Cue& cue, const Signal& s)
{
    const double seconds = static_cast<double>(s.size()) / kSampleRate;
    if (seconds < cue.minSeconds || seconds > cue.maxSeconds)
        return fail(cue, "length " + std::to_string(seconds) + " s out of range");
    for (double x : s)
        if (!std::isfinite(x))
            return fail(cue, "non-finite sample");
    if (peakOf(s) > kMaxPeak)
        return fail(cue, "peak above -1 dBFS");
    if (std::abs(meanOf(s)) > kMaxDc)
        return fail(cue, "DC offset " + std::to_string(meanOf(s)));
    if (std::abs(s.front()) > kMaxEdge || std::abs(s.back()) > kMaxEdge)
        return fail(cue, "does not start and end in silence");
    return true;
}

bool checkFile(const Cue& cue, const std::filesystem::path& path,
               const std::vector<std::uint8_t>& expected)
{
    const std::vector<std::uint8_t> bytes = readFile(path);
    if (bytes != expected)
        return fail(cue, "file on disk differs from what was rendered");
    const auto info = decodeWave(bytes);
    if (!info)
        return fail(cue, "not a canonical 44-byte-header WAVE file");
    if (info->format != 1 || info->channels != 1 || info->bitsPerSample != 16 ||
        info->sampleRate != static_cast<std::uint32_t>(kSampleRate))
        return fail(cue, "not 44100 Hz 16-bit mono PCM");
    return true;
}

// Renders, checks, writes and reads back one cue; false, with the reason on
// standard error, if any step fails.
bool writeCue(const Cue& cue, const std::filesystem::path& dir)
{
    const Signal s = cue.render();
    if (!checkSignal(cue, s))
        return false;
    const std::vector<std::uint8_t> bytes = encodeWave(s, static_cast<std::uint32_t>(kSampleRate));
    if (bytes.size() > kMaxFileBytes)
        return fail(cue, "file larger than 60 KB");
    const std::filesystem::path path = dir / cue.fileName;
    if (!writeFile(path, bytes))
        return fail(cue, "cannot write " + path.string());
    if (!checkFile(cue, path, bytes))
        return false;
    std::printf("%-11s %5.0f ms  peak %5.2f dBFS  %6zu bytes\n", std::string(cue.fileName).c_str(),
                1000.0 * static_cast<double>(s.size()) / kSampleRate, 20.0 * std::log10(peakOf(s)),
                bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kolvar-sounds OUTPUT_DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "kolvar-sounds: cannot create %s: %s\n", dir.c_str(),
                     ec.message().c_str());
        return 1;
    }
    bool ok = true;
    for (const Cue& cue : allCues())
        ok = writeCue(cue, dir) && ok;
    return ok ? 0 : 1;
}
