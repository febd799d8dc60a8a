#include <algorithm>
#include <cctype>
#include <functional>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <tuple>

#include "play_fixture.h"
#include "table/derived_table.h"

namespace tandora::testing_support {
namespace {

constexpr MenuItem Games[] = {MenuItem::OptionsMenu_JacksOrBetter, MenuItem::OptionsMenu_JacksOrBetter96,
                              MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JokerPoker};

// A long random session of everything a player can do, checking after every action that no credit is
// made or lost anywhere, that the table shows exactly what the game's state says (so no path forgot to
// show a change), that no control is on that the table keeps off in that state, and that a game saved at
// any moment opens again to the same table; that no Double Up offers a card to pick twice; and that each
// action keeps its own rule: a bet's coins, a draw's count and pay, a key's card, a Double Up's answer, the
// refusals while a hand is under way with their messages, and the table of a new game.
class SessionTest : public PlayTest {
protected:
    SessionTest() { f.settings.set("Bank", "Credits", std::to_string(BankStart)); }

    std::int64_t bank() const { return std::stoll(f.settings.value("Bank", "Credits")); }

    // Whether a control takes input now: the window delivers clicks only to controls that are enabled.
    bool live(ControlRef c) const {
        const TableScene& t = table();
        return c.control == Control::Hold
                   ? c.index > 0 && t.positionsEnabled.at(static_cast<std::size_t>(c.index - 1))
               : c.control == Control::Deal    ? t.dealEnabled
               : c.control == Control::Bet1    ? t.bet1Enabled
               : c.control == Control::MaxBet  ? t.maxBetEnabled
               : c.control == Control::CashOut ? t.cashOutEnabled
                                               : t.cashInEnabled;
    }
    void clickIfLive(ControlRef c) {
        if (live(c.control == Control::HandPos ? ControlRef{Control::Hold, c.index} : c))
            app.click(c);
    }

    bool handUnderWay() const {
        return s.HandState != HandStates::BetweenHands || s.CoinsBet > 0 || s.DoubleUpPending;
    }
    // The message the last action showed, or nothing.
    std::string told() const { return f.log.matching("message").empty() ? "" : f.messages.shown().back(); }

    // Whether the control a key stands for takes input now; every other key is dead.
    bool keyIsLive(char key) const {
        const auto at = std::string("c$bmpdyn").find(static_cast<char>(std::tolower(key)));
        const Control controls[] = {Control::CashOut, Control::CashIn, Control::Bet1,
                                    Control::MaxBet,  Control::MaxBet, Control::Deal};
        if (at != std::string::npos)
            return at < 6 ? live({controls[at]}) : table().doubleUp == DoubleUpPanel::Question;
        return key >= '1' && key <= '5' && live({Control::Hold, key - '0'});
    }

    // Saves the game and opens it again: the table must come back as it was, but for what a file does not
    // keep: the marks of the last hand, the bet shown after it, and the file's name and recent list.
    void saveAndReopen() {
        if (s.DoubleUpPending) {
            // The gamble's outcome belongs to no file: saving waits for it, asking nothing.
            app.menuClick({MenuItem::GameMenu_SaveGame});
            app.menuClick({MenuItem::GameMenu_SaveGameAs});
            ASSERT_TRUE(f.log.matching("file").empty());
            return;
        }
        const GameState saved = s;
        const TableScene before = table();
        f.fileDialogs.answer("/saves/round.tn2");
        app.menuClick({MenuItem::GameMenu_SaveGameAs});
        f.fileDialogs.answer("/saves/round.tn2");
        app.menuClick({MenuItem::GameMenu_OpenGame});
        TableScene after = table();
        std::tie(after.caption, after.recentFiles, after.winStrip, after.coinColumn, after.gameOver) =
            std::tie(before.caption, before.recentFiles, before.winStrip, before.coinColumn, before.gameOver);
        if (saved.CoinsBet == 0)
            after.coins = before.coins;
        if (saved.DoubleUpPick != 0)
            after.labels = before.labels;
        ASSERT_EQ(after, before);
        ASSERT_EQ(std::tie(s.vAmtWon, s.vHandsPlayed, s.HandCounts, s.Held),
                  std::tie(saved.vAmtWon, saved.vHandsPlayed, saved.HandCounts, saved.Held));
        ASSERT_FALSE(s.bChange);
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

    void randomAction() {
        const int pick = static_cast<int>(dice() % 100);
        if (pick < 25) {
            static const std::string keys = "12345cCbBmMpPdDyYnN$x";
            const char typed = keys[dice() % keys.size()];
            const bool live = keyIsLive(typed);
            const auto play = [&] {
                return std::make_tuple(s.Hand, s.Held, s.CoinsBet, s.vPoints, s.HandState, s.DoubleUpOffered);
            };
            const auto before = play();
            const DoubleUpPanel panel = table().doubleUp;
            const std::size_t digit = static_cast<std::size_t>(typed - '1');
            const bool held = digit < 5 && s.Held[digit];
            mayDraw([&] { key(typed); });
            // A key whose control takes no input does nothing at all.
            ASSERT_TRUE(live || play() == before) << "key " << typed;
            // A live digit holds or releases its card, or picks it in a Double Up; Y takes the gamble, N not.
            ASSERT_TRUE(
                !live || digit >= 5 ||
                (panel == DoubleUpPanel::Pick ? s.DoubleUpPick == typed - '0' : s.Held[digit] != held));
            const bool answer = panel == DoubleUpPanel::Question && std::string("yYnN").find(typed) < 4;
            ASSERT_TRUE(!answer || table().doubleUp == (std::tolower(typed) == 'y' ? DoubleUpPanel::Pick
                                                                                   : DoubleUpPanel::None));
        } else if (pick < 35) {
            clickIfLive({Control::Hold, static_cast<int>(dice() % 5) + 1});
        } else if (pick < 40) {
            clickIfLive({Control::HandPos, static_cast<int>(dice() % 5) + 1});
        } else if (pick < 55) {
            mayDraw([&] { clickIfLive({Control::Deal}); });
        } else if (pick < 65) {
            const bool max = dice() % 2 != 0, bets = live({max ? Control::MaxBet : Control::Bet1});
            const std::int64_t stake = s.CoinsBet + s.vPoints;
            const std::int64_t coins = max ? std::min<std::int64_t>(MaxCoins, stake) : s.CoinsBet + 1;
            clickIfLive({max ? Control::MaxBet : Control::Bet1});
            // A coin a press, Max Bet topping up to five coins or every credit under the five-coin column;
            // the fifth coin or the last credit deals.
            ASSERT_TRUE(!bets ||
                        std::tuple(s.CoinsBet, table().coinColumn, s.HandState == HandStates::Dealt) ==
                            std::tuple(coins, max ? 5 : coins, coins == 5 || coins == stake));
        } else if (pick < 70) {
            if (table().doubleUp == DoubleUpPanel::Question) {
                // Releases anywhere, half of them on or beside an edge of YES (71-135) or NO (174-220),
                // 87-126.
                const int xs[] = {70, 71, 135, 136, 173, 174, 220, 221}, ys[] = {86, 87, 126, 127};
                const int x = dice() % 2 == 0 ? xs[dice() % 8] : static_cast<int>(dice() % 304);
                const int y = dice() % 2 == 0 ? ys[dice() % 4] : static_cast<int>(dice() % 129);
                const int button = dice() % 8 == 0 ? 2 : 1, shift = dice() % 8 == 0 ? 1 : 0;
                const std::int64_t won = s.vPoints + s.PaidAmount;
                clickDoubleUp(x, y, button, shift);
                // Only a plain left release inside YES or NO answers; NO pays the win as it stood.
                const bool plain = button == 1 && shift == 0 && y >= 87 && y <= 126;
                const bool yes = plain && x >= 71 && x <= 135, no = plain && x >= 174 && x <= 220;
                ASSERT_EQ(table().doubleUp, yes  ? DoubleUpPanel::Pick
                                            : no ? DoubleUpPanel::None
                                                 : DoubleUpPanel::Question)
                    << x << "," << y << " button " << button << " shift " << shift;
                ASSERT_TRUE(!no || s.vPoints == won);
            }
        } else if (pick < 76) {
            const std::int64_t before = s.vPoints;
            f.dialogs.script(
                {type("txtAmount", std::to_string(static_cast<int>(dice() % 400) - 20)), press("btnOK")});
            app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
            f.dialogs.dropScripts(); // refused before its dialog showed
            takenFromBank += s.vPoints - before;
        } else if (pick < 80) {
            clickIfLive({Control::CashOut});
        } else if (pick < 92) {
            const std::int64_t before = s.vPoints;
            const bool underWay = handUnderWay();
            clickIfLive({Control::CashIn});
            // Credits come only between hands and below the maximum; otherwise the player is told why.
            ASSERT_EQ(told(), underWay ? "Add Credits|64|Finish this hand and try again."
                              : before >= MaxGameCredits
                                  ? "Credit Bank|48|The game credits are at the maximum."
                                  : "");
            ASSERT_EQ(s.vPoints > before, !underWay && before < MaxGameCredits);
            if (s.vPoints > before)
                cut += s.options.iDefaultPoints - (s.vPoints - before);
        } else if (pick < 96) {
            const GameType was = s.game();
            const bool underWay = handUnderWay();
            app.menuClick({Games[dice() % 4]});
            if (underWay) {
                ASSERT_EQ(told(), "Options|64|Please finish the current hand before changing games.");
                ASSERT_EQ(s.game(), was);
            } else if (s.game() != was) {
                // A new game's table: the credits stay, everything of the last hand goes.
                const TableScene& t = table();
                const TableScene fresh;
                ASSERT_EQ(std::tie(t.cards, t.labels, t.paid, t.coins, t.winStrip, t.coinColumn, t.gameOver),
                          std::tie(fresh.cards, fresh.labels, fresh.paid, fresh.coins, fresh.winStrip,
                                   fresh.coinColumn, fresh.gameOver));
                ASSERT_TRUE(s.bChange);
            }
        } else if (pick < 98) {
            app.menuClick({MenuItem::OptionsMenu_DoubleUp});
        } else {
            switch (dice() % 4) {
            // The advisor's options: an unscripted Trainer question is answered Change Hold.
            case 0: app.menuClick({MenuItem::StrategyMenu_ShowBestHold}); break;
            case 1: app.menuClick({MenuItem::StrategyMenu_Trainer}); break;
            case 2: saveAndReopen(); break;
            default:
                // Without saving, also in the middle of a Double Up: the game's credits go with it.
                const bool changed = s.bChange;
                if (changed)
                    f.messages.answer({s.DoubleUpPending ? MsgAnswer::Yes : MsgAnswer::No});
                handsInEarlierGames += s.vHandsPlayed;
                wonInEarlierGames += s.vHandsWon;
                app.menuClick({MenuItem::GameMenu_NewGame});
                ASSERT_EQ(f.log.matching("message").size(), changed ? 1u : 0u) << "only a changed game asks";
                // A new game starts from nothing, whatever was under way.
                ASSERT_TRUE(s.HandState == HandStates::BetweenHands && !s.DoubleUpPending &&
                            !s.DoubleUpOffered && !s.bChange && !s.GameOverShown);
                ASSERT_EQ(s.vPoints + s.CoinsBet + s.CreditsIn + s.vAmtPlayed + s.vHandsPlayed, 0);
                ++newGames;
                cashedOutThisGame = 0;
                cut = 0;
                break;
            }
        }
    }

    // Receipts tell what left the game for the bank, on their middle line.
    void countReceipts() {
        for (; receiptsSeen < f.dialogs.shown().size(); ++receiptsSeen) {
            const auto& texts = f.dialogs.shown()[receiptsSeen].texts;
            if (texts.count("Label2") == 0)
                continue;
            std::string amounts = texts.at("Label2");
            amounts.erase(std::remove(amounts.begin(), amounts.end(), ','), amounts.end());
            const auto first = amounts.find("\r\n") + 2;
            const std::string added = amounts.substr(first, amounts.find("\r\n", first) - first);
            cashedOutThisGame += added.empty() ? 0 : std::stoll(added);
            cashedOut += added.empty() ? 0 : std::stoll(added);
        }
    }

    void checkCredits(int action) {
        const std::int64_t open = s.CoinsBet;
        ASSERT_EQ(s.vPoints + open + cashedOutThisGame + cut, s.CreditsIn - s.vAmtPlayed + s.vAmtWon)
            << "action " << action;
        ASSERT_EQ(bank() + takenFromBank, BankStart + cashedOut) << "action " << action;
        ASSERT_GE(s.vPoints, 0);
        if (s.HandState == HandStates::BetweenHands) {
            ASSERT_EQ(std::accumulate(s.HandCounts.begin(), s.HandCounts.end(), std::int64_t{0}), s.vHandsWon)
                << "action " << action;
        }
    }

    void checkControls(int action) {
        const TableScene& t = table();
        SCOPED_TRACE(action);
        ASSERT_EQ(t, deriveTable(s)) << "the table shows the state as it is";
        for (std::size_t i = 0; i < 5; ++i) {
            ASSERT_TRUE((t.labels[i] != HoldLabel::Hint && t.labels[i] != HoldLabel::DrawHint) ||
                        (s.options.ShowBestHold && s.HandState == HandStates::Dealt && !s.DoubleUpPending &&
                         !s.Held[i]));
            const bool picking = s.DoubleUpPending && !s.DoubleUpOffered;
            ASSERT_EQ(t.labels[i] == HoldLabel::Held, s.Held[i] && !picking && s.DoubleUpPick == 0);
        }
        ASSERT_LE(t.credits, MaxShownCredits);
        ASSERT_TRUE(s.HandState == HandStates::BetweenHands || !t.addCreditsHint);
        ASSERT_EQ(t.doubleUpLocksMenus, s.DoubleUpPending);
        if (s.HandState == HandStates::BetweenHands) {
            ASSERT_FALSE(s.DoubleUpPending);
            ASSERT_EQ(t.positionsEnabled, (std::array<bool, 5>{}));
            ASSERT_EQ(t.dealEnabled, s.CoinsBet > 0);
            ASSERT_EQ(t.cashOutEnabled, s.vPoints > 0 && s.CoinsBet == 0);
            ASSERT_EQ(std::tuple(t.bet1Enabled, t.maxBetEnabled), std::tuple(s.vPoints > 0, s.vPoints > 0));
            ASSERT_EQ(t.addCreditsHint, s.vPoints == 0 && s.CoinsBet == 0)
                << "how to play on, when nothing is left";
            ASSERT_EQ(t.doubleUp, DoubleUpPanel::None);
        } else if (!s.DoubleUpPending) {
            ASSERT_TRUE(t.dealEnabled && t.dealFace == DealFace::Draw);
            ASSERT_FALSE(t.bet1Enabled || t.maxBetEnabled || t.cashOutEnabled);
            ASSERT_EQ(t.positionsEnabled, (std::array<bool, 5>{true, true, true, true, true}));
        } else {
            ASSERT_FALSE(t.dealEnabled || t.bet1Enabled || t.maxBetEnabled || t.cashOutEnabled);
            ASSERT_FALSE(t.positionsEnabled[0]);
            for (std::size_t i = 1; i < 5; ++i)
                ASSERT_EQ(t.positionsEnabled[i], !s.DoubleUpOffered);
        }
    }

    // A bet clears the last hand's marks and a deal pays nothing yet; a draw counts one hand and its
    // category once and pays that category's pay for the coins bet (the five-coin royal flush 4,000), and
    // a winning one offers the Double Up when it is on and the doubled win fits on the counter; a finished
    // hand shows GAME OVER, with the credits' sound only when it paid.
    void checkHand(const GameState& was, int action) {
        SCOPED_TRACE(action);
        const bool dealt = s.HandState == HandStates::Dealt;
        std::int64_t pay = 0;
        for (std::size_t slot = 0; slot < PayTableSlots; ++slot)
            pay += (s.HandCounts[slot] - was.HandCounts[slot]) *
                   (slot == 0 && was.CoinsBet == 5 ? 4000 : was.CoinsBet * s.rules().PayTable[slot]);
        ASSERT_LE(s.vHandsPlayed, was.vHandsPlayed + 1);
        ASSERT_TRUE(s.vHandsPlayed <= was.vHandsPlayed || s.PaidAmount == pay);
        ASSERT_TRUE(s.CoinsBet <= was.CoinsBet ||
                    (s.PaidAmount == 0 && !s.GameOverShown && (dealt || s.WinStrip == HandCategory::NoWin)));
        ASSERT_TRUE(s.vHandsPlayed <= was.vHandsPlayed ||
                    s.DoubleUpPending == (s.PaidAmount > 0 && s.options.DoubleUpOn &&
                                          s.vPoints + 2 * s.PaidAmount <= MaxShownCredits));
        ASSERT_TRUE(s.vAmtPlayed <= was.vAmtPlayed ||
                    (s.GameOverShown && f.log.matching("sound 1 ").empty() == (s.PaidAmount == 0)));
    }

    // The four cards to pick from never repeat the dealer's card, a card of the finished hand, or each other.
    void checkPick(int action) {
        if (s.DoubleUpPending && !s.DoubleUpOffered) {
            kept = s.Hand;
        } else if (kept && !s.DoubleUpPending) {
            std::set<Card> seen(kept->begin(), kept->end());
            for (std::size_t i = 1; s.DoubleUpPick != 0 && i < HandSize; ++i)
                ASSERT_TRUE(seen.insert(s.Hand[i]).second) << "action " << action;
            picks += s.DoubleUpPick != 0 ? 1 : 0;
            kept.reset();
        }
    }

    static constexpr std::int64_t BankStart = 5000;
    std::mt19937 dice{20261206};
    std::int64_t takenFromBank = 0, cashedOut = 0, cashedOutThisGame = 0, cut = 0;
    std::int64_t handsInEarlierGames = 0, wonInEarlierGames = 0;
    int newGames = 0, picks = 0;
    std::optional<Hand> kept;
    std::size_t receiptsSeen = 0;
};

// Guards the credits, the bank, the statistics, the buttons and the Double Up's cards to pick through
// 100,000 random actions of every kind, the refused ones (disabled controls, keys that do nothing, bad
// amounts) included.
TEST_F(SessionTest, NoCreditIsMadeOrLostInALongRandomSession) {
    for (int action = 0; action < 100000; ++action) {
        const GameState was = s;
        randomAction();
        checkHand(was, action);
        countReceipts();
        checkCredits(action);
        checkControls(action);
        checkPick(action);
        if (HasFatalFailure())
            return;
        f.log.clear();
    }
    EXPECT_GT(handsInEarlierGames + s.vHandsPlayed, 5000);
    EXPECT_GT(wonInEarlierGames + s.vHandsWon, 1000);
    EXPECT_GT(newGames, 100);
    EXPECT_GT(picks, 200);
    EXPECT_GT(cashedOut, 0);
    EXPECT_GT(takenFromBank, 0);
}

} // namespace
} // namespace tandora::testing_support
