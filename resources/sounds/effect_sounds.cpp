#include "resources/sounds/sound_recipes.h"

#include <array>

namespace tandora::recipes {

using namespace synth;

namespace {

// A horn with its top cut away: the muted trombone of a "wah".
const Timbre& mutedTimbre() {
    static const Timbre t{{1.0, 1.0}, {2.0, 0.55}, {3.0, 0.28}, {4.0, 0.12}, {5.0, 0.05}};
    return t;
}

void mallet(Buffer& buf, double at, double midi, double gain, double decay, const Timbre& timbre,
            double length = 0.0) {
    Tone t;
    t.hz = noteHz(midi);
    t.gain = gain;
    t.timbre = &timbre;
    t.env = Envelope{0.003, decay, 0.04};
    t.length = length > 0.0 ? length : decay * 5.0;
    addTone(buf, at, t);
}

} // namespace

Buffer creditsArrive() {
    Buffer buf = makeBuffer(0.9);
    Rng rng(0xC011);
    // Coins landing in a tray: the gaps shrink as the pile settles.
    constexpr std::array<double, 9> drops{0.0, 0.085, 0.16, 0.225, 0.28, 0.33, 0.372, 0.41, 0.445};
    double gain = 0.32;
    for (double at : drops) {
        Tone clink;
        clink.hz = rng.range(2500.0, 3400.0);
        clink.gain = gain;
        clink.timbre = &coinTimbre();
        clink.env = Envelope{0.0015, rng.range(0.035, 0.06), 0.02};
        clink.length = 0.22;
        addTone(buf, at + 0.004, clink);
        addNoise(buf, at + 0.004, Noise{0.012, gain * 0.5, Envelope{0.001, 0.003, 0.004}, 4000.0, 11000.0},
                 rng);
        gain *= 0.93;
    }
    // A small chime tops the pile.
    mallet(buf, 0.48, 88, 0.18, 0.16, chimeTimbre(), 0.4);
    mallet(buf, 0.54, 96, 0.16, 0.15, chimeTimbre(), 0.34);
    addRoom(buf, 0.25, 0.8);
    return buf;
}

Buffer softTick() {
    Buffer buf = makeBuffer(0.06);
    Rng rng(0x71C);
    mallet(buf, 0.002, 93, 0.25, 0.01, marimbaTimbre(), 0.05);
    addNoise(buf, 0.002, Noise{0.01, 0.05, Envelope{0.001, 0.003, 0.004}, 2000.0, 6000.0}, rng);
    return buf;
}

Buffer cardFlip() {
    Buffer buf = makeBuffer(0.09);
    Rng rng(0xCA4D);
    // Air past the card's edge, then the snap of it landing, with a little thump of the felt.
    addNoise(buf, 0.002, Noise{0.03, 0.12, Envelope{0.014, 0.02, 0.01}, 3000.0, 9000.0}, rng);
    addNoise(buf, 0.024, Noise{0.045, 0.8, Envelope{0.0008, 0.0065, 0.012}, 1500.0, 6500.0}, rng);
    Tone thump;
    thump.hz = 160.0;
    thump.glideTo = 0.55;
    thump.gain = 0.45;
    thump.env = Envelope{0.002, 0.014, 0.012};
    thump.length = 0.055;
    addTone(buf, 0.024, thump);
    return buf;
}

Buffer startUp() {
    Buffer buf = makeBuffer(1.45);
    // A rolled major-ninth chord over a soft pad: a welcome, not a win.
    constexpr std::array<double, 5> roll{72, 76, 79, 84, 86};
    for (std::size_t i = 0; i < roll.size(); ++i)
        mallet(buf, 0.01 + 0.1 * static_cast<double>(i), roll[i], 0.2, 0.45, chimeTimbre(), 1.2 - 0.1 * i);
    for (double midi : {48.0, 55.0, 64.0}) {
        Tone pad;
        pad.hz = noteHz(midi);
        pad.gain = 0.12;
        pad.timbre = &softTimbre();
        pad.env = Envelope{0.18, 0.9, 0.35};
        pad.length = 1.3;
        addTone(buf, 0.0, pad);
    }
    addRoom(buf, 0.35, 1.2);
    return buf;
}

Buffer doubleUpWon() {
    Buffer buf = makeBuffer(1.25);
    constexpr std::array<double, 5> run{79, 84, 88, 91, 96};
    for (std::size_t i = 0; i < run.size(); ++i) {
        const double at = 0.01 + 0.065 * static_cast<double>(i);
        mallet(buf, at, run[i], 0.2, 0.12, chimeTimbre(), 0.35);
        mallet(buf, at, run[i] - 12, 0.14, 0.1, marimbaTimbre(), 0.3);
    }
    // The landing chord rings out brightly.
    for (double midi : {84.0, 88.0, 91.0, 96.0})
        mallet(buf, 0.34, midi, 0.14, 0.35, chimeTimbre(), 0.85);
    mallet(buf, 0.34, 60, 0.2, 0.3, marimbaTimbre(), 0.8);
    addRoom(buf, 0.3);
    return buf;
}

Buffer doubleUpLost() {
    Buffer buf = makeBuffer(0.95);
    // Two sagging horn notes, the second sliding down with a sad wobble.
    Tone first;
    first.hz = noteHz(58);
    first.gain = 0.3;
    first.timbre = &mutedTimbre();
    first.env = Envelope{0.05, 0.5, 0.06};
    first.length = 0.26;
    addTone(buf, 0.01, first);
    Tone second = first;
    second.hz = noteHz(57);
    second.glideTo = 0.9;
    second.vibratoDepth = 0.012;
    second.vibratoRate = 6.0;
    second.env = Envelope{0.06, 0.7, 0.22};
    second.length = 0.6;
    addTone(buf, 0.3, second);
    addRoom(buf, 0.18);
    return buf;
}

Buffer doubleUpTie() {
    Buffer buf = makeBuffer(0.75);
    // The same note twice: neither up nor down.
    for (double at : {0.01, 0.2}) {
        mallet(buf, at, 76, 0.26, 0.14, marimbaTimbre(), 0.5);
        mallet(buf, at, 64, 0.14, 0.12, softTimbre(), 0.45);
    }
    addRoom(buf, 0.2);
    return buf;
}

} // namespace tandora::recipes
