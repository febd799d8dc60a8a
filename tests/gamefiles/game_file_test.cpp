#include <gtest/gtest.h>

#include "engine/known_pay_tables.h"
#include "gamefiles/game_file.h"
#include "tests/gamefiles/game_file_samples.h"
#include "tests/support/printers.h"

namespace tandora {

void PrintTo(const GameFileRecord& record, std::ostream* os) {
    *os << writeGameFile(record);
}

namespace {

using testing_support::fileOf;
using testing_support::sampleLines;

constexpr TableButtons SampleButtons{.dealEnabled = true, .holdsEnabled = true};

std::optional<GameFileRecord> parsedWith(int line, const std::string& text) {
    auto lines = sampleLines();
    lines[static_cast<std::size_t>(line - 1)] = text;
    return parseGameFile(fileOf(lines));
}

// Guards the exact bytes: key order, CR LF endings, the "Won " line, the fixed lines, print numbers.
TEST(GameFileWriter, WritesTheFormatByteForByte) {
    EXPECT_EQ(writeGameFile(recordOf(testing_support::sampleState(), SampleButtons)), fileOf(sampleLines()));
}

// Guards validation line by line: what a hand edit may change and what makes the file no game file. (The
// sample's hand is dealt: card backs there would be drawn to and scored. That no file holding more credits,
// a larger win or larger counts than play leaves is accepted is the fuzz loop's.)
TEST(GameFileReader, AcceptsOrRefusesEachLineEditWhole) {
    // Each edit is the line's number, a colon and its new text.
    const auto expect = [](bool accepted, std::string_view edits) {
        for (const std::string& edit : testing_support::splitAt('|', edits)) {
            const std::size_t colon = edit.find(':');
            EXPECT_EQ(parsedWith(std::stoi(edit.substr(0, colon)), edit.substr(colon + 1)).has_value(),
                      accepted)
                << edit;
        }
    };
    expect(true, "1:GamePlax=DeucesWild|5:DefPoint=400|6:CurrHand=0,13,26,39,52|7:CurScore=99999|15:Won |"
                 "15:Won 8000|42: 999999999999999 ");
    expect(false,
           "1:GamePlay=jacksorbetter|2:DoubleUp=true|3:WhatDeck=blue|5:DefPoint=7|6:CurrHand=1,2,3,4,53|"
           "6:CurrHand=1,2,3,4|6:CurrHand=1,1,2,3,4|6:CurrHand=9,2,3,4,9|6:CurrHand=0,0,0,0,0|"
           "7:CurScore=-1|7:CurScore=12abc|10:0|12:deal|13:6|13:0|15:Won-5");
}

// Guards the held lines: "TRUE" or "HELD" in any case holds, anything else does not.
TEST(GameFileReader, HeldLines) {
    for (const auto& [text, held] :
         {std::pair{"held", true}, {"TRUE", true}, {"False", false}, {"x", false}, {"", false}})
        EXPECT_EQ(parsedWith(27, text).value().Held[2], held) << text;
}

// Guards the check of every line: overlong, beyond ASCII, empty where a value is needed, or with a number
// beyond its field, any line makes the file no game file. (That a refused file leaves the game and the
// table alone is the fuzz loop's.)
TEST(GameFileReader, RefusesAnyBrokenLine) {
    for (int line = 1; line <= 42; ++line) {
        SCOPED_TRACE("line " + std::to_string(line));
        const std::string text = sampleLines()[static_cast<std::size_t>(line - 1)];
        EXPECT_FALSE(parsedWith(line, text + std::string(81, ' ')));
        EXPECT_FALSE(parsedWith(line, text + "\xC3\xA9"));
        // The fixed lines 18 to 20 are ignored and an empty hold line is a card not held.
        if (line < 18 || (line > 20 && line < 25) || line > 29) {
            EXPECT_FALSE(parsedWith(line, ""));
        }
        const std::size_t digits = text.find_first_of("0123456789");
        if (digits != std::string::npos) {
            EXPECT_FALSE(parsedWith(line, text.substr(0, digits) + "99999999999999999999"));
        }
    }
}

// Guards the file's frame: CR LF line ends only; 29 lines (no counts) or 42 and more (lines after the
// 42nd ignored), any number between cut short; and a megabyte of text is not read for its first lines.
// (What a file without counts leaves of them is the fuzz loop's.)
TEST(GameFileReader, RefusesOtherLineEndsCutFilesAndHugeFiles) {
    for (const char* ending : {"\r", "\n", "\n\r"}) {
        std::string text;
        for (const std::string& line : sampleLines())
            text.append(line).append(ending);
        EXPECT_FALSE(parseGameFile(text));
    }
    for (std::size_t count = 28; count <= 43; ++count) {
        auto lines = sampleLines();
        lines.resize(count, "later");
        EXPECT_EQ(parseGameFile(fileOf(lines)).has_value(), count == 29 || count >= 42) << count;
    }
    std::string huge;
    while (huge.size() < 1024 * 1024)
        huge += fileOf(sampleLines());
    EXPECT_FALSE(parseGameFile(huge));
}

// Guards line 43: a table other than the designed one is written after the counts and read back, and a bad
// line 43 refuses the file. (That a file may hold the largest win its own table pays, doubled, and that
// card backs write and read back, are the fuzz loop's: its seed files must be applied whole.)
TEST(GameFileReader, PayTableLineRoundTripsAndIsCheckedWhole) {
    GameState s = testing_support::sampleState();
    const std::string own = "PayTable=250,200,25,15,9,5,3,2,2,1000,4000";
    s.choosePayTable(s.game(), std::get<PayTable>(parsePayTableText(s.game(), own.substr(9))));
    const std::string bytes = writeGameFile(recordOf(s, SampleButtons));
    EXPECT_EQ(bytes, fileOf(sampleLines()) + own + "\r\n");
    EXPECT_EQ(parseGameFile(bytes)->payTable, s.chosenTable());
    const std::string most = "10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,50000";
    s.choosePayTable(GameType::JokerPoker, std::get<PayTable>(parsePayTableText(GameType::JokerPoker, most)));
    EXPECT_EQ(parseGameFile(writeGameFile(recordOf(s, SampleButtons)))->payTable, s.chosenTable())
        << "the longest line 43, 80 characters, reads back";
    EXPECT_FALSE(parseGameFile(fileOf(sampleLines()) + "PayTable=250,200,25,15,9,-5,3,2,2,1,4000\r\n"))
        << "a table the pay table check refuses (its refusals are that check's test)";
}

} // namespace
} // namespace tandora
