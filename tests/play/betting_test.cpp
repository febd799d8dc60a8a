#include "play_fixture.h"

namespace tandora::testing_support {
namespace {

class BettingTest : public PlayTest {
protected:
    void credits(int amount) {
        s.options.iDefaultPoints = static_cast<std::int16_t>(amount);
        addDefault();
    }
};

// Guards Bet 1 one coin at a time: the column highlight moves 58 pixels a coin, and the deal starts by
// itself on the fifth coin, or on the last credit.
TEST_F(BettingTest, BetOneLightsItsColumnAndDealsOnTheFifthCoinOrTheLastCredit) {
    credits(100);
    for (int coin = 1; coin <= 4; ++coin) {
        app.click({Control::Bet1});
        EXPECT_EQ(s.CoinsBet, coin);
        EXPECT_EQ(f.view.geometry({Control::CoinHighlight}), (Rect{194 + 58 * (coin - 1), 35, 57, 124}));
        EXPECT_EQ(picture(Control::CoinHighlight), 8500 + coin);
        EXPECT_EQ(picture(Control::Coins), 1000 + coin);
        EXPECT_EQ(s.HandState, HandStates::BetweenHands);
        EXPECT_TRUE(enabled(Control::Deal));
        EXPECT_FALSE(enabled(Control::CashOut));
    }
    app.click({Control::Bet1});
    EXPECT_EQ(f.view.geometry({Control::CoinHighlight}).left, 426);
    EXPECT_EQ(s.vPoints, 95);
    EXPECT_EQ(s.HandState, HandStates::Dealt) << "the fifth coin deals";
}

// Guards the last credit: with three credits, the third press bets it and deals at once.
TEST_F(BettingTest, BetOneDealsOnTheLastCredit) {
    credits(5);
    s.vPoints = 3;
    app.click({Control::Bet1});
    app.click({Control::Bet1});
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
    app.click({Control::Bet1});
    EXPECT_EQ(s.CoinsBet, 3);
    EXPECT_EQ(s.vPoints, 0);
    EXPECT_EQ(s.HandState, HandStates::Dealt);
}

struct MaxBetRow {
    const char* name;
    int credits;
    int coinsBefore;
    int coinsAfter;
    int creditsAfter;
};

void PrintTo(const MaxBetRow& r, std::ostream* os) {
    *os << r.name;
}

class MaxBet : public BettingTest, public ::testing::WithParamInterface<MaxBetRow> {};

// Guards Max Bet's top-up: up to five coins or every credit, the five-coin column always, and the deal.
TEST_P(MaxBet, TopsTheBetUpAndDeals) {
    const MaxBetRow& r = GetParam();
    credits(5);
    s.vPoints = r.credits + r.coinsBefore;
    for (int i = 0; i < r.coinsBefore; ++i)
        app.click({Control::Bet1});
    app.click({Control::MaxBet});
    EXPECT_EQ(s.CoinsBet, r.coinsAfter);
    EXPECT_EQ(s.vPoints, r.creditsAfter);
    EXPECT_EQ(picture(Control::CoinHighlight), 8505);
    EXPECT_EQ(f.view.geometry({Control::CoinHighlight}).left, 426);
    EXPECT_EQ(s.HandState, HandStates::Dealt);
}

INSTANTIATE_TEST_SUITE_P(Bets, MaxBet,
                         ::testing::Values(MaxBetRow{"TwoBetTenCredits", 10, 2, 5, 7},
                                           MaxBetRow{"NoneBetThreeCredits", 3, 0, 3, 0},
                                           MaxBetRow{"OneBetFourCredits", 4, 1, 5, 0},
                                           MaxBetRow{"NoneBetPlenty", 80, 0, 5, 75}),
                         RowName());

// Guards the betting buttons' looks: pressed and released only for a plain left press.
TEST_F(BettingTest, ButtonsShowPressedPicturesOnlyForAPlainLeftPress) {
    credits(80);
    struct Row {
        Control control;
        int pressed, released;
    };
    for (const Row& r : {Row{Control::Bet1, 6004, 6006}, Row{Control::MaxBet, 6007, 6009},
                         Row{Control::CashIn, 6017, 6016}, Row{Control::CashOut, 6001, 6003}}) {
        SCOPED_TRACE(refName({r.control}));
        app.mouseDown({r.control}, 2, 0, 1, 1);
        app.mouseDown({r.control}, 1, 1, 1, 1);
        EXPECT_EQ(picture(r.control), r.released);
        app.mouseDown({r.control}, 1, 0, 1, 1);
        EXPECT_EQ(picture(r.control), r.pressed);
        app.mouseUp({r.control}, 1, 0, 1, 1);
        EXPECT_EQ(picture(r.control), r.released);
    }
}

// Guards the column per game: its picture and height follow the game in play.
TEST_F(BettingTest, ColumnFollowsTheGame) {
    credits(80);
    struct Row {
        MenuItem game;
        int picture;
        int height;
    };
    for (const Row& r : {Row{MenuItem::OptionsMenu_JacksOrBetter96, 9602, 124},
                         Row{MenuItem::OptionsMenu_DeucesWild, 4002, 138},
                         Row{MenuItem::OptionsMenu_JokerPoker, 5002, 152}}) {
        app.menuClick({r.game});
        app.click({Control::Bet1});
        app.click({Control::Bet1});
        EXPECT_EQ(picture(Control::CoinHighlight), r.picture);
        EXPECT_EQ(f.view.geometry({Control::CoinHighlight}), (Rect{252, 35, 57, r.height}));
        nextCards("Ah Kh 7c 8d 3s");
        app.click({Control::Deal});
        nextCards("4c 5d 9s Tc Jh");
        app.click({Control::Deal});
    }
}

// Guards a bet placed and then a game change: the coins belong to the hand about to be dealt, so the
// change waits, and the table keeps its bet.
TEST_F(BettingTest, GameChangeWaitsWhileCoinsAreBet) {
    credits(80);
    app.click({Control::Bet1});
    app.menuClick({MenuItem::OptionsMenu_DeucesWild});
    EXPECT_EQ(f.messages.shown().back(), "Options|64|Please finish the current hand before changing games.");
    EXPECT_EQ(s.game(), GameType::JacksOrBetter85);
    EXPECT_EQ(picture(Control::Coins), 1001);
    EXPECT_TRUE(enabled(Control::Deal));
}

} // namespace
} // namespace tandora::testing_support
