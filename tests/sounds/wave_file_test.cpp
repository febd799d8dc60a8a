#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "resources/sounds/wave_file.h"

namespace tandora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes silence(int channels, int rate, int frames) {
    return writeWave(std::vector<std::int16_t>(static_cast<std::size_t>(channels * frames), 0), channels,
                     rate);
}

void putU32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Guards the duration arithmetic for each layout: channels and rate both enter the byte rate.
TEST(WaveDuration, FollowsRateAndChannels) {
    struct Row {
        int channels, rate, frames, ms;
    };
    const Row rows[] = {
        {1, 44100, 44100, 1000}, {2, 44100, 4410, 100}, {1, 22050, 11025, 500},
        {2, 22050, 11025, 500},  {1, 44100, 66, 1},     {1, 44100, 67, 2},
        {1, 44100, 0, 0},        {1, 44100, 22, 0},     {1, 44100, 23, 1},
    };
    for (const Row& r : rows) {
        const Bytes wave = silence(r.channels, r.rate, r.frames);
        // The writer's RIFF size field covers the whole image, and the samples follow a 44-byte header.
        EXPECT_EQ(wave[4] | wave[5] << 8 | wave[6] << 16, static_cast<int>(wave.size() - 8));
        const auto image = parseWave(wave.data(), wave.size());
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->dataOffset, 44u);
        EXPECT_EQ(image->dataBytes, static_cast<std::size_t>(r.channels * r.frames * 2));
        EXPECT_EQ(waveDurationMs(wave), r.ms) << r.channels << " ch " << r.rate << " Hz " << r.frames;
    }
}

// Guards a reader that expects the data chunk at a fixed offset: other chunks may come first.
TEST(WaveDuration, SkipsOtherChunksWithPadding) {
    Bytes wave = silence(1, 44100, 4410);
    const Bytes list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0}; // odd size, one pad byte
    wave.insert(wave.begin() + 36, list.begin(), list.end());
    putU32(wave, 4, static_cast<std::uint32_t>(wave.size() - 8));
    EXPECT_EQ(waveDurationMs(wave), 100);
    EXPECT_EQ(parseWave(wave.data(), wave.size())->dataOffset, 44u + list.size());
}

// Guards playing damaged or foreign data as if it were a sound.
TEST(WaveDuration, RejectsDamagedOrForeignImages) {
    struct Row {
        std::string name;
        std::function<void(Bytes&)> damage;
    };
    const Row rows[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"cut in the data", [](Bytes& b) { b.resize(b.size() - 1); }},
        {"data size beyond the file",
         [](Bytes& b) {
             putU32(b, 40, 100000);
             putU32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
         }},
        {"big-endian RIFX", [](Bytes& b) { b[3] = 'X'; }},
        {"float samples", [](Bytes& b) { b[20] = 3; }},
        {"bit depth not whole bytes",
         [](Bytes& b) {
             b[34] = 12; // 12 bits: block align and byte rate agree with it, nothing else does
             b[32] = 1;
             putU32(b, 28, 44100);
         }},
        {"bit depth below a byte",
         [](Bytes& b) {
             b[34] = 4;
             b[32] = 0;
             putU32(b, 28, 0);
         }},
        {"byte rate wrong", [](Bytes& b) { putU32(b, 28, 12345); }},
        {"no channels", [](Bytes& b) { b[22] = 0; }},
        {"no data chunk", [](Bytes& b) { b[36] = 'x'; }},
        {"partial sample frame",
         [](Bytes& b) {
             b.push_back(0);
             putU32(b, 40, static_cast<std::uint32_t>(b.size() - 44));
             putU32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
         }},
    };
    for (const Row& r : rows) {
        Bytes wave = silence(1, 44100, 441);
        ASSERT_EQ(waveDurationMs(wave), 10);
        r.damage(wave);
        EXPECT_EQ(waveDurationMs(wave), -1) << r.name;
    }
}

} // namespace
} // namespace tandora
