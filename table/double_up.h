#pragma once

#include "table/finish_up.h"
#include "table/sound_effects.h"
#include "table/table_context.h"

namespace tandora {

// The gamble of a winning hand: the dealer's card against one the player picks from four.
class DoubleUp {
public:
    DoubleUp(TableContext context, FinishUp& finishUp, SoundEffects& sound)
        : ctx_(context), finishUp_(finishUp), sound_(sound) {}

    // Lays the question over the table at the end of a paying draw; the hand stays open.
    void offer();
    // A mouse release on the question picture, x and y in pixels of the picture.
    void imgDoubleUp_MouseUp(int button, int shift, int x, int y);
    // The player's pick of position Index (2..5) while the gamble is open.
    void pick(int Index);

    void OptionsMenu_DoubleUp_Click();

private:
    void accept();

    TableContext ctx_;
    FinishUp& finishUp_;
    SoundEffects& sound_;
};

} // namespace tandora
