// Byte-level WAV encoding. Every field is written little-endian by hand so the
// output is identical whatever machine renders it.
#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace kolvar::sounds
{
namespace
{

constexpr std::uint32_t header_size = 44;
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

void put_tag(std::vector<std::uint8_t>& out, const char (&tag)[5])
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

bool has_tag(const std::vector<std::uint8_t>& in, std::size_t at, const char (&tag)[5])
{
    return std::equal(tag, tag + 4, in.begin() + static_cast<std::ptrdiff_t>(at));
}

std::int16_t to_pcm(double x)
{
    // Symmetric range so a full-scale negative peak cannot exceed the positive one.
    const double scaled = std::clamp(std::round(x * 32767.0), -32767.0, 32767.0);
    return static_cast<std::int16_t>(scaled);
}

} // namespace

std::vector<std::uint8_t> encode_wave(const std::vector<double>& samples, std::uint32_t sample_rate)
{
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * (bits / 8));
    const std::uint16_t block_align = mono * (bits / 8);

    std::vector<std::uint8_t> out;
    out.reserve(header_size + data_bytes);
    put_tag(out, "RIFF");
    put32(out, header_size - 8 + data_bytes);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put32(out, 16); // size of the PCM format chunk
    put16(out, pcm);
    put16(out, mono);
    put32(out, sample_rate);
    put32(out, sample_rate * block_align); // byte rate
    put16(out, block_align);
    put16(out, bits);
    put_tag(out, "data");
    put32(out, data_bytes);
    for (double s : samples)
        put16(out, static_cast<std::uint16_t>(to_pcm(s)));
    return out;
}

std::optional<WaveInfo> decode_wave(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < header_size || !has_tag(bytes, 0, "RIFF") || !has_tag(bytes, 8, "WAVE") ||
        !has_tag(bytes, 12, "fmt ") || get32(bytes, 16) != 16 || !has_tag(bytes, 36, "data"))
        return std::nullopt;

    const std::uint32_t data_bytes = get32(bytes, 40);
    if (get32(bytes, 4) != bytes.size() - 8 || data_bytes != bytes.size() - header_size)
        return std::nullopt;

    WaveInfo info;
    info.format = get16(bytes, 20);
    info.channels = get16(bytes, 22);
    info.sample_rate = get32(bytes, 24);
    info.bits_per_sample = get16(bytes, 34);
    const std::uint16_t block_align = get16(bytes, 32);
    if (info.bits_per_sample != bits || block_align != info.channels * (bits / 8) ||
        get32(bytes, 28) != info.sample_rate * block_align || data_bytes % 2 != 0)
        return std::nullopt;

    info.samples.reserve(data_bytes / 2);
    for (std::size_t at = header_size; at < bytes.size(); at += 2)
        info.samples.push_back(static_cast<std::int16_t>(get16(bytes, at)));
    return info;
}

bool write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

std::vector<std::uint8_t> read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace kolvar::sounds
