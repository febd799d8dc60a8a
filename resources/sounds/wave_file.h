#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tandora {

// A complete RIFF/WAVE image of 16-bit PCM samples; samples are interleaved when channels > 1.
std::vector<std::uint8_t> writeWave(const std::vector<std::int16_t>& samples, int channels, int sampleRate);

// Where the samples of a PCM WAVE image lie, and how to play them.
struct PcmWave {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::size_t dataOffset = 0;
    std::size_t dataBytes = 0;
    int milliseconds() const; // rounded
};

// Nothing when the image is not a complete PCM WAVE.
std::optional<PcmWave> parseWave(const std::uint8_t* image, std::size_t size);

// Playing time of a PCM WAVE image in whole milliseconds (rounded), or -1 when the image is not a
// complete PCM WAVE.
int waveDurationMs(const std::vector<std::uint8_t>& wave);

} // namespace tandora
