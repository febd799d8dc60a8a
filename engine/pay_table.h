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
// A natural royal flush on the largest bet pays this instead of five times slot 0.
inline constexpr int NaturalRoyalMaxBetPayout = 4000;

// Credits paid per coin, slots 0 (natural royal) to 12 (high pair).
using PayTable = std::array<std::int16_t, PayTableSlots>;
// Paying final hands counted per slot.
using HandCounts = std::array<std::int64_t, PayTableSlots>;
// Counts and statistics stop here rather than overflow: far beyond any game, and what a game file holds.
inline constexpr std::int64_t MaxStatistic = 999'999'999'999'999;
// Adds to a count or statistic without passing MaxStatistic.
constexpr std::int64_t addStatistic(std::int64_t total, std::int64_t amount) {
    return amount >= MaxStatistic - total ? MaxStatistic : total + amount;
}

PayTable payTableFor(GameType game);

// The pay-table slot a category is paid from in a game; nothing when the category does not pay there.
std::optional<int> payTableSlot(HandCategory category, GameType game);
// The rows of a game's pay table from the top down, one paying category each; the straight row is
// HandCategory::Straight (AceHighStraight is paid and shown on the same row).
std::span<const HandCategory> payTableRows(GameType game);
// The row a paying category is shown on, 0 the top row; nothing when it does not pay in the game.
std::optional<int> payTableRow(HandCategory category, GameType game);
// Credits a hand pays for the coins bet (0 when it does not pay): the slot's pay per coin, except the
// natural royal flush on five coins, which pays NaturalRoyalMaxBetPayout.
std::int32_t handPays(HandCategory category, GameType game, const PayTable& table, int coins);
// Counts a final paying hand in its slot (straights share one), saturating at MaxStatistic; a hand that
// does not pay is not counted.
void countHand(HandCategory category, GameType game, HandCounts& counts);

} // namespace tandora
