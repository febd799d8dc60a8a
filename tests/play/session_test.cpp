#include <algorithm>
#include <functional>
#include <random>

#include "play_fixture.h"
#include "table/value_text.h"

namespace tandora::testing_support {
namespace {

// A long random session of everything a player can do, checking after every action that no credit is
// made or lost anywhere, that no control is on that the table keeps off in that state, and that no hold
// hint shows but on an unheld card of a hand waiting for the draw.
class SessionTest : public PlayTest {
protected:
    SessionTest() { f.settings.set("Bank", "Credits", std::to_string(BankStart)); }

    std::int64_t bank() const { return std::stoll(f.settings.value("Bank", "Credits")); }

    // The window delivers clicks only to controls that are shown and enabled.
    void clickIfLive(ControlRef c) {
        if (f.view.isEnabled(c) && f.view.isVisible(c))
            app.click(c);
    }

    // An action that may draw: when the Trainer questions the hold (Change Hold, unscripted), the player
    // mostly thinks better of it and draws anyway.
    void mayDraw(const std::function<void()>& action) {
        const std::size_t asked = f.dialogs.shown().size();
        action();
        if (f.dialogs.shown().size() > asked && f.dialogs.shown().back().caption == "Trainer" &&
            dice() % 4 != 0) {
            f.dialogs.script({press("btnDrawAnyway")});
            action();
        }
    }

    void randomAction(bool anyBet) {
        const int pick = static_cast<int>(dice() % 100);
        if (pick < 25) {
            static const std::string keys = "12345cCbBmMpPdDyYnN$x";
            const char typed = keys[dice() % keys.size()];
            mayDraw([&] { key(typed); });
        } else if (pick < 35) {
            clickIfLive({Control::Hold, static_cast<int>(dice() % 5) + 1});
        } else if (pick < 40) {
            clickIfLive({Control::HandPos, static_cast<int>(dice() % 5) + 1});
        } else if (pick < 55) {
            mayDraw([&] { clickIfLive({Control::Deal}); });
        } else if (pick < 65) {
            clickIfLive({anyBet && dice() % 2 == 0 ? Control::Bet1 : Control::MaxBet});
        } else if (pick < 70) {
            if (f.view.isVisible({Control::imgDoubleUp}))
                clickDoubleUp(static_cast<int>(dice() % 304), static_cast<int>(dice() % 129),
                              dice() % 8 == 0 ? 2 : 1, 0);
        } else if (pick < 76) {
            const std::int64_t before = s.vPoints;
            f.dialogs.script(
                {type("txtAmount", std::to_string(static_cast<int>(dice() % 400) - 20)), press("btnOK")});
            app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
            takenFromBank += s.vPoints - before;
        } else if (pick < 80) {
            clickIfLive({Control::CashOut});
        } else if (pick < 92) {
            const std::int64_t before = s.vPoints;
            clickIfLive({Control::CashIn});
            if (s.vPoints > before)
                cut += s.options.iDefaultPoints - (s.vPoints - before);
        } else if (pick < 96) {
            const MenuItem games[] = {MenuItem::OptionsMenu_JacksOrBetter,
                                      MenuItem::OptionsMenu_JacksOrBetter96, MenuItem::OptionsMenu_DeucesWild,
                                      MenuItem::OptionsMenu_JokerPoker};
            app.menuClick({games[dice() % 4]});
        } else if (pick < 98) {
            app.menuClick({MenuItem::OptionsMenu_DoubleUp});
        } else {
            // The advisor's options: an unscripted Trainer question is answered Change Hold.
            app.menuClick(
                {pick == 98 ? MenuItem::StrategyMenu_ShowBestHold : MenuItem::StrategyMenu_Trainer});
        }
    }

    // Receipts tell what left the game for the bank.
    void countReceipts() {
        for (std::size_t i = receiptsSeen; i < f.dialogs.shown().size(); ++i) {
            const auto& d = f.dialogs.shown()[i];
            if (d.texts.count("Label2")) {
                const std::string& amounts = d.texts.at("Label2");
                const auto first = amounts.find("\r\n");
                const auto second = amounts.find("\r\n", first + 2);
                std::string added = amounts.substr(first + 2, second - first - 2);
                added.erase(std::remove(added.begin(), added.end(), ','), added.end());
                cashedOut += added.empty() ? 0 : std::stoll(added);
            }
        }
        receiptsSeen = f.dialogs.shown().size();
    }

    void checkCredits(int action) {
        const std::int64_t open = s.CoinsBet;
        ASSERT_EQ(s.vPoints + open + cashedOut + cut, s.CreditsIn - s.vAmtPlayed + s.vAmtWon)
            << "action " << action;
        ASSERT_EQ(bank() + takenFromBank, BankStart + cashedOut) << "action " << action;
        ASSERT_GE(s.vPoints, 0);
        if (s.HandState == HandStates::BetweenHands) {
            std::int64_t counted = 0;
            for (const auto c : s.HandCounts)
                counted += c;
            ASSERT_EQ(counted, s.vHandsWon) << "action " << action;
        }
    }

    void checkControls(int action) {
        const auto on = [this](Control c, int i = 0) { return f.view.isEnabled({c, i}); };
        SCOPED_TRACE(action);
        for (int i = 1; i <= 5; ++i) {
            const bool hinted = f.view.picture({Control::Hold, i}) == HoldHintPicture;
            ASSERT_TRUE(!hinted || (s.options.ShowBestHold && s.HandState == HandStates::Dealt &&
                                    !s.DoubleUpPending && !s.Held[static_cast<std::size_t>(i - 1)]));
        }
        if (s.HandState == HandStates::BetweenHands) {
            ASSERT_FALSE(s.DoubleUpPending);
            for (int i = 1; i <= 5; ++i)
                ASSERT_FALSE(on(Control::Hold, i) || on(Control::HandPos, i));
            ASSERT_EQ(on(Control::Deal), s.CoinsBet > 0);
            ASSERT_FALSE(on(Control::CashOut) && (s.vPoints == 0 || s.CoinsBet > 0));
            ASSERT_FALSE((on(Control::Bet1) || on(Control::MaxBet)) && s.vPoints == 0 && s.CoinsBet == 0);
            ASSERT_FALSE(f.view.isVisible({Control::imgDoubleUp}));
        } else if (!s.DoubleUpPending) {
            ASSERT_TRUE(on(Control::Deal));
            ASSERT_FALSE(on(Control::Bet1) || on(Control::MaxBet) || on(Control::CashOut));
            for (int i = 1; i <= 5; ++i)
                ASSERT_TRUE(on(Control::Hold, i) && on(Control::HandPos, i));
        } else {
            ASSERT_FALSE(on(Control::Deal) || on(Control::Bet1) || on(Control::MaxBet) ||
                         on(Control::CashOut));
            ASSERT_FALSE(on(Control::Hold, 1) || on(Control::HandPos, 1));
            for (int i = 2; i <= 5; ++i)
                ASSERT_EQ(on(Control::Hold, i), !s.DoubleUpOffered);
            ASSERT_FALSE(f.view.isMenuEnabled({MenuItem::AddCreditsMenu}));
        }
    }

    static constexpr std::int64_t BankStart = 5000;
    std::mt19937 dice{20261206};
    std::int64_t takenFromBank = 0;
    std::int64_t cashedOut = 0;
    std::int64_t cut = 0;
    std::size_t receiptsSeen = 0;
};

// Guards the credits, the bank, the statistics and the buttons through 100,000 random actions of every
// kind, the refused ones (disabled controls, keys that do nothing, bad amounts) included.
TEST_F(SessionTest, NoCreditIsMadeOrLostInALongRandomSession) {
    for (int action = 0; action < 100000; ++action) {
        randomAction(true);
        countReceipts();
        checkCredits(action);
        checkControls(action);
        if (HasFatalFailure())
            return;
        f.log.clear();
    }
    EXPECT_GT(s.vHandsPlayed, 5000);
    EXPECT_GT(s.vHandsWon, 1000);
    EXPECT_GT(cashedOut, 0);
    EXPECT_GT(takenFromBank, 0);
}

// Guards the pay of every paying hand: five coins on every hand and no Double Up, so everything won is
// the hands counted times their five-coin pay, in each game.
TEST_F(SessionTest, WinningsEqualTheCountedHandsTimesTheirPay) {
    const MenuItem games[] = {MenuItem::OptionsMenu_JacksOrBetter, MenuItem::OptionsMenu_JacksOrBetter96,
                              MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JokerPoker};
    for (const MenuItem game : games) {
        Play run;
        run.app.menuClick({MenuItem::OptionsMenu_DoubleUp});
        run.app.menuClick({game});
        run.s.options.iDefaultPoints = 400;
        for (int hand = 0; hand < 6000; ++hand) {
            if (run.s.vPoints < 5)
                run.addDefault();
            run.app.click({Control::MaxBet});
            for (int i = 1; i <= 5; ++i)
                if (dice() % 3 == 0)
                    run.app.click({Control::Hold, i});
            run.app.click({Control::Deal});
            run.f.log.clear();
        }
        std::int64_t expected = 0;
        const PayTable& table = run.s.rules().PayTable;
        for (int slot = 0; slot < PayTableSlots; ++slot)
            expected += run.s.HandCounts[static_cast<std::size_t>(slot)] *
                        (slot == 0 ? 4000 : 5 * table[static_cast<std::size_t>(slot)]);
        EXPECT_EQ(run.s.vAmtWon, expected) << gameCode(run.s.game());
        EXPECT_EQ(run.s.vAmtPlayed, 5 * 6000);
        EXPECT_EQ(run.s.vHandsPlayed, 6000);
    }
}

} // namespace
} // namespace tandora::testing_support
