#include <gtest/gtest.h>

#include <limits>
#include <regex>
#include <sstream>
#include <tuple>

#include "stats/game_stats_dialog.h"
#include "stats/number_format.h"
#include "table/value_text.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

// Guards the "0.00" form: exact rounding half away from zero, carries into the whole part, no "-0.00"; and
// "#,##0", the one grouping the statistics, the help and the credit texts share: commas every three digits
// from the right, none below 1,000, the sign outside the groups, and the smallest int64; and the report's
// columns: padding never cuts a text that is already as wide (padding itself is the report's test).
TEST(NumberFormat, RoundsExactlyGroupsThousandsAndPadsWithoutCutting) {
    const std::tuple<std::int64_t, std::int64_t, int, const char*> rows[] = {
        {1, 8, 2, "0.13"},        {96005, 1000, 2, "96.01"},
        {1249, 10000, 2, "0.12"}, {19999, 2000, 2, "10.00"},
        {-10, 4, 2, "-2.50"},     {-1, 1000, 2, "0.00"},
        {7, 2, 0, "4"},           {123456789012, 1, 2, "123456789012.00"}};
    for (const auto& [numerator, denominator, decimals, expected] : rows)
        EXPECT_EQ(decimalText(numerator, denominator, decimals), expected) << numerator << "/" << denominator;
    const std::pair<std::int64_t, const char*> grouped[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {-123456, "-123,456"}};
    for (const auto& [value, text] : grouped)
        EXPECT_EQ(groupedNumber(value), text);
    EXPECT_EQ(groupedNumber(std::numeric_limits<std::int64_t>::min()), "-9,223,372,036,854,775,808");
    EXPECT_EQ(padRight("Three of a Kind", 5) + "|" + padLeft("1,234", 5), "Three of a Kind|1,234");
}

using testing_support::press;

struct GameStatsTest : ::testing::Test {
    // Opens the statistics as the Game menu does, plays the script and returns the dialog's texts as it
    // closed.
    std::map<std::string, std::string> show(std::vector<testing_support::DialogAction> script = {}) {
        f.dialogs.script(std::move(script));
        GameStatistics(ctx, advisor).GameMenu_Stats_Click();
        return f.dialogs.shown().back().texts;
    }

    testing_support::FakePlatform f;
    GameState state;
    TableContext ctx{f.platform, state};
    StrategyAdvisor advisor{ctx};
};

// Guards a new game's sheet: every value zero, odds "0 in 0.00", and no division by the zero hands won, also
// for a count that a hand-edited game file carries without any win ("-": no share is invented). Then the
// odds, the return and the two number forms: 12,340 played and 4,936 won is 1 in 2.50; 240,000 won of
// 250,000 bet is 96.00; totals grouped by thousands, category counts plain with their share of wins.
TEST_F(GameStatsTest, NewGameShowsZerosThenTheOddsReturnAndShares) {
    const auto zeros = show();
    EXPECT_EQ(f.dialogs.shown().back().caption, "Game Statistics for - [untitled]");
    EXPECT_EQ(zeros.at("Label1"),
              "Hands Played\r\nHands Won\r\nOdds\r\n\r\nCredits Played\r\nCredits Won\r\nReturn %");
    EXPECT_EQ(zeros.at("Label2"), "0\r\n0\r\n0 in 0.00\r\n\r\n0\r\n0\r\n0.00");
    EXPECT_EQ(zeros.at("Label5"),
              "0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%");
    state.HandCounts[0] = 2;
    EXPECT_EQ(show().at("Label5").substr(0, 3), "-\r\n");
    state.HandCounts[0] = 0;
    state.vHandsPlayed = 12340;
    state.vHandsWon = 4936;
    state.vAmtPlayed = 250000;
    state.vAmtWon = 240000;
    state.HandCounts[12] = 3702; // jacks or better
    state.HandCounts[11] = 1234; // two pair
    const auto played = show();
    EXPECT_EQ(played.at("Label2"), "12,340\r\n4,936\r\n1 in 2.50\r\n\r\n250,000\r\n240,000\r\n96.00");
    EXPECT_EQ(played.at("Label4"), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1234\r\n3702");
    EXPECT_EQ(played.at("Label5"),
              "0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n25.00%\r\n75.00%");
}

// Guards the category rows of each game, by name and order, with the HandCounts entry each one shows (entry
// n holds the count n + 1 here, so every count names its entry); that the numbers belong to the game, not to
// the kind of game, so switching keeps them; and the Pay Table Return row against the returns published for
// these pay tables under best play with five coins.
TEST_F(GameStatsTest, EachGameShowsItsOwnRowsAndReturnOverTheSameNumbers) {
    const char* jacks =
        "Royal Flush (0)|Straight Flush (5)|Four of a Kind (6)|Full House (7)|Flush (8)|Straight (9)|"
        "Three of a Kind (10)|Two Pair (11)|Jacks Or Better (12)|";
    const std::tuple<GameType, const char*, const char*, const char*> games[] = {
        {GameType::JokerPoker, "Joker Poker",
         "Royal Flush (0)|Five of a Kind (4)|Royal w/ Joker (3)|Straight Flush (5)|Four of a Kind (6)|"
         "Full House (7)|Flush (8)|Straight (9)|Three of a Kind (10)|Two Pair (11)|Kings Or Better (12)|",
         "100.65%"},
        {GameType::JacksOrBetter85, "8/5 Jacks Or Better", jacks, "97.30%"},
        {GameType::DeucesWild, "Deuces Wild",
         "Royal Flush (0)|Four Deuces (1)|Royal w/ Deuces (2)|Five of a Kind (4)|Straight Flush (5)|"
         "Four of a Kind (6)|Full House (7)|Flush (8)|Straight (9)|Three of a Kind (10)|",
         "100.76%"},
        {GameType::JacksOrBetter96, "9/6 Jacks Or Better", jacks, "99.54%"},
    };
    state.vHandsPlayed = 200;
    state.vHandsWon = 100;
    for (std::size_t i = 0; i < state.HandCounts.size(); ++i)
        state.HandCounts[i] = static_cast<std::int32_t>(i + 1);
    for (const auto& [game, title, categories, payTableReturn] : games) {
        state.setGame(game);
        const auto texts = show();
        EXPECT_EQ(texts.at("Label6"), title);
        EXPECT_EQ(texts.at("Label2"), "200\r\n100\r\n1 in 2.00\r\n\r\n0\r\n0\r\n0.00");
        std::string rows;
        std::istringstream names(texts.at("Label3")), counts(texts.at("Label4"));
        for (std::string name, count; std::getline(names, name, '\r') && std::getline(counts, count, '\r');)
            rows += name.substr(name[0] == '\n') + " (" + std::to_string(std::stoi(count) - 1) + ")|";
        EXPECT_EQ(rows, categories);
        EXPECT_EQ(texts.at("lblStrategyNames") + "|" + texts.at("lblStrategyValues"),
                  std::string("Pay Table Return\r\nCost of Holds|") + payTableReturn + "\r\n0.00");
    }
}

// Guards the report: one text for Print and Save, its columns aligned, lines ending in CR LF; and the ways
// Print and Save can end: a cancel says nothing, a failure says so, the dialog stays open.
TEST_F(GameStatsTest, PrintAndSaveProduceTheSameReportAndSayWhenTheyFail) {
    state.GameTitle = "evening.tn2";
    state.setGame(GameType::DeucesWild);
    state.vHandsPlayed = 1234;
    state.vHandsWon = 400;
    state.vAmtPlayed = 6170;
    state.vAmtWon = 5923;
    state.HandCounts = {1, 2, 3, 0, 10, 4, 60, 50, 70, 80, 120, 0, 0};
    f.fileDialogs.answer("/home/player/Documents/evening.txt");
    show({press("btnPrint"), press("btnSave"), press("btnOK")});
    ASSERT_EQ(f.printer.jobs.size(), 1u);
    const std::string report = f.printer.jobs[0].text;
    EXPECT_EQ(f.printer.jobs[0].title, "Game Statistics for evening.tn2");
    EXPECT_EQ(f.files.contents("/home/player/Documents/evening.txt"), report);
    // The rows are the dialog's; here the title, the gaps and the columns sharing one right edge matter.
    EXPECT_TRUE(std::regex_match(
        report, std::regex("Game Statistics for evening\\.tn2\r\nDeuces Wild\r\n(\r\n(.{32}\r\n)+){4}")))
        << report;
    for (const char* line : {"Odds                   1 in 3.09", "Pay Table Return         100.76%",
                             "Hand              Count  Percent", "Five of a Kind       10    2.50%"})
        EXPECT_NE(report.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
    const FileDialogRequest& request = f.fileDialogs.requests().at(0);
    EXPECT_EQ(request.initialFolder + "|" + request.defaultSuffix + "|" + request.filters.at(0).pattern,
              "/home/player/Documents|txt|*.txt");
    f.printer.answer = PrintResult::Cancelled;
    show({press("btnPrint"), press("btnSave")});
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_EQ(f.log.matching("file write").size(), 1u) << "only the save above";
    const std::size_t mark = f.log.size();
    f.printer.answer = PrintResult::Failed;
    f.files.failWrites("Disk full");
    f.fileDialogs.answer("/media/stick/stats.txt");
    show({press("btnPrint"), press("btnSave"), press("btnOK")});
    EXPECT_EQ(
        f.log.textFrom(mark),
        testing_support::lines(
            {"dialog Game Statistics for - evening.tn2 shown", "dialog press btnPrint",
             "print Game Statistics for evening.tn2 -> failed",
             "message Tandora: The statistics could not be printed. Please check the printer and try again.",
             "dialog press btnSave", "file dialog save Save Statistics -> /media/stick/stats.txt",
             "file write /media/stick/stats.txt failed",
             "message Tandora: The statistics could not be saved to /media/stick/stats.txt.\r\n\r\nDisk full",
             "dialog press btnOK", "dialog Game Statistics for - evening.tn2 closed"}));
}

} // namespace
} // namespace tandora
