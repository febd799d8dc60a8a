#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

// Reads a WAVE image chunk by chunk, apart from the library's own reader, so the two check each other.
namespace tandora::test {

struct WaveImage {
    std::uint32_t riffSize = 0;
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataSize = 0;
    std::vector<std::int16_t> samples; // 16-bit images only
};

inline std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return v;
}

inline bool tagAt(const std::vector<std::uint8_t>& b, std::size_t at, const char* tag) {
    return b.size() >= at + 4 && std::memcmp(b.data() + at, tag, 4) == 0;
}

inline std::optional<WaveImage> readWaveImage(const std::vector<std::uint8_t>& b) {
    if (!tagAt(b, 0, "RIFF") || !tagAt(b, 8, "WAVE"))
        return std::nullopt;
    WaveImage w;
    w.riffSize = le(b, 4, 4);
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = le(b, at + 4, 4);
        if (tagAt(b, at, "fmt ") && size >= 16) {
            w.format = static_cast<std::uint16_t>(le(b, at + 8, 2));
            w.channels = static_cast<std::uint16_t>(le(b, at + 10, 2));
            w.sampleRate = le(b, at + 12, 4);
            w.byteRate = le(b, at + 16, 4);
            w.blockAlign = static_cast<std::uint16_t>(le(b, at + 20, 2));
            w.bitsPerSample = static_cast<std::uint16_t>(le(b, at + 22, 2));
            haveFormat = true;
        } else if (tagAt(b, at, "data")) {
            if (!haveFormat || at + 8 + size > b.size())
                return std::nullopt;
            w.dataSize = size;
            if (w.bitsPerSample == 16)
                for (std::size_t i = at + 8; i + 1 < at + 8 + size; i += 2)
                    w.samples.push_back(static_cast<std::int16_t>(le(b, i, 2)));
            return w;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace tandora::test
