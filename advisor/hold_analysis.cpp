#include "advisor/hold_analysis.h"

#include <algorithm>
#include <cstdio>

#include "engine/game_draw.h"

namespace tandora {

namespace {

constexpr ControlName lblHand{"lblHand"};
constexpr ControlName lblNote{"lblNote"};
constexpr ControlName lblHolds{"lblHolds"};
constexpr ControlName lblSummary{"lblSummary"};

constexpr const char* Crlf = "\r\n";
constexpr std::size_t CreditsWidth = 10;
constexpr std::size_t PerCoinWidth = 10;

std::string perCoinText(double ev) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", ev);
    return text;
}

std::string betText(int coins) {
    return std::to_string(coins) + (coins == 1 ? " coin bet" : " coins bet");
}

std::string dealtText(const Hand& hand) {
    return heldCardsText(hand, static_cast<std::uint8_t>(HoldCount - 1));
}

} // namespace

const HoldValue& HandAnalysis::chosen() const {
    const auto found =
        std::find_if(holds.begin(), holds.end(), [&](const HoldValue& h) { return h.mask == hand.heldMask; });
    return found == holds.end() ? holds[0] : *found;
}

bool HandAnalysis::chosenIsWorse() const {
    const HoldValue& c = chosen();
    const HoldValue& b = best();
    return c.paid * b.draws < b.paid * c.draws;
}

double HandAnalysis::cost() const {
    return chosenIsWorse() ? creditsOf(best()) - creditsOf(chosen()) : 0.0;
}

HandAnalysis analyse(const StrategyTables& tables, const PlayedHold& hand) {
    return {hand, holdValuesFor(tables, hand.dealt, hand.coins, DrawModel::Game)};
}

std::string holdTable(const HandAnalysis& analysis) {
    std::size_t holdWidth = shownWidth("Hold");
    for (const HoldValue& h : analysis.holds)
        holdWidth = std::max(holdWidth, shownWidth(holdText(analysis.hand.dealt, h.mask)));
    holdWidth += 2;
    std::string text = "      " + padShownRight("Hold", holdWidth) + padShownLeft("Credits", CreditsWidth) +
                       padShownLeft("Per coin", PerCoinWidth);
    int rank = 0;
    for (const HoldValue& h : analysis.holds) {
        text += Crlf;
        text += h.mask == analysis.hand.heldMask ? "> " : "  ";
        text += padShownLeft(std::to_string(++rank), 2) + "  ";
        text += padShownRight(holdText(analysis.hand.dealt, h.mask), holdWidth);
        text += padShownLeft(creditsText(creditsOf(h)), CreditsWidth);
        text += padShownLeft(perCoinText(h.ev), PerCoinWidth);
    }
    return text;
}

HoldAnalysisDialog::HoldAnalysisDialog(Moment moment, HandAnalysis analysis)
    : moment_(moment), analysis_(std::move(analysis)) {}

HoldAnalysisDialog::HoldAnalysisDialog(std::string problem)
    : moment_(Moment::NoHand), problem_(std::move(problem)) {}

DialogLayout HoldAnalysisDialog::layout() const {
    DialogLayout layout{"Hold Analysis", {{label(lblHand, "")}}};
    DialogControl note = wrappedLabel(lblNote);
    note.minimumWidth = 440;
    layout.rows.push_back({note});
    if (analysis_) {
        DialogControl holds = label(lblHolds, "");
        holds.fixedPitch = true;
        layout.rows.push_back({holds});
        DialogControl summary = wrappedLabel(lblSummary);
        summary.minimumWidth = 440;
        layout.rows.push_back({summary});
    }
    layout.rows.push_back({button(btnOK, "OK", true, true)});
    return layout;
}

std::string HoldAnalysisDialog::handLine() const {
    const PlayedHold& h = analysis_->hand;
    const std::string hand =
        std::string(gameName(h.game)) + ", " + betText(h.coins) + ". Dealt: " + dealtText(h.dealt);
    return moment_ == Moment::Finished ? "The last hand: " + hand : hand;
}

std::string HoldAnalysisDialog::summary() const {
    const HandAnalysis& a = *analysis_;
    const std::string best = creditsText(creditsOf(a.best()));
    const std::string chosen = creditsText(creditsOf(a.chosen()));
    const std::string bestHold = holdPhrase(a.hand.dealt, a.best().mask);
    const std::string chosenHold = holdPhrase(a.hand.dealt, a.hand.heldMask);
    if (moment_ == Moment::Dealt) {
        if (a.chosen().mask == a.best().mask)
            return "Your hold is the best hold: it is worth " + best + " credits on average.";
        if (!a.chosenIsWorse())
            return "Your hold is worth " + chosen + " credits on average, as much as the best hold.";
        return "Your hold is worth " + chosen + " credits on average; the best hold, " + bestHold +
               ", is worth " + best + ". Holding yours costs " + costText(a.cost()) + ".";
    }
    if (a.chosen().mask == a.best().mask)
        return "You held " + chosenHold + ", the best hold: the hand was worth " + best +
               " credits on average.";
    if (!a.chosenIsWorse())
        return "You held " + chosenHold + ", worth " + chosen +
               " credits on average, as much as the best hold.";
    return "With the best hold, " + bestHold + ", the hand was worth " + best +
           " credits on average; your hold, " + chosenHold + ", was worth " + chosen + ". It cost " +
           costText(a.cost()) + ".";
}

void HoldAnalysisDialog::load(DialogWindow& window) {
    if (!analysis_) {
        window.setText(lblHand, problem_.empty()
                                    ? "No hand has been dealt yet."
                                    : "The cards on the table cannot be analysed: " + problem_ + ".");
        window.setText(lblNote, "Deal a hand, then choose Strategy, Hold Analysis to see what every way of "
                                "holding it is worth.");
        return;
    }
    const PlayedHold& h = analysis_->hand;
    const int cardsLeft = deckFor(flagsFor(h.game)).count - HandSize;
    window.setText(lblHand, handLine());
    window.setText(lblNote,
                   "What each hold pays back on average over every draw this table can make from the " +
                       std::to_string(cardsLeft) +
                       " cards left and your discards (a discarded card can come back at a place to "
                       "its left): credits for the whole bet, and per coin bet. The sign > marks your "
                       "hold.");
    window.setText(lblHolds, holdTable(*analysis_));
    window.setText(lblSummary, summary());
}

void HoldAnalysisDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button == btnOK)
        window.close();
}

} // namespace tandora
