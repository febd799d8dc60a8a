#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <tuple>

#include "resources/sounds/wave_file.h"
#include "resources/sounds/wave_synth.h"

namespace tandora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes silence(int channels, int rate, int frames) {
    return writeWave(std::vector<std::int16_t>(channels * frames), channels, rate);
}

void putU32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Guards the writer's header and the duration arithmetic (rounding, channels and rate in the byte rate), a
// reader that expects the data chunk at a fixed offset, and playing damaged or foreign data.
TEST(WaveFile, DurationFollowsRateAndChannelsSkipsOtherChunksAndRejectsDamagedImages) {
    const int rows[][4] = {{2, 44100, 4410, 100}, {2, 22050, 11025, 500}, {1, 44100, 66, 1},
                           {1, 44100, 67, 2},     {1, 44100, 22, 0},      {1, 44100, 23, 1}};
    for (const auto& [channels, rate, frames, ms] : rows) {
        const Bytes wave = silence(channels, rate, frames);
        EXPECT_EQ(wave[4] | wave[5] << 8 | wave[6] << 16, static_cast<int>(wave.size() - 8));
        EXPECT_EQ(waveDurationMs(wave), ms) << channels << " ch " << rate << " Hz " << frames;
    }
    Bytes padded = silence(1, 44100, 4410);
    padded.insert(padded.begin() + 36,
                  {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0}); // odd size, padded
    putU32(padded, 4, static_cast<std::uint32_t>(padded.size() - 8));
    EXPECT_EQ(waveDurationMs(padded), 100);

    const std::pair<const char*, std::function<void(Bytes&)>> damages[] = {
        {"cut in the data", [](Bytes& b) { b.pop_back(); }},
        {"big-endian RIFX", [](Bytes& b) { b[3] = 'X'; }},
        {"float samples", [](Bytes& b) { b[20] = 3; }},
        {"byte rate wrong", [](Bytes& b) { putU32(b, 28, 12345); }},
        {"no data chunk", [](Bytes& b) { b[36] = 'x'; }},
        {"partial sample frame", [](Bytes& b) { b.push_back(0), putU32(b, 40, 883), putU32(b, 4, 919); }}};
    for (const auto& [name, damage] : damages) {
        Bytes wave = silence(1, 44100, 441); // 10 ms
        damage(wave);
        EXPECT_EQ(waveDurationMs(wave), -1) << name;
    }
}

// Guards a sound the device would refuse or misread (header, 16-bit PCM, sizes), one that holds up the game
// too long (the deal plays 3 every 100 ms; the game waits for 9, 11..20), one too loud or too faint, clicks
// at its edges, two numbers wired to one recipe, a sound missing from the list the resource catalogue walks,
// and win sounds out of order (a bigger hand, a longer jingle).
TEST(Sounds, AreDistinctPlayableWavesAndLongerForBiggerWins) {
    EXPECT_EQ(waveNumbers(), (std::vector<int>{1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    constexpr int FullScale = 32767;
    std::vector<Bytes> earlier;
    int previousWinMs = 0;
    for (int n : waveNumbers()) {
        SCOPED_TRACE("wave " + std::to_string(n));
        const Bytes bytes = synthesizeWave(n);
        EXPECT_TRUE(std::find(earlier.begin(), earlier.end(), bytes) == earlier.end()) << "same as another";
        earlier.push_back(bytes);
        const auto wave = parseWave(bytes.data(), bytes.size());
        ASSERT_TRUE(wave.has_value()) << "not a complete PCM WAVE image";
        EXPECT_EQ(wave->dataOffset + wave->dataBytes, bytes.size()) << "nothing may trail the samples";
        EXPECT_EQ(std::tuple(wave->channels, wave->sampleRate, wave->bitsPerSample),
                  std::tuple(1, 44100, 16));

        std::vector<int> level; // absolute sample values
        for (std::size_t at = wave->dataOffset; at + 1 < bytes.size(); at += 2)
            level.push_back(std::abs(static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8)));
        const double ms = 1000.0 * static_cast<double>(level.size()) / wave->channels / wave->sampleRate;
        const int wholeMs = waveDurationMs(bytes);
        ASSERT_GT(ms, 20.0);
        EXPECT_LE(ms, n == 1 ? 1000 : n == 2 ? 200 : n == 3 ? 120 : n == 19 ? 3000 : 1500);
        EXPECT_NEAR(wholeMs, ms, 0.5);
        EXPECT_TRUE(n < 11 || n > 19 || wholeMs > std::exchange(previousWinMs, wholeMs))
            << "a shorter win jingle";

        const int peak = *std::max_element(level.begin(), level.end());
        EXPECT_TRUE(peak <= FullScale * 0.9 && peak >= FullScale * 0.25) << peak; // -1 to -12 dBFS
        const auto edge = static_cast<std::ptrdiff_t>(wave->sampleRate / 1000);   // 1 ms
        EXPECT_LT(*std::max_element(level.begin(), level.begin() + edge), FullScale / 100);
        EXPECT_LT(*std::max_element(level.end() - 2 * edge, level.end()), FullScale / 100);
    }
}

} // namespace
} // namespace tandora
