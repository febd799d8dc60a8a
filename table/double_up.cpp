#include "table/double_up.h"

#include "engine/card_draw.h"
#include "platform/table_layout.h"

namespace tandora {

void DoubleUp::offer() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    view.setGeometry({Control::imgDoubleUp}, Layout::DoubleUpQuestionPlace);
    view.setPicture({Control::imgDoubleUp}, DoubleUpQuestionPicture);
    view.setVisible({Control::imgDoubleUp}, true);
    s.DoubleUpOffered = true;
    view.repaint();
    ctx_.setButton(Control::Deal, DealPictures, false);
    ctx_.setButton(Control::MaxBet, MaxBetPictures, false);
    ctx_.setButton(Control::Bet1, Bet1Pictures, false);
    ctx_.setButton(Control::CashOut, CashOutPictures, false);
    view.repaint();
    for (int i = 1; i <= HandSize; ++i) {
        view.setEnabled({Control::HandPos, i}, false);
        view.setEnabled({Control::Hold, i}, false);
    }
    for (const MenuItem item : DoubleUpLockedMenus)
        view.setMenuEnabled({item}, false);
    s.DoubleUpPending = true;
    view.setBusyPointer(false);
}

void DoubleUp::imgDoubleUp_MouseUp(int button, int shift, int x, int y) {
    if (button != 1 || shift != 0 || !ctx_.state.DoubleUpOffered)
        return;
    if (Layout::contains(Layout::DoubleUpYesArea, x, y))
        accept();
    else if (Layout::contains(Layout::DoubleUpNoArea, x, y))
        finishUp_.DoFinishUp(-1, -1, 0);
}

void DoubleUp::accept() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    view.setEnabled({Control::Hold, 1}, false);
    view.setEnabled({Control::HandPos, 1}, false);
    view.setPicture({Control::Hold, 1}, HoldDealerPicture);
    view.repaint();
    for (int i = 2; i <= HandSize; ++i) {
        view.setPicture({Control::Hold, i}, HoldPickPicture);
        view.setEnabled({Control::Hold, i}, true);
        view.setEnabled({Control::HandPos, i}, true);
    }
    view.repaint();
    for (int i = 1; i <= HandSize; ++i)
        view.setPicture({Control::HandPos, i}, s.DeckPictureBase());
    view.repaint();
    if (s.SoundOn)
        sound_.PlayResSound(Waves::CardFlip, true);
    // The dealer's card may be any card, even one of the finished hand.
    s.Hand[0] = drawAnyCard(s.rules().deck, ctx_.platform.random);
    view.setPicture({Control::HandPos, 1}, s.cardPictureOf(s.Hand[0]));
    view.repaint();
    view.setGeometry({Control::imgDoubleUp}, Layout::DoubleUpPickPlace);
    view.setPicture({Control::imgDoubleUp}, DoubleUpPickPicture);
    view.repaint();
    s.DoubleUpOffered = false;
}

void DoubleUp::pick(int Index) {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    if (Index < 2 || Index > HandSize)
        return;
    // The four cards are drawn only now, so which face-down card the player picks cannot matter.
    const Hand kept = s.Hand;
    for (std::size_t i = 1; i < HandSize; ++i) {
        Card code = 0;
        bool taken = true;
        while (taken) {
            code = drawAnyCard(s.rules().deck, ctx_.platform.random);
            taken = false;
            for (const Card k : kept)
                taken = taken || k == code;
            for (std::size_t j = 1; j < i; ++j)
                taken = taken || s.Hand[j] == code;
        }
        s.Hand[i] = code;
    }
    if (s.SoundOn)
        sound_.PlayResSound(Waves::CardFlip, true);
    for (int i = 2; i <= HandSize; ++i)
        view.setPicture({Control::HandPos, i}, s.cardPictureOf(s.Hand[static_cast<std::size_t>(i - 1)]));
    view.repaint();
    const CardRank& rank = s.rules().CardRank;
    finishUp_.DoFinishUp(rank[s.Hand[0]], rank[s.Hand[static_cast<std::size_t>(Index - 1)]], Index);
}

void DoubleUp::OptionsMenu_DoubleUp_Click() {
    GameState& s = ctx_.state;
    s.options.DoubleUpOn = !s.options.DoubleUpOn;
    ctx_.view().setMenuChecked({MenuItem::OptionsMenu_DoubleUp}, s.options.DoubleUpOn);
    s.bChange = true;
}

} // namespace tandora
