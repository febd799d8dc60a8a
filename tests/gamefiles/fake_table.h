#pragma once

#include "gamefiles/game_files.h"
#include "tests/support/fake_platform.h"

namespace tandora::testing_support {

// The game files' commands on a table of fakes, set up for 8/5 Jacks or Better between hands.
struct FakeTable {
    FakeTable() {
        (void)games.SetGame("jb85");
        f.log.clear();
    }

    // The table's buttons as a game file records them.
    TableButtons buttons() const {
        const TableScene t = deriveTable(s);
        return {t.dealEnabled, t.bet1Enabled, t.maxBetEnabled, t.positionsEnabled[0]};
    }

    FakePlatform f;
    GameState s;
    TableContext ctx{f.platform, s};
    GameSelection games{ctx};
    GameFiles files{ctx, games};
};

} // namespace tandora::testing_support
