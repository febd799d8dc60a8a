#include "card_draw.h"

#include <cmath>

namespace tandora {

Mt19937Source::Mt19937Source() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device(), device(), device(), device(), device()};
    engine_.seed(seed);
}

double Mt19937Source::nextUniform() {
    // 53 random bits give every double of [0, 1) on the 2^-53 grid, never 1.0.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

Card drawAnyCard(DeckParams deck, UniformSource& random) {
    const double u = random.nextUniform();
    auto code = static_cast<int>(std::floor(u * deck.count + deck.first));
    // A source that strays to 1.0 must not yield a code past the deck.
    if (code > deck.first + deck.count - 1)
        code = deck.first + deck.count - 1;
    return static_cast<Card>(code);
}

Card drawCard(int k, Hand& hand, const Hand& previous, DeckParams deck, UniformSource& random) {
    for (;;) {
        const Card code = drawAnyCard(deck, random);
        bool rejected = false;
        for (int p = 0; p <= k && !rejected; ++p)
            rejected = previous[static_cast<std::size_t>(p)] == code;
        for (int p = 0; p < HandSize && !rejected; ++p)
            rejected = p != k && hand[static_cast<std::size_t>(p)] == code;
        if (!rejected) {
            hand[static_cast<std::size_t>(k)] = code;
            return code;
        }
    }
}

} // namespace tandora
