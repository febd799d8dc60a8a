#include <regex>

#include "advisor/chart_dialog.h"
#include "advisor/pay_table_dialog.h"
#include "advisor/table_builds.h"
#include "advisor/trainer_dialog.h"
#include "engine/known_pay_tables.h"
#include "gamefiles/game_file.h"
#include "tests/play/play_fixture.h"

namespace tandora::testing_support {
namespace {

// Three kings dealt with a jack and a five: every published strategy holds the three kings (positions 1, 2
// and 4). Holding the four cards K K J K is worth (125 + 3 x 40 + 43 x 15) / 47 = 18.94 credits for five
// coins in 8/5: the last king, one of three jacks for the full house, or three of a kind.
constexpr const char* ThreeKings = "Kh Kd Jh Ks 5c";
constexpr const char* ThreeQueens = "Qh Qd 9h Qs 4c";

struct AdvisorTest : PlayTest {
    void deal(const std::string& cards) {
        addDefault();
        nextCards(cards);
        app.click({Control::MaxBet});
    }
    void hold(std::initializer_list<int> positions) {
        for (const int i : positions)
            app.click({Control::Hold, i});
    }
    const FakeDialogs::Shown& lastDialog() const { return f.dialogs.shown().back(); }
    // Bets coins one by one on a dealt hand, holds it all and draws; the win.
    std::int64_t paidFor(const std::string& cards, int coins) {
        nextCards(cards);
        for (int c = 0; c < coins; ++c)
            app.click({Control::Bet1});
        if (coins < MaxCoins)
            app.click({Control::Deal});
        hold({1, 2, 3, 4, 5});
        app.click({Control::Deal});
        return s.PaidAmount;
    }
    // The statistics' Pay Table Return and Cost of Holds.
    std::string strategyValues() {
        app.menuClick({MenuItem::GameMenu_Stats});
        return lastDialog().texts.at("lblStrategyValues");
    }
};

// Guards the hints: switched on mid-hand they show at once on the best hold's cards not held, and off they
// go; a hold shows HELD as ever and releasing it brings the hint back, a card outside the best hold stays
// unmarked; and the draw clears the hints before any card turns.
TEST_F(AdvisorTest, BestHoldIsMarkedWhileTheOptionIsOnUntilTheDraw) {
    deal(ThreeKings);
    hold({2});
    auto at = mark();
    app.menuClick({MenuItem::StrategyMenu_ShowBestHold});
    app.menuClick({MenuItem::StrategyMenu_ShowBestHold});
    EXPECT_EQ(since(at),
              lines({"label 1 HOLD?", "label 4 HOLD?",
                     "marks doubleup on sound on lastgame off besthold on trainer off", "label 1 -",
                     "label 4 -", "marks doubleup on sound on lastgame off besthold off trainer off"}));
    app.menuClick({MenuItem::StrategyMenu_ShowBestHold});
    at = mark();
    hold({1, 1, 3, 3});
    EXPECT_EQ(since(at), lines({"label 1 HELD", "label 1 HOLD?", "label 3 HELD", "label 3 -"}));
    nextCards("2c 9d 4h 7s");
    at = mark();
    app.click({Control::Deal});
    const std::string drawStart =
        lines({"pointer busy", "label 1 -", "label 4 -", "strip none", "card 1 back"});
    EXPECT_EQ(since(at).substr(0, drawStart.size()), drawStart) << "the hints go before any card turns";
    EXPECT_EQ(since(at).find("HOLD?"), std::string::npos);
}

// Guards the options being off and the Trainer: a session that switched both options on and off again plays
// a hand with exactly the transcript of one that never touched them; with the Trainer on, a poor hold is
// questioned at the draw only, and after "Draw Anyway" the draw is exactly the draw without the Trainer;
// "Change Hold" (and Escape, which the fake presses for an unscripted dialog) leaves the dealt hand, its
// holds, the credits and the state as they were; the best hold, and holds exactly as good whether wild or
// not (four of a kind pays the same whatever the fifth card, so the kicker may go), draw unquestioned.
TEST_F(AdvisorTest, TrainerQuestionsOnlyAWorseHoldAndOptionsOffChangeNothing) {
    Play untouched;
    for (const MenuItem item : {MenuItem::StrategyMenu_ShowBestHold, MenuItem::StrategyMenu_Trainer})
        for (int i = 0; i < 2; ++i)
            app.menuClick({item});
    addDefault();
    untouched.addDefault();
    f.dialogs.script({press("btnDrawAnyway")}); // for the one question, with the Trainer on
    for (const bool trainer : {false, true}) {
        if (trainer)
            app.menuClick({MenuItem::StrategyMenu_Trainer});
        const auto here = mark(), there = untouched.mark();
        for (Play* play : {static_cast<Play*>(this), &untouched}) {
            play->nextCards(std::string(trainer ? ThreeKings : ThreeQueens) + " 2c 9d 4h 7s");
            play->app.click({Control::MaxBet});
            play->app.click({Control::Hold, 3}); // a poor hold that the Trainer questions
        }
        const std::string dealt = untouched.since(there);
        app.click({Control::Deal});
        untouched.app.click({Control::Deal});
        const std::string question =
            trainer ? lines({"dialog Trainer shown", "dialog press btnDrawAnyway", "dialog Trainer closed"})
                    : "";
        EXPECT_EQ(since(here), dealt + question + untouched.since(there).substr(dealt.size()));
    }
    const auto& shown = lastDialog();
    EXPECT_EQ(shown.texts.at("lblBest"), "The best hold is K\u2665 K\u2666 K\u2660.");
    EXPECT_EQ(shown.pictures,
              (std::map<std::string, int>{{"picCard1", 113}, {"picCard2", 126}, {"picCard3", 152}}));
    EXPECT_EQ(shown.texts.at("lblCost").rfind("Your hold, J\u2665, is worth ", 0), 0u);

    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    nextCards(ThreeQueens); // the jack just held cannot come back in its place
    app.click({Control::MaxBet});
    hold({3});
    s.bChange = false;
    const GameState before = s;
    const auto at = mark();
    key('d');
    EXPECT_EQ(since(at),
              lines({"dialog Trainer shown", "dialog press btnChangeHold", "dialog Trainer closed"}));
    const auto hand = [](const GameState& g) {
        return std::tie(g.Hand, g.Held, g.vPoints, g.CoinsBet, g.HandState, g.vHandsPlayed, g.bChange);
    };
    EXPECT_EQ(hand(s), hand(before));
    EXPECT_TRUE(table().dealEnabled);
    hold({3, 1, 2, 4});
    nextCards("2c 9d");
    app.click({Control::Deal});
    for (const auto& [game, cards] :
         {std::pair{GameType::JacksOrBetter96, "Ah Ad Ac As 7h"}, {GameType::DeucesWild, "2h 2d 2c 2s 7h"}}) {
        app.menuClick({gameMenuItem(game)});
        deal(cards);
        hold({1, 2, 3, 4});
        app.click({Control::Deal});
        EXPECT_EQ(s.HandState, HandStates::BetweenHands) << cards;
    }
    EXPECT_EQ(f.dialogs.shown().size(), 2u);
}

// Guards the Trainer's buttons: Change Hold is both Enter and Escape, so a learner's reflex keeps the hand;
// a best hold of no card has no row of pictures.
TEST(Trainer, SafeDefaultAndNoPicturesForDrawingFive) {
    const PlayedHold hand{GameType::JacksOrBetter85, handOf("2c 4d 7h 9s 8c"), 0b01000, 5, {}};
    TrainerDialog dialog(analyse(StrategyTables::forGame(hand.game), hand), {102, 117, 107, 148, 134});
    const DialogLayout layout = dialog.layout();
    ASSERT_EQ(layout.rows.size(), 3u);
    std::string buttons;
    for (const auto& button : layout.rows.back())
        buttons +=
            button.text + (button.isDefault ? " default" : "") + (button.isCancel ? " cancel" : "") + "|";
    EXPECT_EQ(buttons, "Draw Anyway|Change Hold default cancel|");
    EXPECT_FALSE(dialog.drawAnyway());
}

// Guards the hints at the deal: exactly the best hold's labels ask "HOLD?". Guards the analysis window in its
// three moments: no hand yet, the hand waiting for the draw (its holds best first, the player's marked), and
// the last hand once drawn, with what the player's hold cost. Guards Cost of Holds, at any time the
// statistics are shown: those 2.22 credits (valued, like every hold, as this table draws), then a dealt royal
// flush broken up for four cards to it, 4000 - 320 / 47 credits (the ten is gone, so of the 47 draws eight
// make flushes, three straights and twelve high pairs); a new game starts from zero. And the bet the Pay
// Table Return is for: one coin forgoes the royal flush bonus (8/5 then returns 96.06%); between hands it is
// the bet of the hand last drawn. (Five coins' 97.30% before any hand is the statistics' test.)
TEST_F(AdvisorTest, HoldAnalysisAndCostOfHoldsShowWhatTheHoldsCost) {
    app.menuClick({MenuItem::StrategyMenu_HoldAnalysis});
    EXPECT_EQ(lastDialog().texts.at("lblHand"), "No hand has been dealt yet.");
    app.menuClick({MenuItem::StrategyMenu_ShowBestHold});
    deal(ThreeKings);
    EXPECT_EQ(f.log.matching("label"),
              (std::vector<std::string>{"label 1 HOLD?", "label 2 HOLD?", "label 4 HOLD?"}));
    hold({1, 2, 3, 4});
    app.menuClick({MenuItem::StrategyMenu_HoldAnalysis});
    const auto& dealt = lastDialog();
    EXPECT_EQ(dealt.caption, "Hold Analysis");
    EXPECT_EQ(dealt.texts.at("lblHand"),
              "8/5 Jacks or Better, 5 coins bet. Dealt: K\u2665 K\u2666 J\u2665 K\u2660 5\u2663");
    const std::string& table = dealt.texts.at("lblHolds");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 32);
    EXPECT_EQ(table.substr(0, table.find("\r\n   4")),
              "      Hold                    Credits  Per coin\r\n"
              "   1  K\u2665 K\u2666 K\u2660                  21.16    4.2320\r\n"
              ">  2  K\u2665 K\u2666 J\u2665 K\u2660               18.94    3.7872\r\n"
              "   3  K\u2665 K\u2666 K\u2660 5\u2663               18.94    3.7872");
    EXPECT_NE(table.find("Draw five new cards"), std::string::npos);
    EXPECT_NE(dealt.texts.at("lblNote").find(" 47 cards left"), std::string::npos);
    EXPECT_EQ(dealt.texts.at("lblSummary"), "Your hold is worth 18.94 credits on average; the best hold, "
                                            "K\u2665 K\u2666 K\u2660, is worth 21.16. "
                                            "Holding yours costs 2.22 credits.");
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    nextCards("2c");
    app.click({Control::Deal});
    app.menuClick({MenuItem::StrategyMenu_HoldAnalysis});
    EXPECT_EQ(lastDialog().texts.at("lblHand").substr(0, 15), "The last hand: ");
    EXPECT_EQ(lastDialog().texts.at("lblSummary"),
              "With the best hold, K\u2665 K\u2666 K\u2660, the hand was worth 21.16 credits on average; "
              "your hold, K\u2665 K\u2666 J\u2665 K\u2660, was worth 18.94. It cost 2.22 credits.");
    EXPECT_EQ(strategyValues(), "97.30%\r\n2.22");
    deal("As Ks Qs Js Ts");
    hold({1, 2, 3, 4});
    nextCards("2c");
    app.click({Control::Deal});
    EXPECT_EQ(strategyValues(), "97.30%\r\n3,995.42");
    f.messages.answer({MsgAnswer::No});
    app.menuClick({MenuItem::GameMenu_NewGame});
    EXPECT_EQ(strategyValues(), "97.30%\r\n0.00");
    addDefault();
    app.click({Control::Bet1});
    EXPECT_EQ(strategyValues(), "96.06%\r\n0.00");
    nextCards("2h 6d 8c Ts 3s"); // nothing worth holding: the hints say to draw every card
    app.click({Control::Deal});
    const auto& hints = f.view.scene().labels;
    EXPECT_EQ(std::count(hints.begin(), hints.end(), HoldLabel::DrawHint), 5);
    app.click({Control::Deal});
    EXPECT_EQ(strategyValues(), "96.06%\r\n0.00") << "the one-coin hand just drawn";
}

// Guards the Strategy Chart: shown while it is worked out, then the game's chart for the bet in use with its
// return beside best play's and the line for the hand on the table marked; and the Trainer, once the chart
// is made, names that line when it asks.
TEST_F(AdvisorTest, StrategyChartMarksTheLineAndTheTrainerNamesIt) {
    app.menuClick({MenuItem::StrategyMenu_Trainer});
    deal(ThreeKings);
    f.dialogs.script({waitForWork(), press("btnOK")});
    app.menuClick({MenuItem::StrategyMenu_StrategyChart});
    const auto& chart = lastDialog();
    EXPECT_EQ(chart.caption, "Strategy Chart");
    EXPECT_EQ(chart.texts.at("lblTitle"), "8/5 Jacks or Better, 5 coins bet");
    const std::string& lines = chart.texts.at("lblChart");
    const auto marked = lines.find("\n> ");
    ASSERT_NE(marked, std::string::npos) << lines;
    EXPECT_EQ(lines.substr(marked + 7, lines.find('\r', marked) - marked - 7), "Three of a Kind");
    EXPECT_LE(std::count(lines.begin(), lines.end(), '\n') + 1, 40);
    EXPECT_TRUE(std::regex_match(chart.texts.at("lblReturn"),
                                 std::regex(R"(Played as written, this chart returns 97\.29\d\d%; )"
                                            R"(best play returns 97\.2984%\.)")))
        << chart.texts.at("lblReturn");
    hold({1, 2, 3, 4});
    f.dialogs.script({press("btnChangeHold")});
    app.click({Control::Deal});
    const std::string& asked = lastDialog().texts.at("lblCost");
    EXPECT_EQ(asked.substr(asked.find(" The strategy chart")),
              " The strategy chart says: line " +
                  lines.substr(marked + 3, 2).substr(lines[marked + 3] == ' ') + ", Three of a Kind.");
    ChartBuilds charts;
    StrategyChartDialog oneCoin(
        charts, {GameType::JacksOrBetter85, payTableFor(GameType::JacksOrBetter85), 1}, std::nullopt);
    f.dialogs.script({waitForWork()});
    f.dialogs.showModal(oneCoin);
    EXPECT_EQ(lastDialog().texts.at("lblTitle"), "8/5 Jacks or Better, 1 coin bet");
}

// Guards the worker thread: what it builds are the very tables every other reader shares.
TEST(TableBuilds, BackgroundBuildGivesTheSharedTables) {
    TableBuilds builds;
    const StrategyTables* deuces = &StrategyTables::forGame(GameType::DeucesWild);
    EXPECT_EQ(builds.ifReady(GameType::DeucesWild), nullptr) << "nothing before a start";
    builds.start(GameType::DeucesWild);
    builds.start(GameType::DeucesWild);
    EXPECT_EQ(&builds.get(GameType::DeucesWild), deuces);
    EXPECT_EQ(builds.ifReady(GameType::DeucesWild), deuces);
    EXPECT_EQ(&builds.get(GameType::JokerPoker), &StrategyTables::forGame(GameType::JokerPoker))
        << "built at once when no build was started";
}

// Guards the amounts in sentences (a real but tiny cost is not shown as nothing), the names of a ten and the
// joker, and padding that counts a suit sign as one character as a fixed-pitch font shows it. (Credits and
// the analysis's columns are the Hold Analysis test's.)
TEST(HoldText, CostsCreditsAndWidths) {
    EXPECT_EQ(costText(0.004) + "|" + costText(0.006) + "|" + costText(4.5),
              "less than 0.01 credits|0.01 credits|4.50 credits");
    EXPECT_EQ(cardText(10) + "|" + cardText(JokerCode), "10\u2665|Joker");
    EXPECT_EQ(padShownLeft(cardText(52), 4), "  K\u2660");
}

// Guards the dialog's refusals: a bad entry is named on one line with the limit of its box, OK keeps the
// dialog open on it, and nothing is chosen. (Every way a pay can be bad is the known pay tables' test.)
TEST_F(AdvisorTest, PayTableDialogRefusesBadPaysWithTheRowNamed) {
    for (const auto& [box, typed, problem] :
         {std::tuple{"txtPay4", "10001", "Full house is above 10,000."},
          {"txtRoyal5", "50001", "Royal flush on five coins is above 50,000."}}) {
        PayTableDialog dialog(GameType::JacksOrBetter85, payTableFor(GameType::JacksOrBetter85), 5);
        f.dialogs.script({type(box, typed), press("btnOK")});
        f.dialogs.showModal(dialog);
        EXPECT_EQ(lastDialog().texts.at("lblProblem"), problem) << typed;
        EXPECT_EQ(lastDialog().texts.at("lblReturn"), "Return under best play: -");
        EXPECT_FALSE(dialog.chosen());
    }
}

// Guards the live return: the table as typed is named and priced exactly, a newer edit replaces the one
// before it, and OK chooses what the boxes say.
TEST_F(AdvisorTest, PayTableDialogsReturnFollowsTheNewestEdit) {
    PayTableDialog dialog(GameType::JacksOrBetter96, payTableFor(GameType::JacksOrBetter96), 5);
    f.dialogs.script(
        {type("txtPay5", "5"), type("txtPay4", "8"), type("txtPay5", "6"), waitForWork(), press("btnOK")});
    f.dialogs.showModal(dialog);
    EXPECT_EQ(lastDialog().texts.at("cboTable"), "Jacks or Better 8/6 - 98.39%");
    EXPECT_EQ(lastDialog().texts.at("lblReturn"),
              "Return under best play: 98.3927% with 5 coins, 97.2233% with 1 coin.");
    EXPECT_EQ(dialog.chosen(), knownPayTables(GameType::JacksOrBetter96)[2].table);
}

// Guards a table of the player's own from the menu to the payout: named in the caption, paid at every bet
// (its own five-coin royal flush), a row paying nothing neither lit nor counted, kept in the game file, and
// the game's menu item brings the designed table back.
TEST_F(AdvisorTest, OwnPayTablePaysAtEveryBetUntilTheMenuTakesItBack) {
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    addDefault();
    addDefault();
    f.dialogs.script(
        {type("txtPay4", "12"), type("txtPay8", "0"), type("txtRoyal5", "6000"), press("btnOK")});
    app.menuClick({MenuItem::OptionsMenu_PayTable});
    EXPECT_EQ(table().caption, "Tandora - [untitled] - Jacks or Better, own table");
    for (int coins = 1; coins <= MaxCoins; ++coins) {
        EXPECT_EQ(paidFor("Kh Kd Ks 5c 5d", coins), 12 * coins);
        EXPECT_EQ(paidFor("Tc Jc Qc Kc Ac", coins), coins == MaxCoins ? 6000 : 250 * coins);
    }
    EXPECT_EQ(paidFor("Qh Qd 6c 6s 9d", 5), 0) << "two pair pays nothing here";
    EXPECT_EQ(table().winStrip, HandCategory::NoWin);
    EXPECT_EQ(s.HandCounts[11], 0) << "and is not counted as a paying hand";
    EXPECT_TRUE(writeGameFile(recordOf(s, {})).ends_with("\r\nPayTable=250,50,25,12,5,4,3,0,1,6000\r\n"));
    app.menuClick({MenuItem::OptionsMenu_JacksOrBetter});
    EXPECT_EQ(table().caption, "Tandora - [untitled]");
    EXPECT_EQ(paidFor("Kh Kd Ks 5c 5d", 1), 8);
}

} // namespace
} // namespace tandora::testing_support
