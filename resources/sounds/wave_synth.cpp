#include "resources/sounds/wave_synth.h"

#include "resources/sounds/sound_recipes.h"

namespace tandora {

namespace {

constexpr int FirstWin = 11;
constexpr int RoyalWin = 19;

synth::Buffer recipeFor(int number) {
    switch (number) {
    case 1: return recipes::creditsArrive();
    case 2: return recipes::softTick();
    case 3: return recipes::cardFlip();
    case 8: return recipes::startUp();
    case 9: return recipes::doubleUpWon();
    case 10: return recipes::doubleUpLost();
    case 20: return recipes::doubleUpTie();
    default:
        if (number >= FirstWin && number <= RoyalWin)
            return recipes::winJingle(number - FirstWin + 1);
        return {};
    }
}

// Sustained or background sounds sit below the -3 dBFS peak of the rest, so they match in loudness.
double peakDbFor(int number) {
    switch (number) {
    case 2: return -9.0;
    case 10: return -6.0;
    default: return -3.0;
    }
}

} // namespace

const std::vector<int>& waveNumbers() {
    static const std::vector<int> numbers{1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    return numbers;
}

std::vector<std::uint8_t> synthesizeWave(int number) {
    synth::Buffer buf = recipeFor(number);
    if (buf.empty())
        return {};
    return writeWave(synth::finish(std::move(buf), peakDbFor(number)), 1, synth::SampleRate);
}

} // namespace tandora
