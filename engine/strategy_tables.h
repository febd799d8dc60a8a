#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>

#include "card.h"
#include "draw_counts.h"
#include "game_type.h"
#include "hand_category.h"
#include "pay_table.h"

namespace tandora {

inline constexpr int HoldCount = 32;

// One way to play a dealt hand.
struct HoldValue {
    std::uint8_t mask = 0; // bit i set: position i is held
    int heldCount = 0;
    Hand held{};            // the held cards in position order, then CardBackCode
    double ev = 0;          // expected payout in coins per coin bet: paid / (draws * coins)
    std::int64_t paid = 0;  // coins paid over all draws, on the whole bet
    std::int64_t draws = 0; // equally likely draws
};

struct ReturnResult {
    GameType game{};
    int coins = 0;
    double returnPercent = 0;                            // expected payout per coin bet, in percent
    std::array<double, HandCategoryCount> probability{}; // of each final hand's category; they add up to 1
};

// Exact strategy for one game: the expected value of every hold of a dealt hand, and the return of the pay
// table when every deal is played by its best hold. A draw takes the cards it needs from the cards not dealt
// (47, or 48 in Joker Poker), every set of them equally likely, and every value counts all of those draws
// with the game's own evaluateHand and handPays; nothing is sampled. (drawCard only keeps a position
// from repeating the codes at or left of it, so the table can deal a discard back into an earlier position
// and pays slightly less than these figures on draws of two or more cards.)
//
// Holds of equal value (compared exactly, as fractions) are ordered by more cards held first, so that a pat
// hand stays pat, then by the smaller hold mask.
//
// Cost: the tables (DrawCounts) take about 0.15 s on one core and 4 MB per set of rules; both Jacks or
// Better games share one through forGame, and any other pay table of a game shares its game's. Then
// holdValues takes about 4 microseconds and payTableReturn 0.2 to 0.3 s on one core, about half that on two.
// Every member is const, so any number of threads may read one instance.
class StrategyTables {
public:
    explicit StrategyTables(GameType game);
    // counts must have been built for the game's rules.
    StrategyTables(GameType game, std::shared_ptr<const DrawCounts> counts);
    // The same game priced by another pay table; cheap, as the counts are shared.
    StrategyTables(const StrategyTables& tables, const PayTable& table);

    // The shared tables of each game, built on first use (thread-safe).
    static const StrategyTables& forGame(GameType game);

    GameType game() const { return game_; }
    const PayTable& payTable() const { return table_; }

    // All 32 holds, best first. Throws std::invalid_argument when the hand cannot be dealt in the game
    // (see dealtHandProblem) or coins is not 1 to 5.
    std::array<HoldValue, HoldCount> holdValues(const Hand& hand, int coins) const;

    // Every deal played by its best hold. Throws std::invalid_argument unless coins is 1 to 5.
    ReturnResult payTableReturn(int coins) const;
    // The same with the deals shared among `threads` threads (this one among them); nothing when stop is
    // requested before the end.
    std::optional<ReturnResult> payTableReturn(int coins, int threads, std::stop_token stop) const;

private:
    using Places = std::array<int, HandSize>;
    using Completions = std::array<DrawCounts::CategoryCounts, HoldCount>;

    // For every set of the five places (bit j: the j-th lowest place), the final hands per category that
    // keep that set and draw the rest from the cards not dealt. places must be ascending.
    void countCompletions(const Places& places, Completions& completions) const;
    std::int64_t paidOn(const DrawCounts::CategoryCounts& counts, int coins) const;
    void setPays();

    GameType game_;
    PayTable table_;
    std::shared_ptr<const DrawCounts> counts_;
    // Coins paid per category for a bet of 1 to 5 coins (index 0 unused).
    std::array<std::array<std::int32_t, HandCategoryCount>, MaxCoins + 1> pays_{};
};

// Empty when the hand can be dealt in the game, otherwise why it cannot.
std::optional<std::string> dealtHandProblem(const Hand& hand, GameType game);

// StrategyTables::forGame(game).payTableReturn(coins).
ReturnResult payTableReturn(GameType game, int coins);

} // namespace tandora
