#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "strategy_tables.h"

namespace tandora {

// How the draw deals its cards. Deck: every set of the cards not dealt equally likely, the model published
// strategy uses. Game: as the table draws (drawCard), position k refusing only the codes dealt at positions
// 1 to k, so a card discarded to the right of k can come back at k.
enum class DrawModel : std::uint8_t { Deck, Game };

// "deck" or "game".
std::optional<DrawModel> parseDrawModel(std::string_view text);

// The fresh cards of a draw (never dealt) are exchangeable, so under the game's draw only which discards
// come back matters: the chance that exactly the discards in `returned` come back, when `discarded`
// positions are drawn left to right and `fresh` cards were not dealt. Bit i of returned is the i-th
// discarded position from the left; the first discard can never come back.
double comebackChance(int discarded, unsigned returned, int fresh);

// The 32 holds valued under the game's draw, best first, from their values under the deck model (the
// holdValues of the same hand and bet): each hold is worth the deck values of the hold plus the discards that
// come back, weighted by comebackChance. fresh: the cards not dealt (47, or 48 in Joker Poker). paid and
// draws express ev as a fraction over a fixed denominator, so that the advisor's comparisons keep working;
// holds within one part in 2^24 of a coin are ordered as equal (more cards held first).
std::array<HoldValue, HoldCount> gameDrawValues(const std::array<HoldValue, HoldCount>& deckValues, int coins,
                                                int fresh);

// The values of every hold of a hand under a draw model, best first.
std::array<HoldValue, HoldCount> holdValuesFor(const StrategyTables& tables, const Hand& hand, int coins,
                                               DrawModel model);

} // namespace tandora
