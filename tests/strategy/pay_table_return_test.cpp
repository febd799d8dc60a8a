#include <gtest/gtest.h>

#include "engine/colex_rank.h"
#include "engine/deal_enumeration.h"
#include "engine/strategy_tables.h"

namespace tandora {
namespace {

// Guards the whole chain against the figures every video poker reference prints for the maximum bet.
TEST(PayTableReturn, MatchesThePublishedJacksOrBetterFigures) {
    EXPECT_NEAR(payTableReturn(GameType::JacksOrBetter96, 5).returnPercent, 99.5439, 0.00005);
    EXPECT_NEAR(payTableReturn(GameType::JacksOrBetter85, 5).returnPercent, 97.2984, 0.00005);
}

struct GameBet {
    GameType game;
    int coins;
};

void PrintTo(const GameBet& row, std::ostream* os) {
    *os << gameCode(row.game) << " bet " << row.coins;
}

class PayTableReturnOf : public testing::TestWithParam<GameBet> {};

// Guards the final-hand probabilities: a distribution that prices the return, on the bet's own payouts.
TEST_P(PayTableReturnOf, IsPricedByItsFinalHandProbabilities) {
    const auto [game, coins] = GetParam();
    const ReturnResult result = payTableReturn(game, coins);
    const PayTable table = payTableFor(game);
    double total = 0;
    double percent = 0;
    for (std::size_t c = 0; c < HandCategoryCount; ++c) {
        EXPECT_GE(result.probability[c], 0) << categoryName(static_cast<HandCategory>(c));
        total += result.probability[c];
        percent += 100.0 * result.probability[c] *
                   handPays(static_cast<HandCategory>(c), game, table, coins) / coins;
    }
    EXPECT_NEAR(total, 1.0, 1e-12);
    EXPECT_NEAR(result.returnPercent, percent, 1e-9);
}

// Guards the return's own search for the best hold: every class of deals played by holdValues' first hold,
// weighted by its number of deals, gives the same return.
TEST_P(PayTableReturnOf, AgreesWithTheBestHoldOfEveryDeal) {
    const auto [game, coins] = GetParam();
    const StrategyTables& tables = StrategyTables::forGame(game);
    long double sum = 0;
    forEachSuitClass(
        game, [&](const Hand& hand, int weight) { sum += weight * tables.holdValues(hand, coins)[0].ev; });
    const auto deals = static_cast<long double>(choose(deckFor(flagsFor(game)).count, HandSize));
    EXPECT_NEAR(tables.payTableReturn(coins).returnPercent, static_cast<double>(100 * sum / deals), 1e-9);
}

using G = GameType;
INSTANTIATE_TEST_SUITE_P(Bets, PayTableReturnOf,
                         testing::Values(GameBet{G::JacksOrBetter85, 5}, GameBet{G::JacksOrBetter96, 1},
                                         GameBet{G::DeucesWild, 5}, GameBet{G::DeucesWild, 1},
                                         GameBet{G::JokerPoker, 5}, GameBet{G::JokerPoker, 3}),
                         [](const testing::TestParamInfo<GameBet>& row) {
                             return std::string(gameCode(row.param.game)) + "_bet_" +
                                    std::to_string(row.param.coins);
                         });

} // namespace
} // namespace tandora
