#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "game_type.h"
#include "hand_category.h"

namespace tandora {

inline constexpr int PayTableSlots = 13;
inline constexpr int MaxCoins = 5;
// A natural royal flush on the largest bet pays this instead of five times slot 0 in the designed tables.
inline constexpr int NaturalRoyalMaxBetPayout = 4000;
// The most a pay table may pay per coin on any row; the five-coin royal flush may pay five times this.
inline constexpr std::int32_t MaxPayPerCoin = 10'000;

// Credits paid per coin, slots 0 (natural royal) to 12 (high pair), and what a natural royal flush pays on
// the largest bet.
struct PayTable {
    std::array<std::int32_t, PayTableSlots> perCoin{};
    std::int32_t royalOnMaxBet = NaturalRoyalMaxBetPayout;

    constexpr std::int32_t operator[](std::size_t slot) const { return perCoin[slot]; }
    friend auto operator<=>(const PayTable&, const PayTable&) = default;
};
// Paying final hands counted per slot.
using HandCounts = std::array<std::int64_t, PayTableSlots>;
// Counts and statistics stop here rather than overflow: far beyond any game, and what a game file holds.
inline constexpr std::int64_t MaxStatistic = 999'999'999'999'999;
// Adds to a count or statistic without passing MaxStatistic.
constexpr std::int64_t addStatistic(std::int64_t total, std::int64_t amount) {
    return amount >= MaxStatistic - total ? MaxStatistic : total + amount;
}

// The game's designed table.
PayTable payTableFor(GameType game);

// The pay-table slot a category is paid from in a game; nothing when the category does not pay there.
std::optional<int> payTableSlot(HandCategory category, GameType game);
// The rows of a game's pay table from the top down, one paying category each; the straight row is
// HandCategory::Straight (AceHighStraight is paid and shown on the same row).
std::span<const HandCategory> payTableRows(GameType game);
// The row a paying category is shown on, 0 the top row; nothing when it does not pay in the game.
std::optional<int> payTableRow(HandCategory category, GameType game);
// Credits a hand pays for the coins bet (0 when it does not pay): the slot's pay per coin, except the
// natural royal flush on five coins, which pays the table's royalOnMaxBet.
std::int32_t handPays(HandCategory category, GameType game, const PayTable& table, int coins);
// The most one hand can pay under the table, at any bet.
std::int32_t largestHandPay(GameType game, const PayTable& table);
// Counts a final paying hand in its slot (straights share one), saturating at MaxStatistic; a hand that
// does not pay is not counted.
void countHand(HandCategory category, GameType game, HandCounts& counts);

} // namespace tandora
