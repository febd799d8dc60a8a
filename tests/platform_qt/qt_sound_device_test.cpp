#include "platform/qt/qt_sound_device.h"
#include "platform/qt/quiet_messages.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "resources/sounds/wave_file.h"

namespace tandora {
namespace {

// Guards against a machine without sound output blocking or crashing the game on a waited-for sound.
TEST(QtSoundDevice, WithoutAnOutputNothingIsPlayedAndNothingWaits) {
    test::qtApp();
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        GTEST_SKIP() << "this machine has an audio output";
    }
    int asked = 0;
    QtSoundDevice sound([&asked](int) {
        ++asked;
        const auto image = writeWave(std::vector<std::int16_t>(16000), 1, 8000); // two seconds of silence
        return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
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

// Guards the quiet terminal: the audio back end's complaints about a missing sound server are dropped, and
// nothing else is, not even an audio message that is a real error.
TEST(QuietMessages, DropOnlyTheAudioLibrarysNoise) {
    EXPECT_TRUE(isLibraryNoise(QtWarningMsg, "default", "PulseAudioService: pa_context_connect() failed"));
    EXPECT_TRUE(isLibraryNoise(QtWarningMsg, "qt.multimedia.audio", "no sink"));
    EXPECT_FALSE(isLibraryNoise(QtCriticalMsg, "qt.multimedia.audio", "no sink"));
    EXPECT_FALSE(
        isLibraryNoise(QtWarningMsg, "default", "QPainter::begin: Paint device returned engine == 0"));
    EXPECT_FALSE(isLibraryNoise(QtWarningMsg, nullptr, "Tandora: something else"));
}

} // namespace
} // namespace tandora
