#pragma once

#include <map>
#include <optional>
#include <tuple>
#include <utility>

#include "advisor/chart_builds.h"
#include "advisor/hold_analysis.h"
#include "advisor/table_builds.h"
#include "table/hand_advisor.h"
#include "table/table_context.h"

namespace tandora {

// The Strategy menu: the best hold marked after the deal, the Trainer's question before a costly draw, and
// the analysis of every hold. It also prices every draw for the statistics. With both options off the play
// looks and sounds exactly as without it.
class StrategyAdvisor : public HandAdvisor {
public:
    explicit StrategyAdvisor(TableContext context) : ctx_(context) {}

    void StrategyMenu_ShowBestHold_Click();
    void StrategyMenu_Trainer_Click();
    void StrategyMenu_HoldAnalysis_Click();
    void StrategyMenu_StrategyChart_Click();

    // Starts building the tables of the game in play while an option needs them, so the deal finds them.
    void prepare();
    // The table shows a hand that was not dealt here (a game file was opened): marks its best hold.
    void tableReplaced();

    void dealt() override;
    bool mayDraw() override;
    void drawing() override;

    // The pay table's return under best play, in percent (computed once per game, table and bet); nothing
    // when the tables cannot be built.
    std::optional<double> payTableReturn(GameType game, const PayTable& table, int coins);
    // What the holds of this game have cost against best play, in credits; prices every draw still waiting.
    double costOfHolds();
    // The coins of the hand in play, else of the last hand drawn, else five.
    int coinsInUse() const;

private:
    bool awaitingDraw() const;
    // The chart of the game and table in play for a bet.
    ChartBuilds::Key chartKey(int coins) const;
    // The hand waiting for the draw, with the holds as they are, when it can be analysed.
    std::optional<PlayedHold> handInPlay() const;
    // Waits for the game's tables when they are not ready; nothing (after telling the player) on failure.
    std::optional<HandAnalysis> analysed(const PlayedHold& hand);
    // The game's tables priced by the table the hand was played by.
    static StrategyTables pricedFor(const StrategyTables& tables, const PlayedHold& hand);
    void showHints();
    // Adds the cost of each waiting draw whose tables are ready, or of every one when wait is set.
    void price(bool wait);

    TableContext ctx_;
    TableBuilds builds_;
    ChartBuilds charts_;
    std::map<std::tuple<GameType, PayTable, int>, double> returns_;
};

} // namespace tandora
