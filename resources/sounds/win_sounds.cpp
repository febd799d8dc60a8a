#include "resources/sounds/sound_recipes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tandora::recipes {

using namespace synth;

namespace {

// How a win jingle grows with the hand: longer, faster runs, more layers, a bigger landing.
struct WinStyle {
    std::vector<double> run; // MIDI notes of the opening run
    double step;             // seconds between run notes
    double noteDecay;
    bool malletBelow;          // double the run an octave down on marimba
    std::vector<double> chord; // landing chord after the run, empty for none
    double bass;               // MIDI bass under the landing, 0 for none
    int sparkles;              // high glints scattered over the tail
    int trill;                 // alternating top notes ringing over the landing
    double length;
    double room;
};

// Major pentatonic on C, so any run or glint sits well with the landing chord.
const std::vector<WinStyle>& winStyles() {
    static const std::vector<WinStyle> styles{
        {{88}, 0.0, 0.16, false, {}, 0, 0, 0, 0.5, 0.2},
        {{84, 91}, 0.09, 0.17, false, {}, 0, 0, 0, 0.6, 0.22},
        {{79, 84, 88}, 0.08, 0.18, false, {}, 0, 0, 0, 0.7, 0.24},
        {{79, 84, 88, 91}, 0.075, 0.2, true, {}, 0, 0, 0, 0.85, 0.25},
        {{72, 76, 79, 84, 88}, 0.065, 0.2, true, {84, 88, 91}, 0, 0, 0, 1.0, 0.26},
        {{72, 76, 79, 84, 88, 91}, 0.055, 0.2, true, {84, 88, 91, 96}, 48, 2, 0, 1.15, 0.28},
        {{72, 76, 79, 84, 76, 79, 84, 88, 79, 84, 88, 91},
         0.045,
         0.18,
         true,
         {84, 88, 91, 96},
         48,
         4,
         0,
         1.3,
         0.3},
        {{72, 74, 76, 79, 81, 84, 86, 88, 91, 93, 96, 98, 100},
         0.04,
         0.18,
         true,
         {84, 88, 91, 96, 100},
         36,
         8,
         10,
         1.45,
         0.32},
    };
    return styles;
}

void bell(Buffer& buf, double at, double midi, double gain, double decay, double length,
          const Timbre& timbre = chimeTimbre()) {
    Tone t;
    t.hz = noteHz(midi);
    t.gain = gain;
    t.timbre = &timbre;
    t.env = Envelope{0.003, decay, 0.05};
    t.length = length;
    addTone(buf, at, t);
}

// Scattered high glints; they fall on the pentatonic so they never clash.
void addSparkles(Buffer& buf, double from, double to, int count, Rng& rng) {
    static const std::vector<double> notes{96, 98, 100, 103, 105, 108};
    for (int i = 0; i < count; ++i) {
        const double at = from + (to - from) * (i + rng.range(0.0, 0.8)) / count;
        const auto pick = static_cast<std::size_t>(rng.range(0.0, static_cast<double>(notes.size())));
        bell(buf, at, notes[std::min(pick, notes.size() - 1)], 0.06, 0.08, 0.3);
    }
}

// Returns the time the run ends.
double renderRun(Buffer& buf, const WinStyle& s, double start) {
    // Fast runs overlap more notes at once, so each note plays softer.
    const double gain = s.step > 0.0 ? std::min(1.0, std::sqrt(s.step / 0.08)) : 1.0;
    double at = start;
    for (double midi : s.run) {
        bell(buf, at, midi, 0.2 * gain, s.noteDecay, s.noteDecay * 4.0);
        if (s.malletBelow)
            bell(buf, at, midi - 12, 0.12 * gain, s.noteDecay * 0.8, s.noteDecay * 3.0, marimbaTimbre());
        at += s.step;
    }
    return at;
}

void renderLanding(Buffer& buf, const WinStyle& s, double at, Rng& rng) {
    const double ring = s.length - at - 0.02;
    // Bigger chords play each note softer, so the landing grows wider rather than just louder.
    const double noteGain = 0.5 / static_cast<double>(s.chord.size());
    // A quick strum rather than a block: lusher, and the attacks do not pile into one peak.
    for (std::size_t i = 0; i < s.chord.size(); ++i)
        bell(buf, at + 0.018 * static_cast<double>(i), s.chord[i], noteGain, ring * 0.4, ring);
    if (s.bass > 0)
        bell(buf, at, s.bass, 0.2, ring * 0.35, ring, marimbaTimbre());
    addSparkles(buf, at + 0.05, s.length - 0.25, s.sparkles, rng);
    for (int i = 0; i < s.trill; ++i)
        bell(buf, at + 0.06 * (i + 1), i % 2 ? 100 : 96, 0.12, 0.12, 0.4);
}

void hornChord(Buffer& buf, double at, std::initializer_list<double> notes, double length, double gain) {
    for (double midi : notes) {
        Tone t;
        t.hz = noteHz(midi);
        t.gain = gain;
        t.timbre = &brassTimbre();
        t.env = Envelope{0.025, length > 0.3 ? 1.6 : 0.4, length > 0.3 ? 0.3 : 0.035};
        t.length = length;
        if (length > 0.3) {
            t.vibratoDepth = 0.004;
            t.vibratoRate = 5.2;
        }
        addTone(buf, at, t);
    }
}

// The royal flush: a horn call over bell runs, landing on a big ringing chord.
Buffer royalFanfare() {
    Buffer buf = makeBuffer(2.85);
    Rng rng(0x4074);
    for (double at : {0.01, 0.13, 0.25})
        hornChord(buf, at, {67, 71, 74}, 0.1, 0.07);
    hornChord(buf, 0.38, {72, 76, 79}, 0.62, 0.07);
    hornChord(buf, 1.04, {65, 69, 72}, 0.12, 0.07);
    hornChord(buf, 1.18, {67, 71, 74}, 0.12, 0.07);
    hornChord(buf, 1.34, {60, 72, 76, 79}, 1.35, 0.07);

    const WinStyle& biggest = winStyles().back();
    renderRun(buf, biggest, 0.38);
    // Bells tumble down from the top as the final chord lands.
    double at = 1.34;
    for (double midi : {108.0, 105.0, 103.0, 100.0, 98.0, 96.0, 93.0, 91.0, 88.0, 84.0}) {
        bell(buf, at, midi, 0.12, 0.2, 0.7);
        at += 0.045;
    }
    for (double midi : {84.0, 88.0, 91.0, 96.0})
        bell(buf, 1.34, midi, 0.1, 0.6, 1.45);
    bell(buf, 0.38, 36, 0.3, 0.4, 0.65, marimbaTimbre());
    bell(buf, 1.34, 36, 0.35, 0.55, 1.45, marimbaTimbre());
    addNoise(buf, 1.34, Noise{1.4, 0.05, Envelope{0.004, 0.45, 0.3}, 6000.0, 14000.0}, rng);
    addSparkles(buf, 1.5, 2.55, 14, rng);
    addRoom(buf, 0.32, 1.2);
    return buf;
}

} // namespace

Buffer winJingle(int level) {
    if (level >= 9)
        return royalFanfare();
    const WinStyle& style = winStyles().at(static_cast<std::size_t>(level - 1));
    Buffer buf = makeBuffer(style.length);
    Rng rng(0x1000u + static_cast<unsigned>(level));
    const double runEnd = renderRun(buf, style, 0.01);
    if (!style.chord.empty())
        renderLanding(buf, style, runEnd, rng);
    addRoom(buf, style.room);
    return buf;
}

} // namespace tandora::recipes
