#pragma once

#include "advisor/strategy_advisor.h"
#include "platform/dialogs.h"
#include "stats/statistics_sheet.h"
#include "table/table_context.h"

namespace tandora {

// frmGameStats: the statistics of the game in play, with Print and Save of the same report.
class GameStatsDialog : public DialogLogic {
public:
    explicit GameStatsDialog(TableContext context, StrategyFigures figures = {})
        : ctx_(context), figures_(figures) {}

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;

private:
    void print();
    void save();

    TableContext ctx_;
    StrategyFigures figures_;
    StatisticsSheet sheet_;
};

// The Game menu's statistics command.
class GameStatistics {
public:
    GameStatistics(TableContext context, StrategyAdvisor& advisor) : ctx_(context), advisor_(advisor) {}

    // Ctrl+G; shows the dialog modally whatever the state of the hand.
    void GameMenu_Stats_Click();

private:
    TableContext ctx_;
    StrategyAdvisor& advisor_;
};

} // namespace tandora
