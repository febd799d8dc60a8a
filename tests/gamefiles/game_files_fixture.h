#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/gamefiles/fake_table.h"
#include "tests/gamefiles/game_file_samples.h"

namespace tandora {

inline void PrintTo(const GameFileRecord& record, std::ostream* os) {
    *os << writeGameFile(record);
}

namespace testing_support {

// A table of fakes whose New Game only counts how often it ran.
class GameFilesTest : public ::testing::Test, protected FakeTable {
protected:
    GameFilesTest() {
        files.setRestartHandler([this] { ++restarts; });
    }

    // The lines about messages, answers, files and the caption from index from on: what the player is
    // asked and told.
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

    int restarts = 0;
};

} // namespace testing_support
} // namespace tandora
