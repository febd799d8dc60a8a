#pragma once

#include <array>
#include <cstdint>

#include "card.h"

namespace tandora {

// Sets of deck places (card code minus the deck's first code, 0..52) are numbered by their colexicographic
// rank: for places p1 < p2 < ... < pk the rank is C(p1,1) + C(p2,2) + ... + C(pk,k), which numbers the
// k-sets of an n-card deck 0 .. C(n,k) - 1 without gaps, whatever n is.
inline constexpr int LargestDeck = 53;

namespace detail {
constexpr auto makeBinomials() {
    std::array<std::array<std::int64_t, HandSize + 1>, LargestDeck + 1> table{};
    for (std::size_t n = 0; n <= LargestDeck; ++n) {
        table[n][0] = 1;
        for (std::size_t k = 1; k <= HandSize && n > 0; ++k)
            table[n][k] = table[n - 1][k - 1] + table[n - 1][k];
    }
    return table;
}
inline constexpr auto Binomials = makeBinomials();
} // namespace detail

// C(n, k) for n up to 53 and k up to 5.
constexpr std::int64_t choose(int n, int k) {
    return detail::Binomials[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// The rank of the set of the first `size` places, which must be ascending.
template <typename Places> constexpr std::int64_t colexRank(const Places& places, int size) {
    std::int64_t rank = 0;
    for (int i = 0; i < size; ++i)
        rank += choose(places[static_cast<std::size_t>(i)], i + 1);
    return rank;
}

} // namespace tandora
