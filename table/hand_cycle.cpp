#include "table/hand_cycle.h"

#include "engine/card_draw.h"
#include "engine/evaluation.h"
#include "table/timing.h"

namespace tandora {

namespace {

constexpr std::chrono::milliseconds FaceDown{100};
constexpr std::chrono::milliseconds BetweenPositions{50};

} // namespace

void HandCycle::Deal_Click() {
    GameState& s = ctx_.state;
    if (s.HandState == HandStates::Dealt && !advisor_->mayDraw())
        return;
    ctx_.view().setBusyPointer(true);
    s.bChange = true;
    s.DoubleUpPending = false;
    s.WinStrip = HandCategory::NoWin;
    s.eval.WildCount = 0;
    const bool dealing = s.HandState == HandStates::BetweenHands;
    if (dealing) {
        s.Held = {};
        s.DoubleUpPick = 0;
        // The dealt hand pays nothing; PAID waits for the draw.
        s.PaidAmount = 0;
    } else {
        advisor_->drawing();
    }
    ctx_.showAndRepaint();
    const Hand previous = s.Hand;
    // One schedule for the whole animation, so painting a step never lengthens it.
    Schedule schedule(ctx_.platform.clock);
    turnFaceDown(schedule);
    fillPositions(previous, schedule);

    const HandCategory category = evaluateHand(s.Hand, s.flags(), s.rules().CardRank, s.eval);
    // A row of a table of the player's own may pay nothing at any bet; its hand lights no row.
    const bool pays = handPays(category, s.game(), s.rules().PayTable, 1) > 0 ||
                      handPays(category, s.game(), s.rules().PayTable, MaxCoins) > 0;
    if (dealing) {
        // A paying dealt hand shows what it already holds, without paying.
        if (pays)
            s.WinStrip = category;
        s.HandState = HandStates::Dealt;
        advisor_->dealt();
        ctx_.showAndRepaint();
    } else {
        s.vHandsPlayed = addStatistic(s.vHandsPlayed, 1);
        s.PaidAmount = handPays(category, s.game(), s.rules().PayTable, s.CoinsBet);
        // Only hands that pay are counted; a row of the player's own table may pay nothing.
        if (s.PaidAmount > 0)
            countHand(category, s.game(), s.HandCounts);
        if (s.PaidAmount > 0) {
            s.WinStrip = category;
            ctx_.show();
            if (s.SoundOn)
                sound_.PlayResSound(winSound(category, s.game()), false);
        }
        // A win that doubled would pass the CREDITS counter (only under tables that pay that much) is not
        // gambled.
        if (s.PaidAmount > 0 && s.options.DoubleUpOn && s.vPoints + 2 * s.PaidAmount <= MaxShownCredits) {
            doubleUp_.offer();
            return;
        }
        finishUp_.DoFinishUp(-1, -1, 0);
    }
    ctx_.view().setBusyPointer(false);
}

// Every position that is not held and not already face down turns face down with a flip.
void HandCycle::turnFaceDown(Schedule& schedule) {
    GameState& s = ctx_.state;
    for (std::size_t i = 0; i < HandSize; ++i) {
        if (s.Held[i] || s.Hand[i] == CardBackCode)
            continue;
        s.Hand[i] = CardBackCode;
        ctx_.show();
        if (s.SoundOn)
            sound_.PlayResSound(Waves::CardFlip, true);
        ctx_.view().repaint();
        schedule.next(FaceDown);
    }
}

void HandCycle::fillPositions(const Hand& previous, Schedule& schedule) {
    GameState& s = ctx_.state;
    for (int i = 0; i < HandSize; ++i) {
        if (!s.Held[static_cast<std::size_t>(i)]) {
            drawCard(i, s.Hand, previous, s.rules().deck, ctx_.platform.random);
            ctx_.show();
        }
        ctx_.view().repaint();
        if (i < HandSize - 1)
            schedule.next(BetweenPositions);
    }
}

void HandCycle::Hold_Click(int Index) {
    GameState& s = ctx_.state;
    if (Index < 1 || Index > HandSize)
        return;
    if (s.DoubleUpPending) {
        doubleUp_.pick(Index);
        return;
    }
    bool& held = s.Held[static_cast<std::size_t>(Index - 1)];
    held = !held;
    ctx_.showAndRepaint();
}

} // namespace tandora
