#pragma once

#include "platform/qt/catalogue_sources.h"
#include "platform/sound_device.h"

class QAudioSink;
class QEventLoop;

namespace tandora {

// Plays the numbered waves on the default audio output, one at a time. Every failure means silence.
class QtSoundDevice : public SoundDevice {
public:
    explicit QtSoundDevice(WaveSource waves = catalogueWaves());
    ~QtSoundDevice() override;

    int waveOutGetNumDevs() const override;
    void play(int wave, bool inBackground) override;
    void stop() override;

private:
    void waitForEnd(int milliseconds);

    WaveSource waves_;
    QAudioSink* sink_ = nullptr;
    QEventLoop* waiting_ = nullptr;
};

} // namespace tandora
