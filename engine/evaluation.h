#pragma once

#include <array>
#include <cstdint>

#include "card.h"
#include "game_type.h"
#include "hand_category.h"

namespace tandora {

using EvalArray = std::array<std::int16_t, HandSize>;

// The evaluation's working state; after evaluateHand it holds what the last step left there.
struct EvalState {
    EvalArray EvalHand{};
    std::int16_t WildCount = 0;
};

// Sorts ascending in place; in Deuces Wild every deuce code (or rank 2) becomes 0 first.
void SortHand(EvalArray& a, GameFlags flags);
// 6 when every non-wild code of the sorted hand lies in one suit, else 0.
int FlushScore(const EvalArray& a, GameFlags flags, std::int16_t WildCount);
// 0, 1, 2, 3, 7, 8, 10 or 12 from the pairs among sorted ranks, wild cards counted as 0s.
int PairScore(const EvalArray& a, GameFlags flags, std::int16_t WildCount);
// 0, 4 or 5 (a straight that reaches the ace) from sorted ranks.
int StraightScore(const EvalArray& a, GameFlags flags, std::int16_t WildCount);

// Evaluates Hand under the game's rules, with the game's own rank table.
// WildCount starts from 0, as the deal and the draw reset it before every evaluation.
HandCategory evaluateHand(const Hand& hand, GameFlags flags, const CardRank& cardRank, EvalState& state);

// Convenience for tools and tests: a fresh rank table and state.
HandCategory evaluateHand(const Hand& hand, GameType game);

} // namespace tandora
