#include "wave_image.h"

#include <algorithm>
#include <cstdint>

namespace tandora {

namespace {

std::uint32_t le32(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t le16(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

} // namespace

std::optional<WaveImage> WaveImage::parse(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    WaveImage wave;
    bool haveFormat = false;
    int blockAlign = 0;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = le32(file, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > file.size()) {
                return std::nullopt;
            }
            const int format = le16(file, body);
            wave.channels = le16(file, body + 2);
            wave.sampleRate = static_cast<int>(le32(file, body + 4));
            blockAlign = le16(file, body + 12);
            const int bits = le16(file, body + 14);
            if (format != 1 || bits != 16 || wave.channels < 1 || wave.sampleRate <= 0 ||
                blockAlign != 2 * wave.channels) {
                return std::nullopt;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                return std::nullopt;
            }
            // A short file keeps the whole frames it has.
            qsizetype length = std::min<qsizetype>(size, file.size() - body);
            length -= length % blockAlign;
            wave.samples = file.mid(body, length);
            return wave;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

int WaveImage::milliseconds() const {
    const qint64 bytesPerSecond = static_cast<qint64>(sampleRate) * channels * 2;
    return bytesPerSecond > 0 ? static_cast<int>(samples.size() * 1000 / bytesPerSecond) : 0;
}

} // namespace tandora
