#pragma once

#include <cstdint>

#include "card.h"
#include "game_type.h"

namespace tandora {

// Calls visit(hand) for every distinct five-card deal of the game's deck, codes ascending.
template <typename Visit> std::int64_t forEachDeal(GameType game, Visit&& visit) {
    const DeckParams deck = deckFor(flagsFor(game));
    const int lo = deck.first;
    const int hi = deck.first + deck.count - 1;
    std::int64_t deals = 0;
    Hand h{};
    for (int a = lo; a <= hi; ++a) {
        h[0] = static_cast<Card>(a);
        for (int b = a + 1; b <= hi; ++b) {
            h[1] = static_cast<Card>(b);
            for (int c = b + 1; c <= hi; ++c) {
                h[2] = static_cast<Card>(c);
                for (int d = c + 1; d <= hi; ++d) {
                    h[3] = static_cast<Card>(d);
                    for (int e = d + 1; e <= hi; ++e) {
                        h[4] = static_cast<Card>(e);
                        visit(static_cast<const Hand&>(h));
                        ++deals;
                    }
                }
            }
        }
    }
    return deals;
}

} // namespace tandora
