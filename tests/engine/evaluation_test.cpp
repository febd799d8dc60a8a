#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/evaluation.h"
#include "tests/support/cards.h"

namespace tandora {
namespace {

using testing_support::handOf;

struct EdgeCase {
    const char* name;
    GameType game;
    const char* cards;
    HandCategory expected;
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class EvaluationEdgeCases : public testing::TestWithParam<EdgeCase> {};

// Each row is a hand whose score a plausible slip in the rules would change; the exhaustive counts cover
// every other hand, these name the slip.
TEST_P(EvaluationEdgeCases, ScoresAsTheRulesSay) {
    const EdgeCase& c = GetParam();
    EXPECT_EQ(evaluateHand(handOf(c.cards), c.game), c.expected) << c.cards;
}

using G = GameType;
using H = HandCategory;
INSTANTIATE_TEST_SUITE_P(
    Rows, EvaluationEdgeCases,
    testing::Values(
        EdgeCase{"JbPairOfTensPaysNothing", G::JacksOrBetter85, "Th Td 2c 5s 8h", H::NoWin},
        EdgeCase{"JbPairOfJacks", G::JacksOrBetter85, "Jh Jd 2c 5s 8h", H::HighPair},
        EdgeCase{"JbWheelStraight", G::JacksOrBetter85, "Ah 2d 3c 4s 5h", H::Straight},
        EdgeCase{"JbBroadwayMixed", G::JacksOrBetter85, "Th Jd Qc Ks Ah", H::AceHighStraight},
        EdgeCase{"JbNoWraparound", G::JacksOrBetter85, "Kh Ad 2c 3s 4h", H::NoWin},
        EdgeCase{"JbFlushAcrossSuitBoundary", G::JacksOrBetter85, "Kh Ad 2d 5d 9d", H::NoWin},
        EdgeCase{"JpJokerWithKing", G::JokerPoker, "Jkr Kh 2d 5c 9s", H::HighPair},
        EdgeCase{"JpJokerNoKingOrAce", G::JokerPoker, "Jkr Qh 3d 6c 9s", H::NoWin},
        EdgeCase{"JpJokerRoyal", G::JokerPoker, "Jkr Th Jh Qh Kh", H::WildRoyalFlush},
        EdgeCase{"JpJokerLowAceStraight", G::JokerPoker, "Jkr Ah 3d 4c 5s", H::Straight},
        EdgeCase{"JpJokerWithNaturalPairNeverStraight", G::JokerPoker, "Jkr 5h 5d 6c 7s", H::ThreeOfAKind},
        EdgeCase{"DwFourDeucesWithAce", G::DeucesWild, "2h 2d 2c 2s Ah", H::FourDeuces},
        EdgeCase{"DwThreeDeucesSuitedKingQueen", G::DeucesWild, "2h 2d 2c Ks Qs", H::WildRoyalFlush},
        EdgeCase{"DwSingleDeuceNothing", G::DeucesWild, "2h 4d 7c 9s Kh", H::NoWin},
        EdgeCase{"DwNaturalPairOfKings", G::DeucesWild, "Kd Kc 4s 7h 9h", H::HighPair},
        EdgeCase{"DwWildHandWithPairNeverStraight", G::DeucesWild, "2h 5d 5c 6s 7h", H::ThreeOfAKind},
        EdgeCase{"DwAceHighWithWild", G::DeucesWild, "2h Ad Jc Qs Kh", H::AceHighStraight}),
    [](const testing::TestParamInfo<EdgeCase>& row) { return std::string(row.param.name); });

// Guards the side effects callers rely on: EvalHand left as ranks with wild cards leading, WildCount counted.
TEST(Evaluation, LeavesWorkingStateAndCountsDeuces) {
    const CardRank rank(GameType::DeucesWild);
    EvalState state;
    const HandCategory category =
        evaluateHand(handOf("Kh 2d 2c 9s 2h"), flagsFor(GameType::DeucesWild), rank, state);
    EXPECT_EQ(category, HandCategory::FourOfAKind);
    EXPECT_EQ(state.WildCount, 3);
    EXPECT_EQ(state.EvalHand, (EvalArray{0, 0, 0, 9, 13}));

    // A second evaluation must not inherit the first one's wild count.
    EXPECT_EQ(evaluateHand(handOf("Kh Kd 4c 9s 7h"), flagsFor(GameType::DeucesWild), rank, state),
              HandCategory::HighPair);
    EXPECT_EQ(state.WildCount, 0);
}

} // namespace
} // namespace tandora
