#pragma once

namespace tandora {

// Sound output for the numbered WAVE resources. One sound at a time: a new one cuts off the last.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // 0 when the system has no wave output device.
    virtual int waveOutGetNumDevs() const = 0;
    // In the background it returns at once; otherwise it returns when the sound has ended.
    virtual void play(int wave, bool inBackground) = 0;
    virtual void stop() = 0;
};

} // namespace tandora
