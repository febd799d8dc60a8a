#include "draw_counts.h"

#include "colex_rank.h"
#include "evaluation.h"

namespace tandora {

namespace {

using Places = std::array<int, HandSize>;

// Calls visit(places) for every set of `size` places of an n-card deck, in colex rank order.
template <typename Visit> void forEachSet(int n, int size, Visit&& visit) {
    Places p{};
    for (int i = 0; i < size; ++i)
        p[static_cast<std::size_t>(i)] = i;
    if (size > n)
        return;
    for (;;) {
        visit(static_cast<const Places&>(p));
        // Colex successor: raise the lowest place that has room, reset the ones below it.
        int i = 0;
        while (i < size &&
               p[static_cast<std::size_t>(i)] + 1 == (i + 1 < size ? p[static_cast<std::size_t>(i) + 1] : n))
            ++i;
        if (i == size)
            return;
        ++p[static_cast<std::size_t>(i)];
        for (int j = 0; j < i; ++j)
            p[static_cast<std::size_t>(j)] = j;
    }
}

} // namespace

DrawCounts::DrawCounts(GameType game) : flags_(flagsFor(game)), deck_(deckFor(flags_)) {
    const int n = deck_.count;
    for (int k = 0; k <= LargestCountedSet; ++k)
        containing_[static_cast<std::size_t>(k)].assign(static_cast<std::size_t>(choose(n, k)), {});
    categories_.reserve(static_cast<std::size_t>(choose(n, HandSize)));

    CardRank rank(game);
    EvalState state;
    auto& triples = containing_[LargestCountedSet];
    forEachSet(n, HandSize, [&](const Places& p) {
        Hand hand{};
        for (std::size_t i = 0; i < HandSize; ++i)
            hand[i] = static_cast<Card>(p[i] + deck_.first);
        const auto category = static_cast<std::size_t>(toInt(evaluateHand(hand, flags_, rank, state)));
        categories_.push_back(static_cast<std::uint8_t>(category));
        for (int a = 0; a < HandSize; ++a) {
            for (int b = a + 1; b < HandSize; ++b) {
                for (int c = b + 1; c < HandSize; ++c) {
                    const Places three{p[static_cast<std::size_t>(a)], p[static_cast<std::size_t>(b)],
                                       p[static_cast<std::size_t>(c)]};
                    ++triples[static_cast<std::size_t>(colexRank(three, 3))][category];
                }
            }
        }
    });

    // A hand that contains a k-card set contains 5 - k of its (k+1)-card supersets.
    for (int k = LargestCountedSet - 1; k >= 0; --k) {
        auto& smaller = containing_[static_cast<std::size_t>(k)];
        const auto& larger = containing_[static_cast<std::size_t>(k) + 1];
        std::size_t largerRank = 0;
        forEachSet(n, k + 1, [&](const Places& p) {
            const CategoryCounts& counts = larger[largerRank++];
            for (int drop = 0; drop <= k; ++drop) {
                Places rest{};
                for (int i = 0, j = 0; i <= k; ++i) {
                    if (i != drop)
                        rest[static_cast<std::size_t>(j++)] = p[static_cast<std::size_t>(i)];
                }
                CategoryCounts& into = smaller[static_cast<std::size_t>(colexRank(rest, k))];
                for (std::size_t c = 0; c < into.size(); ++c)
                    into[c] += counts[c];
            }
        });
        for (CategoryCounts& counts : smaller) {
            for (auto& count : counts)
                count /= HandSize - k;
        }
    }
}

std::size_t DrawCounts::memoryBytes() const {
    std::size_t bytes = sizeof(*this) + categories_.capacity();
    for (const auto& table : containing_)
        bytes += table.capacity() * sizeof(CategoryCounts);
    return bytes;
}

} // namespace tandora
