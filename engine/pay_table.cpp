#include "pay_table.h"

#include <algorithm>

namespace tandora {

PayTable payTableFor(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85: return {250, 0, 0, 0, 0, 50, 25, 8, 5, 4, 3, 2, 1};
    case GameType::JacksOrBetter96: return {250, 0, 0, 0, 0, 50, 25, 9, 6, 4, 3, 2, 1};
    case GameType::DeucesWild: return {250, 200, 25, 0, 15, 9, 5, 3, 2, 2, 1, 0, 0};
    // Slot 0 pays 250 a coin for one to four coins; five coins pay the fixed 4000 as everywhere.
    case GameType::JokerPoker: return {250, 0, 0, 100, 200, 50, 20, 7, 5, 3, 2, 1, 1};
    }
    return {};
}

namespace {

struct RowSpec {
    int slot;
    int picture;
    int topJacks, soundJacks; // both Jacks or Better games
    int topJoker, soundJoker;
    int topDeuces, soundDeuces;
};

// Indexed by HandCategory; 0 in a top column means the category does not pay in that game.
constexpr RowSpec Rows[HandCategoryCount] = {
    {-1, 0, 0, 0, 0, 0, 0, 0},             // NoWin
    {12, 3013, 146, 11, 174, 11, 0, 0},    // HighPair (3012 in Joker Poker)
    {11, 3011, 132, 12, 160, 11, 0, 0},    // TwoPair
    {10, 3007, 118, 15, 146, 12, 160, 11}, // ThreeOfAKind
    {9, 3010, 104, 13, 132, 12, 146, 12},  // Straight
    {9, 3010, 104, 13, 132, 12, 146, 12},  // AceHighStraight
    {8, 3009, 90, 14, 118, 15, 132, 12},   // Flush
    {7, 3008, 76, 16, 104, 13, 118, 15},   // FullHouse
    {6, 3006, 62, 18, 90, 14, 104, 13},    // FourOfAKind
    {5, 3005, 48, 17, 76, 16, 90, 14},     // StraightFlush
    {4, 3002, 0, 0, 48, 17, 76, 16},       // FiveOfAKind
    {2, 3003, 0, 0, 62, 18, 62, 18},       // WildRoyalFlush (slot 3, picture 3004 in Joker Poker)
    {1, 3001, 0, 0, 0, 0, 48, 17},         // FourDeuces
    {0, 3000, 35, 19, 35, 19, 35, 19},     // NaturalRoyalFlush
};

} // namespace

std::optional<CategoryRow> categoryRow(HandCategory category, GameType game) {
    const int index = toInt(category);
    if (index < 0 || index >= HandCategoryCount)
        return std::nullopt;
    const RowSpec& r = Rows[index];
    CategoryRow row{r.slot, r.picture, 0, 0};
    switch (game) {
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96:
        row.rowTop = r.topJacks;
        row.winSound = r.soundJacks;
        break;
    case GameType::JokerPoker:
        row.rowTop = r.topJoker;
        row.winSound = r.soundJoker;
        if (category == HandCategory::HighPair)
            row.rowLabelPicture = 3012;
        if (category == HandCategory::WildRoyalFlush) {
            row.slot = 3;
            row.rowLabelPicture = 3004;
        }
        break;
    case GameType::DeucesWild:
        row.rowTop = r.topDeuces;
        row.winSound = r.soundDeuces;
        break;
    }
    if (row.rowTop == 0)
        return std::nullopt;
    return row;
}

Payout lookUpPayout(HandCategory category, GameType game, const PayTable& table, int CoinsBet, int HandState,
                    HandCounts& counts) {
    Payout payout;
    const auto row = categoryRow(category, game);
    if (!row)
        return payout;
    payout.isWin = true;
    if (category == HandCategory::NaturalRoyalFlush && CoinsBet == MaxCoins)
        payout.PaidAmount = NaturalRoyalMaxBetPayout;
    else
        payout.PaidAmount = CoinsBet * table[static_cast<std::size_t>(row->slot)];
    payout.rowLabelPicture = row->rowLabelPicture;
    payout.rowTop = row->rowTop;
    payout.winSound = row->winSound;
    if (HandState == 1)
        ++counts[static_cast<std::size_t>(row->slot)];
    return payout;
}

PayTableArt payTableArtFor(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85: return {8500, 128, 124};
    case GameType::JacksOrBetter96: return {9600, 128, 124};
    case GameType::DeucesWild: return {4000, 142, 138};
    case GameType::JokerPoker: return {5000, 156, 152};
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
        return NaturalRoyalMaxBetPayout;
    return coins * table[static_cast<std::size_t>(*slot)];
}

void countHand(HandCategory category, GameType game, HandCounts& counts) {
    if (const auto slot = payTableSlot(category, game)) {
        std::int64_t& count = counts[static_cast<std::size_t>(*slot)];
        count = addStatistic(count, 1);
    }
}

} // namespace tandora
