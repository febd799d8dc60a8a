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

// Where a paying category is paid from and how its win is shown in one game.
struct CategoryRow {
    int slot;
    int rowLabelPicture; // 3000..3013, laid over the pay table
    int rowTop;          // top edge of the row on the game table, pixels
    int winSound;        // WAVE 11..19
};

// Empty when the category does not pay in that game.
std::optional<CategoryRow> categoryRow(HandCategory category, GameType game);

struct Payout {
    std::int32_t PaidAmount = 0;
    bool isWin = false;
    int rowLabelPicture = 0;
    int rowTop = 0;
    int winSound = 0;
};

// Prices an evaluated hand. On the final hand (HandState 1) the category is counted in counts.
Payout lookUpPayout(HandCategory category, GameType game, const PayTable& table, int CoinsBet, int HandState,
                    HandCounts& counts);

// The pay-table pictures of a game on the game table.
struct PayTableArt {
    int tablePicture;    // 8500, 9600, 4000 or 5000; column highlight for n coins is this + n
    int tableHeight;     // 128, 142 or 156
    int highlightHeight; // 124, 138 or 152
};

PayTableArt payTableArtFor(GameType game);

// Placement on the 541 x 421 table, pixels.
inline constexpr int PayTableLeft = 54;
inline constexpr int PayTableTop = 33;
inline constexpr int PayTableWidth = 431;
inline constexpr int RowLabelLeft = 57;
inline constexpr int RowLabelWidth = 136;
inline constexpr int RowLabelHeight = 13;
inline constexpr int CoinHighlightTop = 35;
inline constexpr int CoinHighlightWidth = 57;
constexpr int coinHighlightLeft(int coins) {
    return 194 + 58 * (coins - 1);
}

} // namespace tandora
