// Byte-level WAV encoding. Every field is written little-endian by hand so the
// output is identical whatever machine renders it.
#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace kolvar::sounds {
namespace {

constexpr std::uint32_t kHeaderSize = 44;
constexpr std::uint16_t bits = 16;
constexpr std::uint16_t mono = 1;
constexpr std::uint16_t pcm = 1;

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::uint16_t get16(const std::vector<std::uint8_t>& in, std::size_t at)
{
    return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

std::uint32_t get32(const std::vector<std::uint8_t>& in, std::size_t at)
{
    return static_cast<std::uint32_t>(in[at]) | (static_cast<std::uint32_t>(in[at + 1]) << 8) |
           (static_cast<std::uint32_t>(in[at + 2]) << 16) |
           (static_cast<std::uint32_t>(in[at + 3]) << 24);
}

bool hasTag(const std::vector<std::uint8_t>& in, std::size_t at, const char (&tag)[5])
{
    return std::equal(tag, tag + 4, in.begin() + static_cast<std::ptrdiff_t>(at));
}

std::int16_t toPcm(double x)
{
    // Symmetric range so a full-scale negative peak cannot exceed the positive one.
    const double scaled = std::clamp(std::round(x * 32767.0), -32767.0, 32767.0);
    return static_cast<std::int16_t>(scaled);
}

} // namespace

std::vector<std::uint8_t> encodeWave(const std::vector<double>& samples, std::uint32_t sampleRate)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * (bits / 8));
    const std::uint16_t blockAlign = mono * (bits / 8);

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + dataBytes);
    putTag(out, "RIFF");
    put32(out, kHeaderSize - 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16); // size of the PCM format chunk
    put16(out, pcm);
    put16(out, mono);
    put32(out, sampleRate);
    put32(out, sampleRate * blockAlign); // byte rate
    put16(out, blockAlign);
    put16(out, bits);
    putTag(out, "data");
    put32(out, dataBytes);
    for (double s : samples)
        put16(out, static_cast<std::uint16_t>(toPcm(s)));
    return out;
}

std::optional<WaveInfo> decodeWave(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < kHeaderSize || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE") ||
        !hasTag(bytes, 12, "fmt ") || get32(bytes, 16) != 16 || !hasTag(bytes, 36, "data"))
        return std::nullopt;

    const std::uint32_t dataBytes = get32(bytes, 40);
    if (get32(bytes, 4) != bytes.size() - 8 || dataBytes != bytes.size() - kHeaderSize)
        return std::nullopt;

    WaveInfo info;
    info.format = get16(bytes, 20);
    info.channels = get16(bytes, 22);
    info.sampleRate = get32(bytes, 24);
    info.bitsPerSample = get16(bytes, 34);
    const std::uint16_t blockAlign = get16(bytes, 32);
    if (info.bitsPerSample != bits || blockAlign != info.channels * (bits / 8) ||
        get32(bytes, 28) != info.sampleRate * blockAlign || dataBytes % 2 != 0)
        return std::nullopt;

    info.samples.reserve(dataBytes / 2);
    for (std::size_t at = kHeaderSize; at < bytes.size(); at += 2)
        info.samples.push_back(static_cast<std::int16_t>(get16(bytes, at)));
    return info;
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace kolvar::sounds
