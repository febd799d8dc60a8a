#include "platform/qt/qt_sound_device.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <gtest/gtest.h>

#include "platform/qt/wave_image.h"
#include "qt_test_app.h"

namespace tandora {
namespace {

QByteArray le(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xff);
    }
    return out;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    return id + le(body.size(), 4) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray fmtChunk(int format, int channels, int rate, int bits) {
    const int align = channels * bits / 8;
    return chunk("fmt ", le(format, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) +
                             le(bits, 2));
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le(chunks.size() + 4, 4) + "WAVE" + chunks;
}

struct WaveCase {
    const char* name;
    QByteArray file;
    bool accepted;
    int sampleBytes;
    int milliseconds;
};

// 8000 Hz mono 16-bit: 16000 bytes a second.
const QByteArray samples(1600, '\x11');

class WaveImageTest : public testing::TestWithParam<WaveCase> {};

// Guards against playing noise from a wave the sink cannot take, and against losing a sound whose
// data follows other chunks or ends early.
TEST_P(WaveImageTest, ParsesOnly16BitPcm) {
    const WaveCase& c = GetParam();
    const std::optional<WaveImage> image = WaveImage::parse(c.file);
    ASSERT_EQ(image.has_value(), c.accepted);
    if (image) {
        EXPECT_EQ(image->samples.size(), c.sampleBytes);
        EXPECT_EQ(image->milliseconds(), c.milliseconds);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WaveImageTest,
    testing::Values(
        WaveCase{"mono16", riff(fmtChunk(1, 1, 8000, 16) + chunk("data", samples)), true, 1600, 100},
        WaveCase{"stereo16", riff(fmtChunk(1, 2, 8000, 16) + chunk("data", samples)), true, 1600, 50},
        WaveCase{"oddChunkFirst",
                 riff(chunk("LIST", "abc") + fmtChunk(1, 1, 8000, 16) + chunk("data", samples)), true, 1600,
                 100},
        WaveCase{"truncatedKeepsWholeFrames",
                 riff(fmtChunk(1, 1, 8000, 16) + "data" + le(1600, 4) + samples.left(801)), true, 800, 50},
        WaveCase{"eightBit", riff(fmtChunk(1, 1, 8000, 8) + chunk("data", samples)), false, 0, 0},
        WaveCase{"float", riff(fmtChunk(3, 1, 8000, 32) + chunk("data", samples)), false, 0, 0},
        WaveCase{"dataBeforeFormat", riff(chunk("data", samples) + fmtChunk(1, 1, 8000, 16)), false, 0, 0},
        WaveCase{"notRiff", QByteArray("RIFX") + riff(QByteArray()).mid(4), false, 0, 0}),
    [](const testing::TestParamInfo<WaveCase>& row) { return std::string(row.param.name); });

// Guards against a machine without sound output blocking or crashing the game on a waited-for sound.
TEST(QtSoundDevice, WithoutAnOutputNothingIsPlayedAndNothingWaits) {
    test::qtApp();
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        GTEST_SKIP() << "this machine has an audio output";
    }
    int asked = 0;
    QtSoundDevice sound([&asked](int) {
        ++asked;
        return riff(fmtChunk(1, 1, 8000, 16) + chunk("data", QByteArray(16000 * 2, '\0')));
    });
    EXPECT_EQ(sound.waveOutGetNumDevs(), 0);
    QElapsedTimer timer;
    timer.start();
    sound.play(9, false);
    sound.play(3, true);
    sound.stop();
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_EQ(asked, 0);
}

} // namespace
} // namespace tandora
