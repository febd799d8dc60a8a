#pragma once

#include <cstdint>
#include <vector>

#include "resources/sounds/wave_file.h"

// The game's sound effects, synthesized on demand. Every image is 16-bit PCM, mono, 44100 Hz,
// peaking at or below -3 dBFS, and byte-for-byte the same on every call.
namespace tandora {

// The sound numbers the game knows: 1, 2, 3 and 8 to 20, ascending.
const std::vector<int>& waveNumbers();

// The complete RIFF/WAVE image of one sound, or an empty image for an unknown number.
std::vector<std::uint8_t> synthesizeWave(int number);

} // namespace tandora
