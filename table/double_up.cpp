#include "table/double_up.h"

#include "engine/card_draw.h"
#include "platform/table_layout.h"

namespace tandora {

void DoubleUp::offer() {
    GameState& s = ctx_.state;
    s.DoubleUpOffered = true;
    s.DoubleUpPending = true;
    ctx_.showAndRepaint();
    ctx_.view().setBusyPointer(false);
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
    // Every card turns face down; the dealer's is drawn from the whole deck, even one of the hand's.
    s.DoubleUpOffered = false;
    s.Hand[0] = CardBackCode;
    ctx_.showAndRepaint();
    if (s.SoundOn)
        sound_.PlayResSound(Waves::CardFlip, true);
    s.Hand[0] = drawAnyCard(s.rules().deck, ctx_.platform.random);
    ctx_.showAndRepaint();
}

void DoubleUp::pick(int Index) {
    GameState& s = ctx_.state;
    if (s.DoubleUpOffered || s.DoubleUpPick != 0 || Index < 2 || Index > HandSize)
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
    s.DoubleUpPick = Index;
    if (s.SoundOn)
        sound_.PlayResSound(Waves::CardFlip, true);
    ctx_.showAndRepaint();
    const CardRank& rank = s.rules().CardRank;
    finishUp_.DoFinishUp(rank[s.Hand[0]], rank[s.Hand[static_cast<std::size_t>(Index - 1)]], Index);
}

void DoubleUp::OptionsMenu_DoubleUp_Click() {
    GameState& s = ctx_.state;
    s.options.DoubleUpOn = !s.options.DoubleUpOn;
    s.bChange = true;
    ctx_.show();
}

} // namespace tandora
