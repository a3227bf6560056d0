// Writing and reading back the game's sound files: 16-bit signed PCM, mono,
// with the canonical 44-byte RIFF/WAVE header, the plain form that every
// sound player reads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace kolvar::sounds {

// The header fields that matter when checking a file we wrote.
struct WaveInfo {
    std::uint16_t format = 0; // 1 = integer PCM
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

// Converts samples in [-1, 1] to 16-bit PCM (rounded, clamped) and wraps them
// in a complete WAVE file image.
std::vector<std::uint8_t> encodeWave(const std::vector<double>& samples, std::uint32_t sampleRate);

// Parses a file image produced by encodeWave; nullopt if the canonical
// 44-byte layout or its sizes do not hold.
std::optional<WaveInfo> decodeWave(const std::vector<std::uint8_t>& bytes);

// Writes the bytes to disk; false if the file could not be written completely.
bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Reads a whole file; empty if it could not be read.
std::vector<std::uint8_t> readFile(const std::filesystem::path& path);

} // namespace kolvar::sounds
