#include "resources/sounds/synth_blocks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tandora::synth {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

double raisedCosine(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

std::size_t sampleIndex(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * SampleRate)));
}

// Second-order section (RBJ cookbook), transposed direct form II.
class Biquad {
public:
    static Biquad lowpass(double hz) { return make(hz, false); }
    static Biquad highpass(double hz) { return make(hz, true); }

    float process(float x) {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return static_cast<float>(y);
    }

private:
    static Biquad make(double hz, bool high) {
        const double w = TwoPi * std::min(hz, 0.45 * SampleRate) / SampleRate;
        constexpr double Q = std::numbers::sqrt2 / 2.0; // Butterworth: no resonant peak
        const double alpha = std::sin(w) / (2.0 * Q);
        const double c = std::cos(w);
        const double a0 = 1.0 + alpha;
        Biquad f;
        f.b1_ = (high ? -(1.0 + c) : (1.0 - c)) / a0;
        f.b0_ = f.b2_ = (high ? (1.0 + c) : (1.0 - c)) / 2.0 / a0;
        f.a1_ = -2.0 * c / a0;
        f.a2_ = (1.0 - alpha) / a0;
        return f;
    }

    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double z1_ = 0, z2_ = 0;
};

// Feedback comb with a one-pole damper in the loop: high notes fade first, as in a real room.
class DampedComb {
public:
    DampedComb(std::size_t delay, float feedback) : line_(delay, 0.0f), feedback_(feedback) {}
    float process(float x) {
        const float out = line_[pos_];
        low_ = 0.6f * out + 0.4f * low_;
        line_[pos_] = x + feedback_ * low_;
        pos_ = (pos_ + 1) % line_.size();
        return out;
    }

private:
    std::vector<float> line_;
    float feedback_;
    float low_ = 0.0f;
    std::size_t pos_ = 0;
};

class Allpass {
public:
    explicit Allpass(std::size_t delay) : line_(delay, 0.0f) {}
    float process(float x) {
        const float delayed = line_[pos_];
        const float y = delayed - Gain * x;
        line_[pos_] = x + Gain * y;
        pos_ = (pos_ + 1) % line_.size();
        return y;
    }

private:
    static constexpr float Gain = 0.6f;
    std::vector<float> line_;
    std::size_t pos_ = 0;
};

} // namespace

Buffer makeBuffer(double seconds) {
    return Buffer(sampleIndex(seconds), 0.0f);
}

double noteHz(double midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0);
}

float Rng::bipolar() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ >> 8) / static_cast<float>(1u << 23) - 1.0f;
}

double Rng::range(double lo, double hi) {
    return lo + (hi - lo) * 0.5 * (bipolar() + 1.0f);
}

double envelopeAt(const Envelope& env, double t, double length) {
    if (t < 0.0 || t >= length)
        return 0.0;
    const double attack = t < env.attack ? raisedCosine(t / env.attack) : 1.0;
    const double remaining = length - t;
    const double release = remaining < env.release ? raisedCosine(remaining / env.release) : 1.0;
    return attack * release * std::exp(-std::max(0.0, t - env.attack) / env.decay);
}

const Timbre& chimeTimbre() {
    static const Timbre t{
        {1.0, 1.0}, {2.0, 0.42, 0.6}, {3.0, 0.16, 0.4}, {4.17, 0.12, 0.25}, {5.43, 0.07, 0.18}};
    return t;
}

const Timbre& marimbaTimbre() {
    static const Timbre t{{1.0, 1.0}, {3.93, 0.22, 0.3}, {9.8, 0.05, 0.12}};
    return t;
}

const Timbre& coinTimbre() {
    static const Timbre t{
        {1.0, 1.0}, {1.52, 0.7, 0.8}, {2.31, 0.5, 0.6}, {3.73, 0.3, 0.4}, {5.12, 0.15, 0.3}};
    return t;
}

const Timbre& brassTimbre() {
    static const Timbre t{{1.0, 1.0},  {2.0, 0.72}, {3.0, 0.5},  {4.0, 0.36},
                          {5.0, 0.24}, {6.0, 0.15}, {7.0, 0.09}, {8.0, 0.05}};
    return t;
}

const Timbre& softTimbre() {
    static const Timbre t{{1.0, 1.0}, {2.0, 0.12, 0.7}, {3.0, 0.04, 0.5}};
    return t;
}

void addTone(Buffer& buf, double start, const Tone& tone) {
    static const Timbre pureSine{{1.0, 1.0}};
    const Timbre& timbre = tone.timbre ? *tone.timbre : pureSine;
    const double nyquist = 0.45 * SampleRate;
    const double topHz = tone.hz * std::max(1.0, tone.glideTo) * (1.0 + tone.vibratoDepth);

    const std::size_t first = sampleIndex(start);
    const std::size_t last = std::min(buf.size(), sampleIndex(start + tone.length));
    std::vector<double> phases(timbre.size(), 0.0);
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / SampleRate;
        // Vibrato creeps in, as a player's would after the note speaks.
        const double vibrato =
            tone.vibratoDepth * std::min(1.0, t / 0.25) * std::sin(TwoPi * tone.vibratoRate * t);
        const double hz = tone.hz * std::pow(tone.glideTo, t / tone.length) * (1.0 + vibrato);
        const double shape = envelopeAt(Envelope{tone.env.attack, 1e9, tone.env.release}, t, tone.length);
        const double sinceAttack = std::max(0.0, t - tone.env.attack);
        double sum = 0.0;
        for (std::size_t p = 0; p < timbre.size(); ++p) {
            const Partial& partial = timbre[p];
            if (topHz * partial.ratio >= nyquist)
                continue;
            phases[p] += TwoPi * hz * partial.ratio / SampleRate;
            sum += partial.gain * std::sin(phases[p]) *
                   std::exp(-sinceAttack / (tone.env.decay * partial.decayScale));
        }
        buf[i] += static_cast<float>(tone.gain * shape * sum);
    }
}

void addNoise(Buffer& buf, double start, const Noise& noise, Rng& rng) {
    Biquad high = Biquad::highpass(noise.lowHz);
    Biquad low = Biquad::lowpass(noise.highHz);
    const std::size_t first = sampleIndex(start);
    const std::size_t last = std::min(buf.size(), sampleIndex(start + noise.length));
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / SampleRate;
        const float filtered = low.process(high.process(rng.bipolar()));
        buf[i] += static_cast<float>(noise.gain * envelopeAt(noise.env, t, noise.length) * filtered);
    }
}

void addRoom(Buffer& buf, double wet, double roomSize) {
    constexpr std::array<double, 4> combMs{29.7, 37.1, 41.1, 43.7};
    std::vector<DampedComb> combs;
    for (double ms : combMs)
        combs.emplace_back(sampleIndex(ms * roomSize / 1000.0), 0.72f);
    Allpass diffuseA(sampleIndex(0.005));
    Allpass diffuseB(sampleIndex(0.0017));
    for (float& s : buf) {
        float sum = 0.0f;
        for (DampedComb& c : combs)
            sum += c.process(s);
        s += static_cast<float>(wet) * diffuseB.process(diffuseA.process(0.25f * sum));
    }
}

std::vector<std::int16_t> finish(Buffer buf, double peakDb) {
    // Edge fades keep a click out even where a room tail is cut off.
    const std::size_t fadeIn = std::min(buf.size(), sampleIndex(0.0015));
    const std::size_t fadeOut = std::min(buf.size(), sampleIndex(0.015));
    for (std::size_t i = 0; i < fadeIn; ++i)
        buf[i] *= static_cast<float>(raisedCosine(static_cast<double>(i) / fadeIn));
    for (std::size_t i = 0; i < fadeOut; ++i)
        buf[buf.size() - 1 - i] *= static_cast<float>(raisedCosine(static_cast<double>(i) / fadeOut));

    float peak = 0.0f;
    for (float s : buf)
        peak = std::max(peak, std::fabs(s));
    const double targetPeak = std::pow(10.0, peakDb / 20.0) * 32767.0;
    const double scale = peak > 0.0f ? targetPeak / peak : 0.0;
    std::vector<std::int16_t> out(buf.size());
    std::transform(buf.begin(), buf.end(), out.begin(),
                   [scale](float s) { return static_cast<std::int16_t>(std::lround(s * scale)); });
    return out;
}

} // namespace tandora::synth
