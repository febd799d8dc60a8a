#pragma once

#include <optional>
#include <string>

#include "advisor/chart_builds.h"
#include "platform/dialogs.h"

namespace tandora {

// Strategy, Strategy Chart: the chart of the game in play for the bet in use, with its return beside best
// play's and the line that applies to the hand waiting for the draw marked. The first time for a game, table
// and bet the chart is made while the dialog shows that it is being worked out.
class StrategyChartDialog : public DialogLogic {
public:
    // dealt: the hand waiting for the draw, if any.
    StrategyChartDialog(ChartBuilds& charts, ChartBuilds::Key key, std::optional<Hand> dealt);

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;
    bool poll(DialogWindow& window) override;

private:
    // False while the chart is still being made.
    bool show(DialogWindow& window);

    ChartBuilds& charts_;
    ChartBuilds::Key key_;
    std::optional<Hand> dealt_;
    bool shown_ = false;
};

// The chart's line that applies to a dealt hand, as the Trainer names it: "line 12, 4 to a Flush".
std::string chartLineText(const StrategyChart& chart, const PayTable& table, const Hand& dealt);

} // namespace tandora
