#pragma once

#include <array>
#include <cstdint>

#include "card.h"
#include "game_type.h"

namespace tandora {

// Calls visit(hand) for every distinct five-card deal of the game's deck whose lowest card is the one at
// deck place `lowest`, codes ascending. Returns the number of deals.
template <typename Visit> std::int64_t forEachDealFrom(GameType game, int lowest, Visit&& visit) {
    const DeckParams deck = deckFor(flagsFor(game));
    const int a = deck.first + lowest;
    const int hi = deck.first + deck.count - 1;
    std::int64_t deals = 0;
    Hand h{};
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
    return deals;
}

// Calls visit(hand) for every distinct five-card deal of the game's deck, codes ascending.
template <typename Visit> std::int64_t forEachDeal(GameType game, Visit&& visit) {
    std::int64_t deals = 0;
    for (int lowest = 0; lowest + HandSize <= deckFor(flagsFor(game)).count; ++lowest)
        deals += forEachDealFrom(game, lowest, visit);
    return deals;
}

// Calls visit(hand, weight) once for every class of deals that differ only by a renaming of the suits,
// with the number of deals in the class; the weights add up to the number of deals. The hand shown is
// the one whose suits, read as sets of ranks, come in non-increasing order. Only deals whose lowest card
// is at deck place `lowest`; returns the number of classes.
template <typename Visit> std::int64_t forEachSuitClassFrom(GameType game, int lowest, Visit&& visit) {
    std::int64_t classes = 0;
    forEachDealFrom(game, lowest, [&](const Hand& hand) {
        std::array<int, 4> ranks{};
        for (Card c : hand) {
            if (isRegularCard(c))
                ranks[static_cast<std::size_t>(suitOf(c))] |= 1 << rankOf(c);
        }
        if (ranks[0] < ranks[1] || ranks[1] < ranks[2] || ranks[2] < ranks[3])
            return;
        // 4! orders of the suits, less those that swap suits holding the same ranks.
        int weight = 24;
        for (std::size_t i = 0, run = 1; i + 1 < ranks.size(); ++i) {
            run = ranks[i] == ranks[i + 1] ? run + 1 : 1;
            weight /= static_cast<int>(run);
        }
        visit(hand, weight);
        ++classes;
    });
    return classes;
}

// forEachSuitClassFrom over every lowest card.
template <typename Visit> std::int64_t forEachSuitClass(GameType game, Visit&& visit) {
    std::int64_t classes = 0;
    for (int lowest = 0; lowest + HandSize <= deckFor(flagsFor(game)).count; ++lowest)
        classes += forEachSuitClassFrom(game, lowest, visit);
    return classes;
}

} // namespace tandora
