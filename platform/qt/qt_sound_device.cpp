#include "qt_sound_device.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include "resources/sounds/wave_file.h"

namespace tandora {

namespace {

// Waiting longer than the sound itself covers a device that starts late or never reports the end.
constexpr int SafetyMs = 500;
constexpr int PollMs = 20;

} // namespace

QtSoundDevice::QtSoundDevice(WaveSource waves) : waves_(std::move(waves)) {}

QtSoundDevice::~QtSoundDevice() {
    if (sink_) {
        sink_->stop();
        delete sink_;
    }
}

int QtSoundDevice::waveOutGetNumDevs() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void QtSoundDevice::play(int wave, bool inBackground) {
    if (waveOutGetNumDevs() == 0) {
        return;
    }
    const QByteArray bytes = waves_(wave);
    const auto image = parseWave(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size()));
    // The sink is set up for 16-bit samples; anything else would play as noise.
    if (!image || image->bitsPerSample != 16 || image->dataBytes == 0) {
        return;
    }
    stop();

    QAudioFormat format;
    format.setSampleRate(image->sampleRate);
    format.setChannelCount(image->channels);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return;
    }
    auto* sink = new QAudioSink(device, format);
    auto* buffer = new QBuffer(sink);
    buffer->setData(
        bytes.mid(static_cast<qsizetype>(image->dataOffset), static_cast<qsizetype>(image->dataBytes)));
    buffer->open(QIODevice::ReadOnly);
    sink_ = sink;

    const int length = image->milliseconds();
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink](QAudio::State state) {
        if (state == QAudio::StoppedState && sink_ == sink && waiting_) {
            waiting_->quit();
        }
    });
    // The sink reports idle when it has taken the last samples, not when they have sounded, and not
    // always then; the end is when the device has played it all and the sound's time has passed.
    QElapsedTimer started;
    started.start();
    auto* poll = new QTimer(sink);
    QObject::connect(poll, &QTimer::timeout, sink, [this, sink, length, started] {
        if (sink_ == sink && started.elapsed() >= length && sink->processedUSecs() >= qint64(length) * 1000) {
            stop();
        }
    });
    poll->start(PollMs);
    sink->start(buffer);
    if (!inBackground && sink->state() != QAudio::StoppedState) {
        waitForEnd(length);
    }
}

void QtSoundDevice::waitForEnd(int milliseconds) {
    // Paint and timers go on; the player's input waits until the sound is over.
    QEventLoop loop;
    waiting_ = &loop;
    QTimer::singleShot(milliseconds + SafetyMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    waiting_ = nullptr;
}

void QtSoundDevice::stop() {
    if (waiting_) {
        waiting_->quit();
    }
    if (!sink_) {
        return;
    }
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    sink->stop();
    // Stop may come from the sink's own poll timer; let that unwind first.
    sink->deleteLater();
}

} // namespace tandora
