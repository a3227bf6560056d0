// kolvar-sounds OUTPUT_DIR
//
// Renders the game's four sound cues and writes them as WAV files into
// OUTPUT_DIR. Before a file is written, the cue is checked against the limits
// the game relies on (length, headroom below full scale, no DC offset, silent
// first and last samples, small file); the written file is then read back and
// its header and samples verified. Any failure is reported and the program
// exits non-zero, so a broken cue never silently replaces a good one.
#include "cues.h"
#include "wave_file.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace
{

using namespace kolvar::sounds;

constexpr double max_peak = 0.891; // -1 dBFS
constexpr double max_dc = 0.002;
constexpr double max_edge = 0.001;
constexpr std::size_t max_file_bytes = 60 * 1024;

bool fail(const Cue& cue, const std::string& why)
{
    std::fprintf(stderr, "kolvar-sounds: %s: %s\n", cue.file_name, why.c_str());
    return false;
}

bool check_signal(const Cue& cue, const Signal& s)
{
    const double seconds = static_cast<double>(s.size()) / sample_rate;
    if (seconds < cue.min_seconds || seconds > cue.max_seconds)
        return fail(cue, "length " + std::to_string(seconds) + " s out of range");
    for (double x : s)
        if (!std::isfinite(x)) return fail(cue, "non-finite sample");
    if (peak_of(s) > max_peak) return fail(cue, "peak above -1 dBFS");
    if (std::abs(mean_of(s)) > max_dc) return fail(cue, "DC offset " + std::to_string(mean_of(s)));
    if (std::abs(s.front()) > max_edge || std::abs(s.back()) > max_edge)
        return fail(cue, "does not start and end in silence");
    return true;
}

bool check_file(const Cue& cue, const std::filesystem::path& path,
                const std::vector<std::uint8_t>& expected)
{
    const std::vector<std::uint8_t> bytes = read_file(path);
    if (bytes != expected) return fail(cue, "file on disk differs from what was rendered");
    const auto info = decode_wave(bytes);
    if (!info) return fail(cue, "not a canonical 44-byte-header WAVE file");
    if (info->format != 1 || info->channels != 1 || info->bits_per_sample != 16 ||
        info->sample_rate != static_cast<std::uint32_t>(sample_rate))
        return fail(cue, "not 44100 Hz 16-bit mono PCM");
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
    for (const Cue& cue : all_cues()) {
        const Signal s = cue.render();
        if (!check_signal(cue, s)) {
            ok = false;
            continue;
        }
        const std::vector<std::uint8_t> bytes =
            encode_wave(s, static_cast<std::uint32_t>(sample_rate));
        if (bytes.size() > max_file_bytes) {
            ok = fail(cue, "file larger than 60 KB");
            continue;
        }
        const std::filesystem::path path = dir / cue.file_name;
        if (!write_file(path, bytes)) {
            ok = fail(cue, "cannot write " + path.string());
            continue;
        }
        if (!check_file(cue, path, bytes)) {
            ok = false;
            continue;
        }
        std::printf("%-11s %5.0f ms  peak %5.2f dBFS  %6zu bytes\n", cue.file_name,
                    1000.0 * static_cast<double>(s.size()) / sample_rate,
                    20.0 * std::log10(peak_of(s)), bytes.size());
    }
    return ok ? 0 : 1;
}
