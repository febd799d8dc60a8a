#pragma once

#include "table/counters.h"
#include "table/sound_effects.h"
#include "table/table_context.h"

namespace tandora {

// Ends a hand: settles a Double Up, pays the win into the credits, counts the statistics and returns
// the table to betting. The only place where a win reaches the credits.
class FinishUp {
public:
    FinishUp(TableContext context, Counters& counters, SoundEffects& sound)
        : ctx_(context), counters_(counters), sound_(sound) {}

    // Ranks are card ranks (1 ace .. 13 king, 0 the joker) or -1 when there was no Double Up comparison;
    // PickedPosition is the picked card's position 2..5, or 0.
    void DoFinishUp(int DealerRank, int PlayerRank, int PickedPosition = 0);

private:
    int doubleUpRank(int rank) const;

    TableContext ctx_;
    Counters& counters_;
    SoundEffects& sound_;
};

// The menu items a Double Up locks while it is open, in the order they are locked and freed again.
inline constexpr MenuItem DoubleUpLockedMenus[] = {
    MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JacksOrBetter, MenuItem::OptionsMenu_DoubleUp,
    MenuItem::OptionsMenu_SelectDeck, MenuItem::OptionsMenu_SoundEffects,  MenuItem::AddCreditsMenu,
    MenuItem::GameMenu_SaveGame,      MenuItem::GameMenu_SaveGameAs,
};

} // namespace tandora
