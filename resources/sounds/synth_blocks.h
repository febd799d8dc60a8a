#pragma once

#include <cstdint>
#include <vector>

// Building blocks of the sound synthesizer: tones and noise are mixed into a float buffer at
// full-scale 1.0, then the buffer is finished into 16-bit samples.
namespace tandora::synth {

inline constexpr int SampleRate = 44100;

using Buffer = std::vector<float>;

Buffer makeBuffer(double seconds);

// Equal-tempered pitch of a MIDI note number (69 = A4 = 440 Hz).
double noteHz(double midiNote);

// Small fixed-seed generator, so every build of a sound is the same bytes.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    // Uniform in [-1, 1).
    float bipolar();
    // Uniform in [lo, hi).
    double range(double lo, double hi);

private:
    std::uint32_t state_;
};

// Raised-cosine attack, exponential decay, raised-cosine release at the end of the note.
struct Envelope {
    double attack = 0.005;
    double decay = 1e9; // time constant in seconds; huge means sustained
    double release = 0.03;
};

double envelopeAt(const Envelope& env, double t, double length);

struct Partial {
    double ratio;
    double gain;
    double decayScale = 1.0; // multiplies the envelope's decay, < 1 for partials that fade first
};

using Timbre = std::vector<Partial>;

// Preset colours.
const Timbre& chimeTimbre();   // bright glockenspiel-like bell
const Timbre& marimbaTimbre(); // warm wooden mallet
const Timbre& coinTimbre();    // inharmonic metal clink
const Timbre& brassTimbre();   // rich harmonic horn for fanfares
const Timbre& softTimbre();    // nearly pure, flute-like

struct Tone {
    double hz = 440.0;
    double length = 0.3;
    double gain = 0.3;
    Envelope env;
    const Timbre* timbre = nullptr; // null means a pure sine
    double glideTo = 1.0;           // pitch ratio reached at the end (exponential glide)
    double vibratoDepth = 0.0;      // fraction of pitch
    double vibratoRate = 5.5;
};

void addTone(Buffer& buf, double start, const Tone& tone);

// Band-limited noise: highpassed then lowpassed white noise under an envelope.
struct Noise {
    double length = 0.05;
    double gain = 0.3;
    Envelope env;
    double lowHz = 1000.0;
    double highHz = 6000.0;
};

void addNoise(Buffer& buf, double start, const Noise& noise, Rng& rng);

// A few-comb room that gives the dry tones some casino air.
void addRoom(Buffer& buf, double wet, double roomSize = 1.0);

// Fades the edges, scales the peak to peakDb (dBFS) and rounds to 16-bit.
std::vector<std::int16_t> finish(Buffer buf, double peakDb = -3.0);

} // namespace tandora::synth
