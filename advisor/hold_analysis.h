#pragma once

#include <optional>
#include <string>

#include "advisor/hold_text.h"
#include "platform/dialogs.h"
#include "table/game_state.h"

namespace tandora {

// Every hold of one dealt hand priced for its bet, with the hold the player chose.
struct HandAnalysis {
    PlayedHold hand;
    std::array<HoldValue, HoldCount> holds{}; // best first

    const HoldValue& best() const { return holds[0]; }
    const HoldValue& chosen() const;
    // False for the best hold and for every hold exactly as good (compared as fractions, not rounded).
    bool chosenIsWorse() const;
    // What the chosen hold gives away against the best, in credits for the whole bet.
    double cost() const;
};

// Throws std::invalid_argument for a hand that cannot be dealt in its game or a bet outside 1 to 5.
HandAnalysis analyse(const StrategyTables& tables, const PlayedHold& hand);

// The 32 holds in aligned columns for a fixed-pitch font: rank, hold, credits for the bet, credits per coin;
// "> " in front of the player's hold. Lines end in CR LF, the last one without.
std::string holdTable(const HandAnalysis& analysis);

// Strategy, Hold Analysis: the holds of the hand waiting for the draw, or of the last hand once drawn.
class HoldAnalysisDialog : public DialogLogic {
public:
    enum class Moment { NoHand, Dealt, Finished };
    // A hand waiting for the draw, or the last hand drawn.
    HoldAnalysisDialog(Moment moment, HandAnalysis analysis);
    // No hand to analyse; problem says why when the table shows cards that cannot be analysed.
    explicit HoldAnalysisDialog(std::string problem = {});

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;

private:
    std::string handLine() const;
    std::string summary() const;

    Moment moment_;
    std::optional<HandAnalysis> analysis_;
    std::string problem_;
};

} // namespace tandora
