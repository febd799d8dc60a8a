#include <gtest/gtest.h>

#include "tests/gamefiles/game_files_fixture.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::fileOf;
using testing_support::sampleLines;
using Files = std::vector<std::string>;

// The sample with one line changed by edit, for every line the predicate picks.
template <typename Edit>
Files eachLine(
    Edit edit, bool (*picked)(int) = [](int) { return true; }) {
    Files files;
    for (int line = 1; line <= 42; ++line) {
        if (!picked(line))
            continue;
        auto lines = sampleLines();
        edit(lines, line - 1);
        files.push_back(fileOf(lines));
    }
    return files;
}

std::string joined(const char* ending) {
    std::string text;
    for (const std::string& line : sampleLines())
        text.append(line).append(ending);
    return text;
}

struct BrokenRow {
    const char* name;
    Files (*files)();
};

void PrintTo(const BrokenRow& row, std::ostream* os) {
    *os << row.name;
}

class BrokenFiles : public testing_support::GameFilesTest, public ::testing::WithParamInterface<BrokenRow> {};

// Guards the all-or-nothing read, line by line: a broken file is refused before any of it reaches the game,
// the table or the window's caption. (Random bytes are the fuzz loop's.)
TEST_P(BrokenFiles, LeaveTheGameExactlyAsItWas) {
    s.vPoints = 250;
    s.CoinsBet = 3;
    s.PaidAmount = 40;
    s.HandState = HandStates::Dealt;
    s.Hand = {1, 14, 27, 40, 0};
    s.HandCounts[12] = 9;
    s.bChange = true;
    const Files corpus = GetParam().files();
    ASSERT_FALSE(corpus.empty());
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        SCOPED_TRACE("file " + std::to_string(i));
        f.files.put("/g/broken.tn2", corpus[i]);
        const std::string before = testing_support::stateText(s);
        const std::size_t from = f.log.size();
        EXPECT_FALSE(files.OpenOrSaveFile("/g/broken.tn2", FileModes::Read));
        EXPECT_EQ(testing_support::stateText(s), before);
        EXPECT_EQ(f.log.textFrom(from),
                  testing_support::lines({"pointer busy", "pointer default",
                                          "message Open Game: /g/broken.tn2\r\n\r\nNot a valid Tandora game "
                                          "file or the file is corrupt."}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, BrokenFiles,
    ::testing::Values(
        BrokenRow{"EachLineRemoved",
                  [] { return eachLine([](Files& l, int i) { l.erase(l.begin() + i); }); }},
        // The fixed lines 18 to 20 are ignored and an empty hold line is a card not held: those may be empty.
        BrokenRow{"EachLineEmptied",
                  [] {
                      return eachLine(
                          [](Files& l, int i) { l[static_cast<std::size_t>(i)].clear(); },
                          [](int line) { return line < 18 || (line > 20 && line < 25) || line > 29; });
                  }},
        BrokenRow{"EachLineTooLong",
                  [] {
                      return eachLine(
                          [](Files& l, int i) { l[static_cast<std::size_t>(i)] += std::string(81, ' '); });
                  }},
        BrokenRow{
            "EachLineNonAscii",
            [] { return eachLine([](Files& l, int i) { l[static_cast<std::size_t>(i)] += "\xC3\xA9"; }); }},
        BrokenRow{"HugeNumbers",
                  [] {
                      return eachLine(
                          [](Files& l, int i) {
                              std::string& line = l[static_cast<std::size_t>(i)];
                              line =
                                  line.substr(0, line.find_first_of("0123456789")) + "99999999999999999999";
                          },
                          [](int line) {
                              return (line >= 5 && line <= 10) || line == 13 || line == 15 ||
                                     (line >= 22 && line <= 24) || line >= 30;
                          });
                  }},
        BrokenRow{"LineEndings",
                  [] {
                      auto lfInside = sampleLines();
                      lfInside[9] += "\n" + lfInside[10];
                      lfInside.erase(lfInside.begin() + 10);
                      return Files{joined("\r"), joined("\n"), joined("\n\r"), fileOf(lfInside)};
                  }},
        BrokenRow{"OneMegabyteOfText",
                  [] {
                      std::string text;
                      while (text.size() < 1024 * 1024)
                          text += fileOf(sampleLines());
                      return Files{text};
                  }}),
    testing_support::RowName{});

} // namespace
} // namespace tandora
