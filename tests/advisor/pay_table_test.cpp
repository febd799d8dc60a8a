#include "advisor/pay_table_dialog.h"
#include "engine/known_pay_tables.h"
#include "gamefiles/game_file.h"
#include "tests/play/play_fixture.h"

namespace tandora::testing_support {
namespace {

// The dialog as the player left it, after the actions of one script.
FakeDialogs::Shown played(PayTableDialog& dialog, std::vector<DialogAction> actions) {
    Transcript log;
    FakeDialogs dialogs(log);
    dialogs.script(std::move(actions));
    dialogs.showModal(dialog);
    return dialogs.shown().back();
}

// Guards the dialog's refusals: each bad entry is named on one line, OK keeps the dialog open on it, and
// nothing is chosen.
TEST(PayTableDialogTest, BadPaysAreRefusedWithTheRowNamed) {
    const std::pair<const char*, const char*> rows[] = {{"-1", "Full house is negative."},
                                                        {"8.5", "Full house is not a whole number."},
                                                        {"10001", "Full house is above 10,000."},
                                                        {"", "Full house is empty."}};
    for (const auto& [typed, problem] : rows) {
        PayTableDialog dialog(GameType::JacksOrBetter85, payTableFor(GameType::JacksOrBetter85), 5);
        const auto shown = played(dialog, {type("txtPay4", typed), press("btnOK")});
        EXPECT_EQ(shown.texts.at("lblProblem"), problem) << typed;
        EXPECT_EQ(shown.texts.at("lblReturn"), "Return under best play: -");
        EXPECT_FALSE(dialog.chosen());
    }
    PayTableDialog dialog(GameType::DeucesWild, payTableFor(GameType::DeucesWild), 5);
    EXPECT_EQ(played(dialog, {type("txtRoyal5", "50001"), press("btnOK")}).texts.at("lblProblem"),
              "Royal flush on five coins is above 50,000.");
}

// Guards the live return: the table as typed is named and priced exactly, a newer edit replaces the one
// before it, and OK chooses what the boxes say.
TEST(PayTableDialogTest, ReturnFollowsTheNewestEdit) {
    PayTableDialog dialog(GameType::JacksOrBetter96, payTableFor(GameType::JacksOrBetter96), 5);
    const auto shown = played(dialog, {type("txtPay5", "5"), type("txtPay4", "8"), type("txtPay5", "6"),
                                       waitForWork(), press("btnOK")});
    EXPECT_EQ(shown.texts.at("cboTable"), "Jacks or Better 8/6 - 98.39%");
    EXPECT_EQ(shown.texts.at("lblReturn"),
              "Return under best play: 98.3927% with 5 coins, 97.2233% with 1 coin.");
    EXPECT_EQ(dialog.chosen(), knownPayTables(GameType::JacksOrBetter96)[2].table);
}

class PayTablePlay : public PlayTest {
protected:
    // Bets coins one by one on a dealt hand, holds it all and draws; the win.
    std::int64_t paidFor(const std::string& cards, int coins) {
        nextCards(cards);
        for (int c = 0; c < coins; ++c)
            app.click({Control::Bet1});
        if (coins < MaxCoins)
            app.click({Control::Deal});
        for (int i = 1; i <= HandSize; ++i)
            app.click({Control::Hold, i});
        app.click({Control::Deal});
        return s.PaidAmount;
    }
};

// Guards a table of the player's own from the menu to the payout: named in the caption, paid at every bet
// (its own five-coin royal flush), a row paying nothing neither lit nor counted, kept in the game file, and
// the game's menu item brings the designed table back.
TEST_F(PayTablePlay, OwnTablePaysAtEveryBetUntilTheMenuTakesItBack) {
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
