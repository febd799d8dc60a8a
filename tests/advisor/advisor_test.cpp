#include "tests/play/play_fixture.h"

namespace tandora::testing_support {
namespace {

// Three kings dealt with a jack and a five: every published strategy holds the three kings (positions 1, 2
// and 4). Holding the four cards K K J K is worth (125 + 3 x 40 + 43 x 15) / 47 = 18.94 credits for five
// coins in 8/5: the last king, one of three jacks for the full house, or three of a kind.
constexpr const char* ThreeKings = "Kh Kd Jh Ks 5c";

class AdvisorTest : public PlayTest {
protected:
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
};

// Guards the hints: after the deal exactly the best hold's labels ask "HOLD?", a hold shows HELD as ever
// and releasing it brings the hint back, a card outside the best hold stays unmarked, and the draw clears
// the hints before any card turns.
TEST_F(AdvisorTest, BestHoldIsMarkedAfterTheDealUntilTheDraw) {
    app.menuClick({MenuItem::StrategyMenu_ShowBestHold});
    addDefault();
    nextCards(ThreeKings);
    app.click({Control::MaxBet});
    EXPECT_EQ(f.log.matching("label"),
              (std::vector<std::string>{"label 1 HOLD?", "label 2 HOLD?", "label 4 HOLD?"}));
    auto at = mark();
    hold({1, 1, 3, 3});
    EXPECT_EQ(since(at), lines({"label 1 HELD", "label 1 HOLD?", "label 3 HELD", "label 3 -"}));
    hold({1});
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    nextCards("2c 9d");
    at = mark();
    app.click({Control::Deal});
    const std::string drawStart =
        lines({"pointer busy", "label 2 -", "label 4 -", "strip none", "card 2 back"});
    EXPECT_EQ(since(at).substr(0, drawStart.size()), drawStart) << "the hints go before any card turns";
    EXPECT_EQ(f.log.textFrom(at).find("HOLD?"), std::string::npos);
}

// Guards the option being off: a session that switched it on and off again deals and draws with exactly
// the transcript of one that never touched it.
TEST_F(AdvisorTest, WithTheOptionsOffPlayIsUnchanged) {
    Play untouched;
    for (Play* play : {static_cast<Play*>(this), &untouched}) {
        play->addDefault();
        play->nextCards(std::string(ThreeKings) + " 2c 9d");
    }
    for (const MenuItem item : {MenuItem::StrategyMenu_ShowBestHold, MenuItem::StrategyMenu_Trainer})
        for (int i = 0; i < 2; ++i)
            app.menuClick({item});
    const auto here = mark();
    const auto there = untouched.mark();
    for (Play* play : {static_cast<Play*>(this), &untouched}) {
        play->app.click({Control::MaxBet});
        play->app.click({Control::Hold, 3}); // a poor hold that the trainer would question
        play->app.click({Control::Deal});
    }
    EXPECT_EQ(since(here), untouched.since(there));
    EXPECT_EQ(f.log.textFrom(0).find("HOLD?"), std::string::npos);
}

// Guards switching mid-hand: on shows the hints at once (not on a card already held), off takes them away.
TEST_F(AdvisorTest, SwitchingTheOptionMidHandShowsAndHidesTheHints) {
    deal(ThreeKings);
    hold({2});
    auto at = mark();
    app.menuClick({MenuItem::StrategyMenu_ShowBestHold});
    EXPECT_EQ(since(at), lines({"label 1 HOLD?", "label 4 HOLD?",
                                "marks doubleup on sound on lastgame off besthold on trainer off"}));
    at = mark();
    app.menuClick({MenuItem::StrategyMenu_ShowBestHold});
    EXPECT_EQ(since(at), lines({"label 1 -", "label 4 -",
                                "marks doubleup on sound on lastgame off besthold off trainer off"}));
}

// Guards "Draw Anyway": after the question the draw is exactly the draw without the Trainer.
TEST_F(AdvisorTest, DrawAnywayDrawsAsWithoutTheTrainer) {
    Play untouched;
    app.menuClick({MenuItem::StrategyMenu_Trainer});
    for (Play* play : {static_cast<Play*>(this), &untouched}) {
        play->addDefault();
        play->nextCards(std::string(ThreeKings) + " 2c 9d 4h 7s");
        play->app.click({Control::MaxBet});
        play->app.click({Control::Hold, 3});
    }
    ASSERT_TRUE(f.dialogs.shown().empty()) << "no question on the deal";
    f.dialogs.script({press("btnDrawAnyway")});
    const auto here = mark();
    const auto there = untouched.mark();
    app.click({Control::Deal});
    untouched.app.click({Control::Deal});
    EXPECT_EQ(since(here),
              lines({"dialog Trainer shown", "dialog press btnDrawAnyway", "dialog Trainer closed"}) +
                  untouched.since(there));
    EXPECT_EQ(s.Hand, untouched.s.Hand);
    const auto& shown = lastDialog();
    EXPECT_EQ(shown.texts.at("lblBest"), "The best hold is K\u2665 K\u2666 K\u2660.");
    EXPECT_EQ(shown.pictures,
              (std::map<std::string, int>{{"picCard1", 113}, {"picCard2", 126}, {"picCard3", 152}}));
    EXPECT_EQ(shown.texts.at("btnDrawAnyway"), "Draw Anyway");
    EXPECT_EQ(shown.texts.at("lblCost").rfind("Your hold, J\u2665, is worth ", 0), 0u);
}

// Guards "Change Hold" (and Escape, which the fake presses for an unscripted dialog): the dealt hand, its
// holds, the credits and the state stay as they were, and the best hold then draws without a question.
TEST_F(AdvisorTest, ChangeHoldReturnsToTheDealtHandUntouched) {
    app.menuClick({MenuItem::StrategyMenu_Trainer});
    deal(ThreeKings);
    hold({3});
    s.bChange = false;
    const GameState before = s;
    auto at = mark();
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
    EXPECT_EQ(f.dialogs.shown().size(), 1u);
    EXPECT_EQ(s.vHandsPlayed, 1);
}

struct UnquestionedHold {
    std::string name;
    GameType game;
    std::string cards;
    std::vector<int> held;
};

void PrintTo(const UnquestionedHold& row, std::ostream* os) {
    *os << row.name;
}

class TrainerKeepsQuiet : public ::testing::TestWithParam<UnquestionedHold>, public Play {};

// Guards the Trainer against questioning a hold that loses nothing: the best hold, and holds exactly as
// good (four of a kind pays the same whatever the fifth card, so the kicker may go).
TEST_P(TrainerKeepsQuiet, ForHoldsWorthTheBest) {
    app.menuClick({gameMenuItem(GetParam().game)});
    app.menuClick({MenuItem::StrategyMenu_Trainer});
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    addDefault();
    nextCards(GetParam().cards);
    app.click({Control::MaxBet});
    for (const int i : GetParam().held)
        app.click({Control::Hold, i});
    app.click({Control::Deal});
    EXPECT_TRUE(f.dialogs.shown().empty());
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
}

INSTANTIATE_TEST_SUITE_P(
    Holds, TrainerKeepsQuiet,
    ::testing::Values(
        UnquestionedHold{"ThreeKings", GameType::JacksOrBetter85, ThreeKings, {1, 2, 4}},
        UnquestionedHold{"FourAcesWithoutKicker", GameType::JacksOrBetter96, "Ah Ad Ac As 7h", {1, 2, 3, 4}},
        UnquestionedHold{"FourDeucesWithoutKicker", GameType::DeucesWild, "2h 2d 2c 2s 7h", {1, 2, 3, 4}},
        UnquestionedHold{"JokerPokerPat", GameType::JokerPoker, "Jkr Ah Kh Qh Jh", {1, 2, 3, 4, 5}}),
    RowName{});

// Guards the analysis window in its three moments: no hand yet, the hand waiting for the draw (its holds
// best first, the player's marked), and the last hand once drawn, with what the player's hold cost.
TEST_F(AdvisorTest, HoldAnalysisShowsEveryHoldOfTheHand) {
    app.menuClick({MenuItem::StrategyMenu_HoldAnalysis});
    EXPECT_EQ(lastDialog().texts.at("lblHand"), "No hand has been dealt yet.");

    deal(ThreeKings);
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
              "   1  K\u2665 K\u2666 K\u2660                  21.21    4.2414\r\n"
              ">  2  K\u2665 K\u2666 J\u2665 K\u2660               18.94    3.7872\r\n"
              "   3  K\u2665 K\u2666 K\u2660 5\u2663               18.94    3.7872");
    EXPECT_NE(table.find("Draw five new cards"), std::string::npos);
    EXPECT_EQ(dealt.texts.at("lblSummary"), "Your hold is worth 18.94 credits on average; the best hold, "
                                            "K\u2665 K\u2666 K\u2660, is worth 21.21. "
                                            "Holding yours costs 2.27 credits.");

    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    nextCards("2c");
    app.click({Control::Deal});
    app.menuClick({MenuItem::StrategyMenu_HoldAnalysis});
    EXPECT_EQ(lastDialog().texts.at("lblHand").substr(0, 15), "The last hand: ");
    EXPECT_EQ(lastDialog().texts.at("lblSummary"),
              "With the best hold, K\u2665 K\u2666 K\u2660, the hand was worth 21.21 credits on average; "
              "your hold, "
              "K\u2665 K\u2666 J\u2665 K\u2660, was worth 18.94. It cost 2.27 credits.");
}

// Guards Cost of Holds: a best hold costs nothing; a dealt royal flush broken up for four cards to it costs
// 4000 - 320 / 47 credits (the ten is gone, so of the 47 draws eight make flushes, three straights and
// twelve high pairs), at any time the statistics are shown; and a new game starts from zero.
TEST_F(AdvisorTest, CostOfHoldsAddsUpAndANewGameClearsIt) {
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    const auto cost = [&] {
        app.menuClick({MenuItem::GameMenu_Stats});
        return lastDialog().texts.at("lblStrategyValues");
    };
    EXPECT_EQ(cost(), "97.30%\r\n0.00");
    deal(ThreeKings);
    hold({1, 2, 4});
    nextCards("2c 9d");
    app.click({Control::Deal});
    EXPECT_EQ(cost(), "97.30%\r\n0.00");
    deal("As Ks Qs Js Ts");
    hold({1, 2, 3, 4});
    nextCards("2c");
    app.click({Control::Deal});
    EXPECT_EQ(s.Hand, handOf("As Ks Qs Js 2c"));
    EXPECT_EQ(cost(), "97.30%\r\n3,993.19");
    f.messages.answer({MsgAnswer::No});
    app.menuClick({MenuItem::GameMenu_NewGame});
    EXPECT_EQ(cost(), "97.30%\r\n0.00");
}

// Guards the bet in use: one coin forgoes the royal flush bonus, so its return is below the five-coin one;
// between hands it is the bet of the hand last drawn, until the next bet.
TEST_F(AdvisorTest, PayTableReturnFollowsTheBet) {
    const auto shownReturn = [this] {
        app.menuClick({MenuItem::GameMenu_Stats});
        return std::stod(lastDialog().texts.at("lblStrategyValues"));
    };
    app.menuClick({MenuItem::OptionsMenu_DoubleUp}); // off: the hand ends with the draw
    addDefault();
    EXPECT_GT(shownReturn(), 97.29) << "five coins before any hand";
    app.click({Control::Bet1});
    EXPECT_LT(shownReturn(), 97.29);
    app.click({Control::Deal});
    app.click({Control::Deal});
    EXPECT_LT(shownReturn(), 97.29) << "the one-coin hand just drawn";
}

} // namespace
} // namespace tandora::testing_support
