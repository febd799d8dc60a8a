#pragma once

#include <gtest/gtest.h>

#include <string>

#include "gamefiles/game_files.h"
#include "tests/gamefiles/game_file_samples.h"
#include "tests/support/fake_platform.h"

namespace tandora {

inline void PrintTo(const GameFileRecord& record, std::ostream* os) {
    *os << writeGameFile(record);
}

namespace testing_support {

// The game files' commands on a table set up for 8/5 Jacks or Better, between hands, on fakes.
class GameFilesTest : public ::testing::Test {
protected:
    GameFilesTest() {
        (void)games.SetGame("jb85");
        files.setRestartHandler([this] { ++restarts; });
    }

    // Where the transcript stands before the step under test.
    std::size_t mark() const { return f.log.size(); }
    // The lines about messages, answers and files from mark on: what the player is asked and told.
    std::string talkFrom(std::size_t from) const {
        std::string text;
        for (std::size_t i = from; i < f.log.size(); ++i) {
            const std::string& line = f.log.lines()[i];
            for (const char* prefix : {"message", "answer", "file", "caption"}) {
                if (line.rfind(prefix, 0) == 0)
                    text.append(line).append("\n");
            }
        }
        return text;
    }
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
    int restarts = 0;
};

} // namespace testing_support
} // namespace tandora
