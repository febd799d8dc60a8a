#pragma once

#include "table/sound_effects.h"
#include "table/table_context.h"

namespace tandora {

// Ends a hand: settles a Double Up, pays the win into the credits, counts the statistics and returns
// the table to betting. The only place where a win reaches the credits.
class FinishUp {
public:
    FinishUp(TableContext context, SoundEffects& sound) : ctx_(context), sound_(sound) {}

    // Ranks are card ranks (1 ace .. 13 king, 0 the joker) or -1 when there was no Double Up comparison;
    // PickedPosition is the picked card's position 2..5, or 0.
    void DoFinishUp(int DealerRank, int PlayerRank, int PickedPosition = 0);

private:
    int doubleUpRank(int rank) const;

    TableContext ctx_;
    SoundEffects& sound_;
};

} // namespace tandora
