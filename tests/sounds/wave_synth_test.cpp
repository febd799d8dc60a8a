#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "resources/sounds/wave_file.h"
#include "resources/sounds/wave_synth.h"

namespace tandora {
namespace {

struct SoundRow {
    int number;
    int maxMs; // the deal plays 3 every 100 ms; the game waits for 9, 11..20
};

const SoundRow soundRows[] = {
    {1, 1000},  {2, 200},   {3, 120},   {8, 1500},  {9, 1500},  {10, 1500}, {11, 1500}, {12, 1500},
    {13, 1500}, {14, 1500}, {15, 1500}, {16, 1500}, {17, 1500}, {18, 1500}, {19, 3000}, {20, 1500},
};

void PrintTo(const SoundRow& r, std::ostream* os) {
    *os << "wave " << r.number << " max " << r.maxMs << " ms";
}

constexpr int FullScale = 32767;

class Sound : public ::testing::TestWithParam<SoundRow> {
protected:
    void SetUp() override {
        bytes = synthesizeWave(GetParam().number);
        const auto parsed = parseWave(bytes.data(), bytes.size());
        ASSERT_TRUE(parsed.has_value()) << "not a complete PCM WAVE image";
        wave = *parsed;
        for (std::size_t at = wave.dataOffset; at + 1 < wave.dataOffset + wave.dataBytes; at += 2)
            samples.push_back(static_cast<std::int16_t>(bytes[at] | (bytes[at + 1] << 8)));
    }
    int peakOf(std::size_t from, std::size_t count) const {
        int peak = 0;
        for (std::size_t i = from; i < std::min(samples.size(), from + count); ++i)
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        return peak;
    }
    std::size_t samplesIn(double ms) const { return static_cast<std::size_t>(ms * wave.sampleRate / 1000); }

    std::vector<std::uint8_t> bytes;
    PcmWave wave;
    std::vector<std::int16_t> samples;
};

// Guards a sound the device would refuse or misread (header, PCM, sizes), one that holds up the game too
// long, clipping or a sound too faint to hear, clicks at its edges, and a generator drifting into noise.
TEST_P(Sound, IsAPlayableWave) {
    EXPECT_EQ(wave.dataOffset + wave.dataBytes, bytes.size()) << "nothing may trail the samples";
    EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
    EXPECT_TRUE(wave.sampleRate == 44100 || wave.sampleRate == 22050);
    EXPECT_EQ(wave.bitsPerSample, 16) << "the sound device plays 16-bit samples only";

    const double ms = 1000.0 * static_cast<double>(samples.size()) / wave.channels / wave.sampleRate;
    EXPECT_GT(ms, 20.0);
    EXPECT_LE(ms, GetParam().maxMs);
    EXPECT_NEAR(waveDurationMs(bytes), ms, 0.5);

    int run = 0;
    int longestRun = 0;
    for (std::int16_t s : samples) {
        run = std::abs(static_cast<int>(s)) >= FullScale - 700 ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    EXPECT_LT(longestRun, 3);
    const int peak = peakOf(0, samples.size());
    EXPECT_LE(peak, FullScale * 0.9);  // -1 dBFS
    EXPECT_GE(peak, FullScale * 0.25); // -12 dBFS

    EXPECT_LT(peakOf(0, samplesIn(1.0)), FullScale / 100);
    EXPECT_LT(peakOf(samples.size() - samplesIn(2.0), samplesIn(2.0)), FullScale / 100);
    EXPECT_EQ(synthesizeWave(GetParam().number), bytes);
}

INSTANTIATE_TEST_SUITE_P(EveryNumber, Sound, ::testing::ValuesIn(soundRows),
                         [](const ::testing::TestParamInfo<SoundRow>& row) {
                             return "Wave" + std::to_string(row.param.number);
                         });

// Guards a sound missing from the list the resource catalogue walks, and two numbers wired to one recipe.
TEST(WaveNumbers, ListEverySoundOnce) {
    std::vector<int> expected;
    for (const SoundRow& r : soundRows)
        expected.push_back(r.number);
    EXPECT_EQ(waveNumbers(), expected);
    std::vector<std::vector<std::uint8_t>> images;
    for (int n : waveNumbers())
        images.push_back(synthesizeWave(n));
    for (std::size_t a = 0; a < images.size(); ++a)
        for (std::size_t b = a + 1; b < images.size(); ++b)
            EXPECT_NE(images[a], images[b]) << waveNumbers()[a] << " and " << waveNumbers()[b];
}

// Guards the win sounds out of order: a bigger hand never gets a shorter jingle.
TEST(WinSounds, LengthenWithTheHand) {
    int previous = 0;
    for (int n = 11; n <= 19; ++n) {
        const int ms = waveDurationMs(synthesizeWave(n));
        EXPECT_GT(ms, previous) << "sound " << n;
        previous = ms;
    }
}

} // namespace
} // namespace tandora
