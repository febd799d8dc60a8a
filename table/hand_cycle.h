#pragma once

#include "table/double_up.h"
#include "table/finish_up.h"
#include "table/hand_advisor.h"
#include "table/sound_effects.h"
#include "table/table_context.h"

namespace tandora {

class Schedule;

// One hand from the deal to the draw, with the face-down animation, the holds and the win display.
class HandCycle {
public:
    HandCycle(TableContext context, SoundEffects& sound, FinishUp& finishUp, DoubleUp& doubleUp)
        : ctx_(context), sound_(sound), finishUp_(finishUp), doubleUp_(doubleUp) {}

    // The advisor told of every deal and draw; none by default.
    void setAdvisor(HandAdvisor& advisor) { advisor_ = &advisor; }

    // Deals between hands, draws after the deal.
    void Deal_Click();
    void Deal_MouseDown(int button, int shift) { ctx_.press(Button::Deal, button, shift, true); }
    void Deal_MouseUp(int button, int shift) { ctx_.press(Button::Deal, button, shift, false); }
    // Toggles the hold of position Index 1..5, or picks it while a Double Up is open.
    void Hold_Click(int Index);
    // A click on a card is a click on its hold label.
    void HandPos_Click(int Index) { Hold_Click(Index); }

private:
    void turnFaceDown(Schedule& schedule);
    void fillPositions(const Hand& previous, Schedule& schedule);

    TableContext ctx_;
    SoundEffects& sound_;
    FinishUp& finishUp_;
    DoubleUp& doubleUp_;
    HandAdvisor none_;
    HandAdvisor* advisor_ = &none_;
};

} // namespace tandora
