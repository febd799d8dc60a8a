#include "game_draw.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tandora {

namespace {

constexpr std::int64_t GameDrawDenominator = std::int64_t{1} << 24;

// Walks the discarded positions left to right: at step j the draw takes a fresh card or one of the later
// discards not yet back, each card of that pool equally likely.
double walk(int discarded, unsigned returned, int fresh, int step, unsigned back) {
    if (step == discarded)
        return back == returned ? 1.0 : 0.0;
    const int freshDrawn = step - std::popcount(back);
    const int freshLeft = fresh - freshDrawn;
    int pool = freshLeft;
    for (int k = step + 1; k < discarded; ++k)
        pool += (back >> k & 1) == 0 ? 1 : 0;
    double chance = 0;
    // Only paths that can still end in `returned` are walked.
    if (std::popcount(returned) - std::popcount(back) < discarded - step)
        chance += static_cast<double>(freshLeft) / pool * walk(discarded, returned, fresh, step + 1, back);
    for (int k = step + 1; k < discarded; ++k) {
        if ((back >> k & 1) == 0 && (returned >> k & 1) != 0)
            chance += 1.0 / pool * walk(discarded, returned, fresh, step + 1, back | 1u << k);
    }
    return chance;
}

} // namespace

std::optional<DrawModel> parseDrawModel(std::string_view text) {
    if (text == "deck")
        return DrawModel::Deck;
    if (text == "game")
        return DrawModel::Game;
    return std::nullopt;
}

double comebackChance(int discarded, unsigned returned, int fresh) {
    if (discarded < 0 || discarded > HandSize || returned >> discarded != 0 || (returned & 1) != 0)
        return 0;
    return walk(discarded, returned, fresh, 0, 0);
}

std::array<HoldValue, HoldCount> gameDrawValues(const std::array<HoldValue, HoldCount>& deckValues, int coins,
                                                int fresh) {
    // The chances depend only on the number of discards and the deck: worked out once per call.
    std::array<std::array<double, HoldCount>, HandSize + 1> chance{};
    for (int discarded = 0; discarded <= HandSize; ++discarded)
        for (unsigned returned = 0; returned < 1u << discarded; ++returned)
            chance[static_cast<std::size_t>(discarded)][returned] =
                comebackChance(discarded, returned, fresh);
    std::array<double, HoldCount> deckEv{};
    for (const HoldValue& v : deckValues)
        deckEv[v.mask] = v.ev;

    std::array<HoldValue, HoldCount> values = deckValues;
    for (HoldValue& v : values) {
        std::array<int, HandSize> discards{};
        int discarded = 0;
        for (int p = 0; p < HandSize; ++p)
            if ((v.mask >> p & 1) == 0)
                discards[static_cast<std::size_t>(discarded++)] = p;
        double ev = 0;
        for (unsigned returned = 0; returned < 1u << discarded; ++returned) {
            const double c = chance[static_cast<std::size_t>(discarded)][returned];
            if (c == 0)
                continue;
            unsigned kept = v.mask;
            for (int i = 0; i < discarded; ++i)
                if (returned >> i & 1)
                    kept |= 1u << discards[static_cast<std::size_t>(i)];
            ev += c * deckEv[kept];
        }
        v.ev = ev;
        v.draws = GameDrawDenominator;
        v.paid = std::llround(ev * coins * static_cast<double>(GameDrawDenominator));
    }
    std::stable_sort(values.begin(), values.end(), [](const HoldValue& a, const HoldValue& b) {
        if (a.paid != b.paid)
            return a.paid > b.paid;
        if (a.heldCount != b.heldCount)
            return a.heldCount > b.heldCount;
        return a.mask < b.mask;
    });
    return values;
}

std::array<HoldValue, HoldCount> holdValuesFor(const StrategyTables& tables, const Hand& hand, int coins,
                                               DrawModel model) {
    auto values = tables.holdValues(hand, coins);
    if (model == DrawModel::Deck)
        return values;
    const int fresh = deckFor(flagsFor(tables.game())).count - HandSize;
    return gameDrawValues(values, coins, fresh);
}

} // namespace tandora
