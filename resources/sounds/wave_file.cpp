#include "resources/sounds/wave_file.h"

#include <cstring>
#include <optional>

namespace tandora {

namespace {

constexpr std::uint16_t PcmFormat = 1;

void putU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    putU16(out, v & 0xffff);
    putU16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::uint32_t readU16(const std::uint8_t* p) {
    return p[0] | (p[1] << 8);
}

std::uint32_t readU32(const std::uint8_t* p) {
    return readU16(p) | (readU16(p + 2) << 16);
}

bool hasTag(const std::uint8_t* p, const char* tag) {
    return std::memcmp(p, tag, 4) == 0;
}

struct PcmFormatInfo {
    std::uint32_t channels;
    std::uint32_t sampleRate;
    std::uint32_t byteRate;
    std::uint32_t blockAlign;
    std::uint32_t bitsPerSample;
};

// Rejects anything a PCM player could misread: other encodings, odd sample sizes, inconsistent rates.
std::optional<PcmFormatInfo> parseFormat(const std::uint8_t* p, std::uint32_t size) {
    if (size < 16 || readU16(p) != PcmFormat)
        return std::nullopt;
    PcmFormatInfo f{readU16(p + 2), readU32(p + 4), readU32(p + 8), readU16(p + 12), readU16(p + 14)};
    if (f.channels == 0 || f.sampleRate == 0 || f.bitsPerSample == 0 || f.bitsPerSample % 8 != 0 ||
        f.bitsPerSample > 32)
        return std::nullopt;
    if (f.blockAlign != f.channels * f.bitsPerSample / 8 ||
        f.byteRate != static_cast<std::uint64_t>(f.sampleRate) * f.blockAlign)
        return std::nullopt;
    return f;
}

} // namespace

std::vector<std::uint8_t> writeWave(const std::vector<std::int16_t>& samples, int channels, int sampleRate) {
    const auto blockAlign = static_cast<std::uint32_t>(channels) * 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, PcmFormat);
    putU16(out, static_cast<std::uint32_t>(channels));
    putU32(out, static_cast<std::uint32_t>(sampleRate));
    putU32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    putU16(out, blockAlign);
    putU16(out, 16);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (std::int16_t s : samples)
        putU16(out, static_cast<std::uint16_t>(s));
    return out;
}

int PcmWave::milliseconds() const {
    const std::uint64_t byteRate = static_cast<std::uint64_t>(sampleRate) * channels * (bitsPerSample / 8);
    return byteRate == 0 ? 0 : static_cast<int>((dataBytes * 1000 + byteRate / 2) / byteRate);
}

std::optional<PcmWave> parseWave(const std::uint8_t* image, std::size_t size) {
    if (size < 12 || !hasTag(image, "RIFF") || !hasTag(image + 8, "WAVE"))
        return std::nullopt;
    // A RIFF size beyond the bytes present means the image was cut short.
    const std::uint64_t riffEnd = static_cast<std::uint64_t>(readU32(image + 4)) + 8;
    if (riffEnd > size)
        return std::nullopt;

    std::optional<PcmFormatInfo> format;
    std::uint64_t pos = 12;
    while (pos + 8 <= riffEnd) {
        const std::uint8_t* chunk = image + pos;
        const std::uint32_t chunkSize = readU32(chunk + 4);
        if (pos + 8 + chunkSize > riffEnd)
            return std::nullopt;
        if (hasTag(chunk, "fmt ")) {
            format = parseFormat(chunk + 8, chunkSize);
            if (!format)
                return std::nullopt;
        } else if (hasTag(chunk, "data")) {
            // The format must come first; a data chunk of partial sample frames is damaged.
            if (!format || chunkSize % format->blockAlign != 0)
                return std::nullopt;
            return PcmWave{static_cast<int>(format->channels), static_cast<int>(format->sampleRate),
                           static_cast<int>(format->bitsPerSample), static_cast<std::size_t>(pos + 8),
                           chunkSize};
        }
        pos += 8 + chunkSize + (chunkSize & 1);
    }
    return std::nullopt;
}

int waveDurationMs(const std::vector<std::uint8_t>& wave) {
    const auto parsed = parseWave(wave.data(), wave.size());
    return parsed ? parsed->milliseconds() : -1;
}

} // namespace tandora
