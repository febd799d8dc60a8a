#include "table/hand_cycle.h"

#include "engine/card_draw.h"
#include "engine/evaluation.h"
#include "platform/table_layout.h"
#include "table/timing.h"

namespace tandora {

namespace {

constexpr int FaceDownMilliseconds = 100;
constexpr int BetweenPositionsMilliseconds = 50;

} // namespace

void HandCycle::Deal_Click() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    if (s.HandState == HandStates::Dealt && !advisor_->mayDraw())
        return;
    view.setBusyPointer(true);
    s.bChange = true;
    s.DoubleUpPending = false;
    view.setVisible({Control::WinHighlight}, false);
    s.eval.WildCount = 0;
    const bool dealing = s.HandState == HandStates::BetweenHands;
    if (!dealing)
        advisor_->drawing();
    if (dealing) {
        for (int i = 1; i <= HandSize; ++i) {
            view.setPicture({Control::Hold, i}, HoldEmptyPicture);
            s.Held[static_cast<std::size_t>(i - 1)] = false;
        }
    }
    view.repaint();
    const Hand previous = s.Hand;
    turnFaceDown();
    fillPositions(previous);

    const HandCategory category = evaluateHand(s.Hand, s.flags(), s.rules().CardRank, s.eval);
    s.PaidAmount = handPays(category, s.game(), s.rules().PayTable, s.CoinsBet);

    if (dealing) {
        endDeal(category);
        advisor_->dealt();
    } else {
        countHand(category, s.game(), s.HandCounts);
        ++s.vHandsPlayed;
        if (s.PaidAmount > 0) {
            showWinStrip(category);
            counters_.UpdateNumbers("Paid", s.PaidAmount);
            if (s.SoundOn)
                sound_.PlayResSound(winSound(category, s.game()), false);
        }
        if (s.PaidAmount > 0 && s.options.DoubleUpOn) {
            doubleUp_.offer();
            return;
        }
        finishUp_.DoFinishUp(-1, -1, 0);
    }
    view.setBusyPointer(false);
}

// Every position that is not held turns face down with a flip. Positions already showing the card back
// (after set-up or a game change) turn too, so the first deal looks and sounds like every other one.
void HandCycle::turnFaceDown() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    for (int i = 1; i <= HandSize; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        if (s.Held[at])
            continue;
        view.setPicture({Control::HandPos, i}, s.DeckPictureBase());
        s.Hand[at] = CardBackCode;
        if (s.SoundOn)
            sound_.PlayResSound(Waves::CardFlip, true);
        view.repaint();
        Pause(ctx_.platform.clock, FaceDownMilliseconds, "Milliseconds");
    }
}

void HandCycle::fillPositions(const Hand& previous) {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    for (int i = 1; i <= HandSize; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        if (!s.Held[at]) {
            drawCard(i - 1, s.Hand, previous, s.rules().deck, ctx_.platform.random);
            view.setPicture({Control::HandPos, i}, s.cardPictureOf(s.Hand[at]));
        }
        view.repaint();
        if (i < HandSize)
            Pause(ctx_.platform.clock, BetweenPositionsMilliseconds, "Milliseconds");
    }
}

void HandCycle::showWinStrip(HandCategory category) {
    TableView& view = ctx_.view();
    const GameType game = ctx_.state.game();
    view.setGeometry({Control::WinHighlight}, Layout::winHighlightPlace(category, game));
    view.setPicture({Control::WinHighlight}, rowLabelPicture(category, game));
    view.setVisible({Control::WinHighlight}, true);
}

// The dealt hand waits for holds; a paying one shows what it already holds, without paying.
void HandCycle::endDeal(HandCategory category) {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    if (payTableRow(category, s.game()))
        showWinStrip(category);
    view.repaint();
    for (int i = 1; i <= HandSize; ++i) {
        view.setEnabled({Control::HandPos, i}, true);
        view.setEnabled({Control::Hold, i}, true);
    }
    ctx_.setButton(Control::Deal, DrawPictures, true);
    ctx_.setButton(Control::Bet1, Bet1Pictures, false);
    ctx_.setButton(Control::MaxBet, MaxBetPictures, false);
    s.HandState = HandStates::Dealt;
    view.repaint();
}

// Deal between hands, Draw after the deal: the pressed or released look of whichever the button is.
void HandCycle::showDealButton(int button, int shift, bool down) {
    const int state = ctx_.state.HandState;
    if (button == 1 && shift == 0 && (state == HandStates::BetweenHands || state == HandStates::Dealt)) {
        const ButtonPictures& face = state == HandStates::BetweenHands ? DealPictures : DrawPictures;
        ctx_.view().setPicture({Control::Deal}, down ? face.pressed : face.enabled);
    }
    ctx_.view().repaint();
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
    ctx_.view().setPicture({Control::Hold, Index}, held ? HoldHeldPicture : advisor_->unheldPicture(Index));
    ctx_.view().repaint();
}

} // namespace tandora
