#pragma once

#include <cstdint>
#include <random>

#include "card.h"

namespace tandora {

// A uniform source of doubles in [0, 1); the caller owns it, so tests can seed it.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual double nextUniform() = 0;
};

// The game's generator: one Mersenne Twister seeded once per run from the system's entropy.
// (Reseeding from the clock before every card would make the cards follow the time.)
class Mt19937Source final : public UniformSource {
public:
    Mt19937Source();
    explicit Mt19937Source(std::uint64_t seed) : engine_(seed) {}
    double nextUniform() override;

private:
    std::mt19937_64 engine_;
};

// One random code of the deck: floor(u * N + F).
Card drawAnyCard(DeckParams deck, UniformSource& random);

// Draws the card for position k (0-based) and stores it in hand[k]. The code differs from the
// previous codes of positions 0..k and from the current codes of every other position.
Card drawCard(int k, Hand& hand, const Hand& previous, DeckParams deck, UniformSource& random);

} // namespace tandora
