#pragma once

#include <optional>
#include <string>

#include <vector>

#include "advisor/hold_analysis.h"

namespace tandora {

// The Trainer's question before a draw that gives credits away: it names the best hold, shows its cards
// and says what the player's hold costs. Change Hold (also Enter and Escape) goes back to the dealt hand.
class TrainerDialog : public DialogLogic {
public:
    // cardPictures: the picture of each dealt card, positions 1..5, in the deck on the table.
    // chartLine: the strategy chart's line for the hand, when the chart is ready ("line 12, 4 to a Flush").
    TrainerDialog(HandAnalysis analysis, const std::array<int, HandSize>& cardPictures,
                  std::optional<std::string> chartLine = std::nullopt);

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;

    bool drawAnyway() const { return drawAnyway_; }

private:
    HandAnalysis analysis_;
    std::vector<int> bestPictures_;
    bool drawAnyway_ = false;
    std::optional<std::string> chartLine_;
};

} // namespace tandora
