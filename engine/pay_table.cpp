#include "pay_table.h"

#include <algorithm>

namespace tandora {

PayTable payTableFor(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85: return {{250, 0, 0, 0, 0, 50, 25, 8, 5, 4, 3, 2, 1}};
    case GameType::JacksOrBetter96: return {{250, 0, 0, 0, 0, 50, 25, 9, 6, 4, 3, 2, 1}};
    case GameType::DeucesWild: return {{250, 200, 25, 0, 15, 9, 5, 3, 2, 2, 1, 0, 0}};
    // Slot 0 pays 250 a coin for one to four coins; five coins pay the fixed 4000 as everywhere.
    case GameType::JokerPoker: return {{250, 0, 0, 100, 200, 50, 20, 7, 5, 3, 2, 1, 1}};
    }
    return {};
}

namespace {

using H = HandCategory;

constexpr H JacksOrBetterRows[] = {H::NaturalRoyalFlush, H::StraightFlush, H::FourOfAKind,
                                   H::FullHouse,         H::Flush,         H::Straight,
                                   H::ThreeOfAKind,      H::TwoPair,       H::HighPair};
constexpr H DeucesWildRows[] = {H::NaturalRoyalFlush, H::FourDeuces,  H::WildRoyalFlush, H::FiveOfAKind,
                                H::StraightFlush,     H::FourOfAKind, H::FullHouse,      H::Flush,
                                H::Straight,          H::ThreeOfAKind};
constexpr H JokerPokerRows[] = {H::NaturalRoyalFlush, H::FiveOfAKind, H::WildRoyalFlush, H::StraightFlush,
                                H::FourOfAKind,       H::FullHouse,   H::Flush,          H::Straight,
                                H::ThreeOfAKind,      H::TwoPair,     H::HighPair};

// Indexed by HandCategory; the wild royal's slot is Deuces Wild's.
constexpr int Slots[HandCategoryCount] = {-1, 12, 11, 10, 9, 9, 8, 7, 6, 5, 4, 2, 1, 0};

} // namespace

std::span<const HandCategory> payTableRows(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96: return JacksOrBetterRows;
    case GameType::DeucesWild: return DeucesWildRows;
    case GameType::JokerPoker: return JokerPokerRows;
    }
    return {};
}

std::optional<int> payTableRow(HandCategory category, GameType game) {
    if (category == H::AceHighStraight)
        category = H::Straight;
    const auto rows = payTableRows(game);
    const auto found = std::find(rows.begin(), rows.end(), category);
    if (found == rows.end())
        return std::nullopt;
    return static_cast<int>(found - rows.begin());
}

std::optional<int> payTableSlot(HandCategory category, GameType game) {
    if (!payTableRow(category, game))
        return std::nullopt;
    // Joker Poker keeps slot 2 empty and pays its wild royal from slot 3.
    if (category == H::WildRoyalFlush && game == GameType::JokerPoker)
        return 3;
    return Slots[toInt(category)];
}

std::int32_t handPays(HandCategory category, GameType game, const PayTable& table, int coins) {
    const auto slot = payTableSlot(category, game);
    if (!slot)
        return 0;
    if (category == H::NaturalRoyalFlush && coins == MaxCoins)
        return table.royalOnMaxBet;
    return coins * table[static_cast<std::size_t>(*slot)];
}

std::int32_t largestHandPay(GameType game, const PayTable& table) {
    std::int32_t largest = 0;
    for (const HandCategory category : payTableRows(game)) {
        for (int coins = 1; coins <= MaxCoins; ++coins)
            largest = std::max(largest, handPays(category, game, table, coins));
    }
    return largest;
}

void countHand(HandCategory category, GameType game, HandCounts& counts) {
    if (const auto slot = payTableSlot(category, game)) {
        std::int64_t& count = counts[static_cast<std::size_t>(*slot)];
        count = addStatistic(count, 1);
    }
}

} // namespace tandora
