#include "advisor/trainer_dialog.h"

namespace tandora {

namespace {

constexpr ControlName lblBest{"lblBest"};
constexpr ControlName lblCost{"lblCost"};
constexpr ControlName btnDrawAnyway{"btnDrawAnyway"};
constexpr ControlName btnChangeHold{"btnChangeHold"};
constexpr ControlName picCards[HandSize] = {ControlName{"picCard1"}, ControlName{"picCard2"},
                                            ControlName{"picCard3"}, ControlName{"picCard4"},
                                            ControlName{"picCard5"}};

} // namespace

TrainerDialog::TrainerDialog(HandAnalysis analysis, const std::array<int, HandSize>& cardPictures,
                             std::optional<std::string> chartLine)
    : analysis_(std::move(analysis)), chartLine_(std::move(chartLine)) {
    for (std::size_t i = 0; i < HandSize; ++i) {
        if (analysis_.best().mask >> i & 1)
            bestPictures_.push_back(cardPictures[i]);
    }
}

DialogLayout TrainerDialog::layout() const {
    DialogLayout layout{"Trainer", {{label(lblBest, "")}}};
    std::vector<DialogControl> cards;
    for (std::size_t i = 0; i < bestPictures_.size(); ++i) {
        DialogControl card;
        card.kind = DialogControlKind::Picture;
        card.name = picCards[i];
        card.picture = bestPictures_[i];
        cards.push_back(card);
    }
    if (!cards.empty())
        layout.rows.push_back(cards);
    DialogControl cost = wrappedLabel(lblCost);
    cost.minimumWidth = 380;
    layout.rows.push_back({cost});
    // A learner who presses Enter or Escape out of habit keeps the hand and can think again.
    layout.rows.push_back(
        {button(btnDrawAnyway, "Draw Anyway"), button(btnChangeHold, "Change Hold", true, true)});
    return layout;
}

void TrainerDialog::load(DialogWindow& window) {
    const HandAnalysis& a = analysis_;
    window.setText(lblBest, a.best().mask == 0
                                ? "The best hold is none: draw five new cards."
                                : "The best hold is " + heldCardsText(a.hand.dealt, a.best().mask) + ".");
    window.setText(lblCost,
                   "Your hold, " + holdPhrase(a.hand.dealt, a.hand.heldMask) + ", is worth " +
                       creditsText(creditsOf(a.chosen())) + " credits on average; the best hold is worth " +
                       creditsText(creditsOf(a.best())) + ". Holding yours costs " + costText(a.cost()) +
                       "." + (chartLine_ ? " The strategy chart says: " + *chartLine_ + "." : ""));
}

void TrainerDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button == btnDrawAnyway)
        drawAnyway_ = true;
    else if (button != btnChangeHold)
        return;
    window.close();
}

} // namespace tandora
