#pragma once

#include "gamefiles/game_files.h"
#include "tests/support/fake_platform.h"

namespace tandora::testing_support {

// The game files' commands on a table of fakes, set up for 8/5 Jacks or Better between hands.
struct FakeTable {
    FakeTable() { (void)games.SetGame("jb85"); }

    // The table's buttons as a game file records them.
    TableButtons buttons() const {
        return {f.view.isEnabled({Control::Deal}), f.view.isEnabled({Control::Bet1}),
                f.view.isEnabled({Control::MaxBet}), f.view.isEnabled({Control::Hold, 1})};
    }

    FakePlatform f;
    GameState s;
    TableContext ctx{f.platform, s};
    Counters counters{ctx};
    GameSelection games{ctx, counters};
    GameFiles files{ctx, counters, games};
};

} // namespace tandora::testing_support
