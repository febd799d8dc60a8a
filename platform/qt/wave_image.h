#pragma once

#include <QByteArray>
#include <optional>

namespace tandora {

// The samples of a RIFF/WAVE image of 16-bit PCM; anything else is refused.
struct WaveImage {
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples;

    static std::optional<WaveImage> parse(const QByteArray& file);

    int milliseconds() const;
};

} // namespace tandora
