#include "table/finish_up.h"

namespace tandora {

namespace {

constexpr int AceHigh = 14;

} // namespace

int FinishUp::doubleUpRank(int rank) const {
    const GameFlags flags = ctx_.state.flags();
    if (rank == 1)
        return AceHigh;
    // The wild card beats everything but an ace, with which it ties.
    if (flags.DeucesWildGame && rank == 2)
        return AceHigh;
    if (!flags.DeucesWildGame && flags.JokerPokerGame && rank == 0)
        return AceHigh;
    return rank;
}

void FinishUp::DoFinishUp(int DealerRank, int PlayerRank, int PickedPosition) {
    GameState& s = ctx_.state;
    if (DealerRank < -1 || DealerRank > 52 || PlayerRank < -1 || PlayerRank > 52) {
        ctx_.messageBox("Invalid parameter.", MsgStyle::Critical, "DoFinishUp");
        return;
    }
    if (DealerRank == -1) {
        if (s.PaidAmount > 0) {
            s.vAmtWon = addStatistic(s.vAmtWon, s.PaidAmount);
            s.vHandsWon = addStatistic(s.vHandsWon, 1);
        }
    } else {
        // The picked card stays marked until the next deal.
        s.DoubleUpPick = PickedPosition;
        const int dealer = doubleUpRank(DealerRank);
        const int player = doubleUpRank(PlayerRank);
        // The hand itself paid, so it counts as won even when the gamble is lost.
        s.vHandsWon = addStatistic(s.vHandsWon, 1);
        if (player > dealer)
            s.PaidAmount *= 2;
        else if (player < dealer)
            s.PaidAmount = 0;
        s.vAmtWon = addStatistic(s.vAmtWon, s.PaidAmount);
        ctx_.show();
        if (s.SoundOn) {
            if (player > dealer)
                sound_.PlayResSound(Waves::DoubleUpWon, false);
            else if (player < dealer)
                sound_.PlayResSound(Waves::DoubleUpLost, true);
            else
                sound_.PlayResSound(Waves::DoubleUpTie, false);
        }
    }
    if (s.SoundOn && s.PaidAmount > 0)
        sound_.PlayResSound(Waves::CreditsArrive, true);
    s.vPoints += s.PaidAmount;
    s.vAmtPlayed = addStatistic(s.vAmtPlayed, s.CoinsBet);
    s.DoubleUpPending = false;
    s.DoubleUpOffered = false;
    s.LastCoinsBet = s.CoinsBet;
    s.CoinsBet = 0;
    s.HandState = HandStates::BetweenHands;
    s.GameOverShown = true;
    ctx_.showAndRepaint();
}

} // namespace tandora
