#include <gtest/gtest.h>

#include "stats/game_stats_dialog.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;
using testing_support::press;

class GameStatsTest : public ::testing::Test {
protected:
    GameStatsTest() { f.view.setCaption("Tandora - [untitled]"); }

    // Opens the statistics as the Game menu does, plays the script and returns the dialog as it closed.
    testing_support::FakeDialogs::Shown show(std::vector<testing_support::DialogAction> script = {}) {
        f.dialogs.script(std::move(script));
        GameStatistics(ctx, advisor).GameMenu_Stats_Click();
        return f.dialogs.shown().back();
    }

    FakePlatform f;
    GameState state;
    TableContext ctx{f.platform, state};
    StrategyAdvisor advisor{ctx};
};

// Guards a new game's sheet: every value zero, odds "0 in 0.00", and no division by the zero hands won,
// also for a count that a hand-edited game file carries without any win ("-": no share is invented).
TEST_F(GameStatsTest, NewGameShowsZeros) {
    const auto shown = show();
    state.HandCounts[0] = 2;
    EXPECT_EQ(show().texts.at("Label5").substr(0, 3), "-\r\n");
    EXPECT_EQ(shown.caption, "Game Statistics for - [untitled]");
    EXPECT_EQ(shown.texts.at("Label6"), "8/5 Jacks Or Better");
    EXPECT_EQ(shown.texts.at("Label1"),
              "Hands Played\r\nHands Won\r\nOdds\r\n\r\nCredits Played\r\nCredits Won\r\nReturn %");
    EXPECT_EQ(shown.texts.at("Label2"), "0\r\n0\r\n0 in 0.00\r\n\r\n0\r\n0\r\n0.00");
    EXPECT_EQ(shown.texts.at("Label4"), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0");
    EXPECT_EQ(shown.texts.at("Label5"),
              "0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%");
}

// Guards the odds and the return: 10 played and 4 won is 1 in 2.50; 240 won of 250 bet is 96.00.
TEST_F(GameStatsTest, OddsAndReturnOfAPlayedGame) {
    state.vHandsPlayed = 10;
    state.vHandsWon = 4;
    state.vAmtPlayed = 250;
    state.vAmtWon = 240;
    state.HandCounts[12] = 3; // jacks or better
    state.HandCounts[11] = 1; // two pair
    const auto shown = show();
    EXPECT_EQ(shown.texts.at("Label2"), "10\r\n4\r\n1 in 2.50\r\n\r\n250\r\n240\r\n96.00");
    EXPECT_EQ(shown.texts.at("Label5"),
              "0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n0.00%\r\n25.00%\r\n75.00%");
}

// Guards the two number forms: totals grouped by thousands, category counts as plain numbers.
TEST_F(GameStatsTest, TotalsAreGroupedAndCountsAreNot) {
    state.vHandsPlayed = 1234;
    state.vHandsWon = 2468;
    state.vAmtPlayed = 1234567;
    state.vAmtWon = 1000;
    state.HandCounts[12] = 1234;
    const auto shown = show();
    EXPECT_EQ(shown.texts.at("Label2"), "1,234\r\n2,468\r\n1 in 0.50\r\n\r\n1,234,567\r\n1,000\r\n0.08");
    EXPECT_EQ(shown.texts.at("Label4"), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1234");
    EXPECT_EQ(shown.texts.at("Label5").substr(shown.texts.at("Label5").rfind('\n') + 1), "50.00%");
}

struct GameRows {
    std::string name;
    GameType game;
    std::string title;
    std::string categories;
};

void PrintTo(const GameRows& row, std::ostream* os) {
    *os << row.title;
}

class StatsRowsPerGame : public ::testing::TestWithParam<GameRows> {};

// Guards the category rows of each game, by name and order, with the HandCounts entry each one shows:
// entry n holds the count n + 1 here, so every count names its entry.
TEST_P(StatsRowsPerGame, ShowTheGamesOwnCategories) {
    FakePlatform f;
    f.view.setCaption("Tandora - [untitled]");
    GameState state;
    state.setGame(GetParam().game);
    state.vHandsWon = 100;
    for (std::size_t i = 0; i < state.HandCounts.size(); ++i)
        state.HandCounts[i] = static_cast<std::int32_t>(i + 1);
    StrategyAdvisor advisor({f.platform, state});
    GameStatistics({f.platform, state}, advisor).GameMenu_Stats_Click();
    const auto& texts = f.dialogs.shown().back().texts;
    EXPECT_EQ(texts.at("Label6"), GetParam().title);
    std::string rows;
    std::istringstream names(texts.at("Label3")), counts(texts.at("Label4"));
    for (std::string name, count; std::getline(names, name, '\r') && std::getline(counts, count, '\r');)
        rows += name.substr(name[0] == '\n') + " (" + std::to_string(std::stoi(count) - 1) + ")|";
    EXPECT_EQ(rows, GetParam().categories);
}

INSTANTIATE_TEST_SUITE_P(
    Games, StatsRowsPerGame,
    ::testing::Values(
        GameRows{
            "Jb85", GameType::JacksOrBetter85, "8/5 Jacks Or Better",
            "Royal Flush (0)|Straight Flush (5)|Four of a Kind (6)|Full House (7)|Flush (8)|Straight (9)|"
            "Three of a Kind (10)|Two Pair (11)|Jacks Or Better (12)|"},
        GameRows{
            "Jb96", GameType::JacksOrBetter96, "9/6 Jacks Or Better",
            "Royal Flush (0)|Straight Flush (5)|Four of a Kind (6)|Full House (7)|Flush (8)|Straight (9)|"
            "Three of a Kind (10)|Two Pair (11)|Jacks Or Better (12)|"},
        GameRows{"Dw", GameType::DeucesWild, "Deuces Wild",
                 "Royal Flush (0)|Four Deuces (1)|Royal w/ Deuces (2)|Five of a Kind (4)|Straight Flush (5)|"
                 "Four of a Kind (6)|Full House (7)|Flush (8)|Straight (9)|Three of a Kind (10)|"},
        GameRows{
            "Jp", GameType::JokerPoker, "Joker Poker",
            "Royal Flush (0)|Five of a Kind (4)|Royal w/ Joker (3)|Straight Flush (5)|Four of a Kind (6)|"
            "Full House (7)|Flush (8)|Straight (9)|Three of a Kind (10)|Two Pair (11)|"
            "Kings Or Better (12)|"}),
    testing_support::RowName{});

struct ReturnRow {
    std::string name;
    GameType game;
    std::string percent;
};

void PrintTo(const ReturnRow& row, std::ostream* os) {
    *os << row.name;
}

class PayTableReturnRow : public ::testing::TestWithParam<ReturnRow> {};

// Guards the Pay Table Return row against the returns published for these pay tables under best play with
// five coins, and the designed rows beside it against any change.
TEST_P(PayTableReturnRow, IsThePublishedReturn) {
    FakePlatform f;
    f.view.setCaption("Tandora - [untitled]");
    GameState state;
    state.setGame(GetParam().game);
    StrategyAdvisor advisor({f.platform, state});
    GameStatistics({f.platform, state}, advisor).GameMenu_Stats_Click();
    const auto& texts = f.dialogs.shown().back().texts;
    EXPECT_EQ(texts.at("lblStrategyNames"), "Pay Table Return\r\nCost of Holds");
    EXPECT_EQ(texts.at("lblStrategyValues"), GetParam().percent + "\r\n0.00");
    EXPECT_EQ(texts.at("Label1"),
              "Hands Played\r\nHands Won\r\nOdds\r\n\r\nCredits Played\r\nCredits Won\r\nReturn %");
}

INSTANTIATE_TEST_SUITE_P(Games, PayTableReturnRow,
                         ::testing::Values(ReturnRow{"Jb85", GameType::JacksOrBetter85, "97.30%"},
                                           ReturnRow{"Jb96", GameType::JacksOrBetter96, "99.54%"},
                                           ReturnRow{"Dw", GameType::DeucesWild, "100.76%"},
                                           ReturnRow{"Jp", GameType::JokerPoker, "100.65%"}),
                         testing_support::RowName{});

// Guards that the numbers belong to the game, not to the kind of game: switching away and back keeps them.
TEST_F(GameStatsTest, SwitchingGamesKeepsTheNumbers) {
    state.setGame(GameType::JokerPoker);
    state.vHandsPlayed = 50;
    state.vHandsWon = 20;
    state.HandCounts[3] = 1; // royal with the joker
    state.HandCounts[12] = 19;
    const auto joker = show();
    state.setGame(GameType::JacksOrBetter85);
    const auto jacks = show();
    state.setGame(GameType::JokerPoker);
    const auto again = show();
    EXPECT_EQ(jacks.texts.at("Label2"), joker.texts.at("Label2"));
    EXPECT_EQ(jacks.texts.at("Label3").find("Royal w/ Joker"), std::string::npos);
    EXPECT_EQ(again.texts, joker.texts);
    EXPECT_NE(joker.texts.at("Label3").find("Royal w/ Joker"), std::string::npos);
}

// Guards the report: one text for Print and Save, its columns aligned, lines ending in CR LF.
TEST_F(GameStatsTest, PrintAndSaveProduceTheSameReport) {
    f.view.setCaption("Tandora - evening.tn2");
    state.setGame(GameType::DeucesWild);
    state.vHandsPlayed = 1234;
    state.vHandsWon = 400;
    state.vAmtPlayed = 6170;
    state.vAmtWon = 5923;
    state.HandCounts = {1, 2, 3, 0, 10, 4, 60, 50, 70, 80, 120, 0, 0};
    f.fileDialogs.answer("/home/player/Documents/evening.txt");
    show({press("btnPrint"), press("btnSave"), press("btnOK")});

    const std::string reference = "Game Statistics for evening.tn2\r\n"
                                  "Deuces Wild\r\n"
                                  "\r\n"
                                  "Hands Played               1,234\r\n"
                                  "Hands Won                    400\r\n"
                                  "Odds                   1 in 3.09\r\n"
                                  "\r\n"
                                  "Credits Played             6,170\r\n"
                                  "Credits Won                5,923\r\n"
                                  "Return %                   96.00\r\n"
                                  "\r\n"
                                  "Pay Table Return         100.76%\r\n"
                                  "Cost of Holds               0.00\r\n"
                                  "\r\n"
                                  "Hand              Count  Percent\r\n"
                                  "Royal Flush           1    0.25%\r\n"
                                  "Four Deuces           2    0.50%\r\n"
                                  "Royal w/ Deuces       3    0.75%\r\n"
                                  "Five of a Kind       10    2.50%\r\n"
                                  "Straight Flush        4    1.00%\r\n"
                                  "Four of a Kind       60   15.00%\r\n"
                                  "Full House           50   12.50%\r\n"
                                  "Flush                70   17.50%\r\n"
                                  "Straight             80   20.00%\r\n"
                                  "Three of a Kind     120   30.00%\r\n";
    ASSERT_EQ(f.printer.jobs.size(), 1u);
    EXPECT_EQ(f.printer.jobs[0].title, "Game Statistics for evening.tn2");
    EXPECT_EQ(f.printer.jobs[0].text, reference);
    EXPECT_EQ(f.files.contents("/home/player/Documents/evening.txt"), reference);
    const FileDialogRequest& request = f.fileDialogs.requests().at(0);
    EXPECT_EQ(request.initialFolder, "/home/player/Documents");
    EXPECT_EQ(request.defaultSuffix, "txt");
    EXPECT_EQ(request.filters.at(0).pattern, "*.txt");
    EXPECT_TRUE(f.messages.shown().empty());
}

// Guards the ways Print and Save can end: a cancel says nothing, a failure says so, the dialog stays open.
TEST_F(GameStatsTest, FailuresAreReportedAndCancelsAreQuiet) {
    f.printer.answer = PrintResult::Cancelled;
    show({press("btnPrint"), press("btnSave")});
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_TRUE(f.log.matching("file write").empty());

    const std::size_t mark = f.log.size();
    f.printer.answer = PrintResult::Failed;
    f.files.failWrites("Disk full");
    f.fileDialogs.answer("/media/stick/stats.txt");
    show({press("btnPrint"), press("btnSave"), press("btnOK")});
    EXPECT_EQ(
        f.log.textFrom(mark),
        testing_support::lines(
            {"dialog Game Statistics for - [untitled] shown", "dialog press btnPrint",
             "print Game Statistics for [untitled] -> failed",
             "message Tandora: The statistics could not be printed. Please check the printer and try again.",
             "dialog press btnSave", "file dialog save Save Statistics -> /media/stick/stats.txt",
             "file write /media/stick/stats.txt failed",
             "message Tandora: The statistics could not be saved to /media/stick/stats.txt.\r\n\r\nDisk full",
             "dialog press btnOK", "dialog Game Statistics for - [untitled] closed"}));
}

} // namespace
} // namespace tandora
