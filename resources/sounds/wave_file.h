#pragma once

#include <cstdint>
#include <vector>

namespace tandora {

// A complete RIFF/WAVE image of 16-bit PCM samples; samples are interleaved when channels > 1.
std::vector<std::uint8_t> writeWave(const std::vector<std::int16_t>& samples, int channels, int sampleRate);

// Playing time of a PCM WAVE image in whole milliseconds (rounded), or -1 when the image is not a
// complete PCM WAVE.
int waveDurationMs(const std::vector<std::uint8_t>& wave);

} // namespace tandora
