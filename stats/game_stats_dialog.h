#pragma once

#include "platform/dialogs.h"
#include "stats/statistics_sheet.h"
#include "table/table_context.h"

namespace tandora {

// frmGameStats: the statistics of the game in play, with Print and Save of the same report.
class GameStatsDialog : public DialogLogic {
public:
    explicit GameStatsDialog(TableContext context) : ctx_(context) {}

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, const std::string& button) override;

private:
    void print();
    void save();

    TableContext ctx_;
    StatisticsSheet sheet_;
};

// The Game menu's statistics command.
class GameStatistics {
public:
    explicit GameStatistics(TableContext context) : ctx_(context) {}

    // Ctrl+G; shows the dialog modally whatever the state of the hand.
    void GameMenu_Stats_Click();

private:
    TableContext ctx_;
};

} // namespace tandora
