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
    TableView& view = ctx_.view();
    if (DealerRank < -1 || DealerRank > 52 || PlayerRank < -1 || PlayerRank > 52) {
        ctx_.messageBox("Invalid parameter.", MsgStyle::Critical, "DoFinishUp");
        return;
    }
    if (DealerRank == -1) {
        if (s.PaidAmount > 0) {
            s.vAmtWon += s.PaidAmount;
            ++s.vHandsWon;
        }
    } else {
        const int dealer = doubleUpRank(DealerRank);
        const int player = doubleUpRank(PlayerRank);
        if (player > dealer) {
            s.PaidAmount *= 2;
            s.vAmtWon += s.PaidAmount;
            ++s.vHandsWon;
            counters_.UpdateNumbers("Paid", s.PaidAmount);
            if (s.SoundOn)
                sound_.PlayResSound(Waves::DoubleUpWon, false);
        } else if (player < dealer) {
            s.PaidAmount = 0;
            ++s.vHandsWon; // the hand itself paid; only the gamble was lost
            counters_.UpdateNumbers("Paid", s.PaidAmount);
            if (s.SoundOn)
                sound_.PlayResSound(Waves::DoubleUpLost, true);
        } else {
            s.vAmtWon += s.PaidAmount;
            ++s.vHandsWon;
            counters_.UpdateNumbers("Paid", s.PaidAmount);
            if (s.SoundOn)
                sound_.PlayResSound(Waves::DoubleUpTie, false);
        }
    }
    if (s.SoundOn && s.PaidAmount > 0)
        sound_.PlayResSound(Waves::CreditsArrive, true);
    s.vPoints += s.PaidAmount;
    counters_.UpdateNumbers("Credits", s.vPoints);
    s.vAmtPlayed += s.CoinsBet;

    if (!s.DoubleUpPending) {
        for (int i = 1; i <= HandSize; ++i) {
            if (!s.Held[static_cast<std::size_t>(i - 1)])
                view.setPicture({Control::Hold, i}, HoldEmptyPicture);
            view.setEnabled({Control::Hold, i}, false);
            view.setEnabled({Control::HandPos, i}, false);
        }
    } else if (PickedPosition != 0) {
        for (int i = 2; i <= HandSize; ++i) {
            view.setPicture({Control::Hold, i}, HoldEmptyPicture);
            view.setEnabled({Control::Hold, i}, false);
            view.setEnabled({Control::HandPos, i}, false);
        }
        view.setPicture({Control::Hold, PickedPosition}, HoldPickPicture);
    }

    view.repaint();
    for (const MenuItem item : DoubleUpLockedMenus)
        view.setMenuEnabled({item}, true);
    ctx_.setButton(Control::Deal, DealPictures, false);

    view.repaint();
    view.setVisible({Control::imgDoubleUp}, false);
    view.setVisible({Control::GridLabel}, true);

    const bool credits = s.vPoints != 0;
    ctx_.setButton(Control::Bet1, Bet1Pictures, credits);
    ctx_.setButton(Control::MaxBet, MaxBetPictures, credits);

    view.repaint();
    s.DoubleUpPending = false;
    s.DoubleUpOffered = false;
    s.CoinsBet = 0;
    s.HandState = HandStates::BetweenHands;
    view.setVisible({Control::GameOver}, true);
}

} // namespace tandora
