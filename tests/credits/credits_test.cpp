#include "tests/play/play_fixture.h"

namespace tandora::testing_support {
namespace {

class CreditsTest : public PlayTest {
protected:
    void bank(const std::string& credits) { f.settings.set("Bank", "Credits", credits); }
    std::string bankNow() const {
        return f.settings.has("Bank", "Credits") ? f.settings.value("Bank", "Credits") : "";
    }
};

// Guards Add Default: the default amount, the cut at 9,999 (the full default still counted in), the ready
// table, sound 1, and the maximum message once the credits are there or beyond.
TEST_F(CreditsTest, AddDefaultAddsUpToTheMaximum) {
    addDefault();
    EXPECT_EQ(s.vPoints, 80);
    EXPECT_EQ(s.CreditsIn, 80);
    EXPECT_TRUE(s.bChange);
    EXPECT_TRUE(table().bet1Enabled && table().maxBetEnabled && table().cashOutEnabled);
    EXPECT_FALSE(table().dealEnabled || table().addCreditsHint);
    EXPECT_EQ(f.log.matching("sound 1"), (std::vector<std::string>{"sound 1 background"}));

    s.vPoints = 9995;
    app.menuClick({MenuItem::mnuAddCredits_AddDefault});
    EXPECT_EQ(s.vPoints, 9999);
    EXPECT_EQ(s.CreditsIn, 160);
    addDefault();
    EXPECT_EQ(f.messages.shown().back(), "Credit Bank|48|The game credits are at the maximum.");
    s.vPoints = 12000; // won beyond the maximum
    addDefault();
    EXPECT_EQ(s.vPoints, 12000);
    EXPECT_EQ(f.messages.shown().size(), 2u) << "above the maximum the player is told too";
}

// Guards Add From Bank's refusals before the dialog: an empty (or unreadable) bank first, then the maximum.
TEST_F(CreditsTest, AddFromBankChecksTheBankThenTheCredits) {
    s.vPoints = 9999;
    for (const char* stored : {"", "0", "lots", "-5"}) {
        if (*stored)
            bank(stored);
        app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
        EXPECT_EQ(f.messages.shown().back(), "Credit Bank|48|There are currently no credits in the Bank.");
    }
    bank("50");
    app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
    EXPECT_EQ(f.messages.shown().back(), "Credit Bank|48|The game credits are at the maximum.");
    EXPECT_TRUE(f.dialogs.shown().empty());
}

// Guards the dialog's text and offer: bank 1,234 grouped, the largest amount the credits allow, selected.
TEST_F(CreditsTest, AddFromBankOffersWhatFits) {
    bank("1234");
    s.vPoints = 9990;
    app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
    ASSERT_EQ(f.dialogs.shown().size(), 1u);
    const FakeDialogs::Shown& d = f.dialogs.shown()[0];
    EXPECT_EQ(d.caption, "Credit Bank");
    EXPECT_EQ(d.texts.at("lblInstructions"),
              "You currently have 1,234 credits in the Bank. The maximum credits you "
              "may add is 9.\r\n\r\nEnter the number of credits you wish to add.");
    EXPECT_EQ(d.texts.at("txtAmount"), "9");
    EXPECT_EQ(d.selections, (std::vector<std::string>{"txtAmount"}));
    EXPECT_EQ(s.vPoints, 9990) << "closed without OK, nothing moves";
    EXPECT_EQ(bankNow(), "1234");
    EXPECT_TRUE(f.log.matching("sound").empty());
}

struct BankEntry {
    const char* name;
    const char* typed;
    int added; // 0: nothing added
    const char* message;
};

void PrintTo(const BankEntry& e, std::ostream* os) {
    *os << e.name;
}

class AddFromBank : public CreditsTest, public ::testing::WithParamInterface<BankEntry> {};

// Guards the amounts typed into the bank dialog: the leading number, halves to the even neighbour, too much
// or too little refused with the dialog kept open and the text selected again.
TEST_P(AddFromBank, TakesWhatWasTyped) {
    const BankEntry& e = GetParam();
    bank("50");
    s.vPoints = 9990;
    f.dialogs.script({type("txtAmount", e.typed), press("btnOK"), press("btnCancel")});
    app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
    EXPECT_EQ(s.vPoints, 9990 + e.added);
    EXPECT_EQ(s.CreditsIn, e.added);
    EXPECT_EQ(bankNow(), std::to_string(50 - e.added));
    if (*e.message) {
        EXPECT_EQ(f.messages.shown().back(), std::string("Credit Bank|48|") + e.message);
        EXPECT_EQ(f.dialogs.shown()[0].selections.size(), 2u) << "selected again for typing over";
    } else {
        EXPECT_TRUE(f.messages.shown().empty());
    }
    EXPECT_EQ(f.log.matching("sound 1").size(), e.added > 0 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, AddFromBank,
    ::testing::Values(BankEntry{"AllItOffers", "9", 9, ""}, BankEntry{"HalfRoundsDown", "2.5", 2, ""},
                      BankEntry{"HalfRoundsUp", "3.5", 4, ""}, BankEntry{"LeadingNumber", "7 credits", 7, ""},
                      BankEntry{"TooMuch", "10", 0,
                                "Please enter an amount less than or equal to 9 credits."},
                      BankEntry{"Negative", "-5", 0, "Please enter an amount of at least 1 credit."},
                      BankEntry{"Letters", "abc", 0, "Please enter an amount of at least 1 credit."},
                      BankEntry{"RoundsToNothing", "0.4", 0, "Please enter an amount of at least 1 credit."}),
    RowName());

// Guards the bank write: when the store refuses it, no credit moves and the player is told.
TEST_F(CreditsTest, NoCreditMovesWhenTheBankCannotBeWritten) {
    bank("50");
    f.settings.refuseWrites(true);
    f.dialogs.script({type("txtAmount", "20"), press("btnOK")});
    app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
    EXPECT_EQ(s.vPoints, 0);
    EXPECT_EQ(bankNow(), "50");
    EXPECT_EQ(f.messages.shown().back(),
              "Credit Bank|48|The Credit Bank could not be saved, so no credits were taken from it.");

    f.settings.refuseWrites(false);
    addDefault();
    f.settings.refuseWrites(true);
    key('c');
    EXPECT_EQ(s.vPoints, 80);
    EXPECT_EQ(bankNow(), "50");
    EXPECT_EQ(f.messages.shown().back(),
              "Credit Bank|48|The Credit Bank could not be saved, so your credits stay in the game.");
    EXPECT_TRUE(table().cashOutEnabled);
}

// Guards Cash Out: credits into the bank with a receipt, the betting buttons off, and the bank's limit.
TEST_F(CreditsTest, CashOutBanksTheCreditsWithAReceipt) {
    addDefault();
    s.vPoints = 250;
    s.bChange = false;
    app.click({Control::CashOut});
    EXPECT_TRUE(s.bChange);
    EXPECT_EQ(bankNow(), "250");
    EXPECT_EQ(s.vPoints, 0);
    ASSERT_EQ(f.dialogs.shown().size(), 1u);
    const FakeDialogs::Shown& receipt = f.dialogs.shown()[0];
    EXPECT_EQ(receipt.caption, "Credit Bank");
    EXPECT_EQ(receipt.texts.at("Label1"), "Old Balance:\r\nCredits Added:\r\nNew Balance:");
    EXPECT_EQ(receipt.texts.at("Label2"), "\r\n250\r\n250") << "an empty bank shows as nothing";
    EXPECT_FALSE(table().cashOutEnabled || table().bet1Enabled || table().maxBetEnabled ||
                 table().dealEnabled);
    EXPECT_TRUE(table().addCreditsHint) << "cashed out, the table says how to play on";

    bank("999000");
    s.vPoints = 1000;
    app.click({Control::CashOut});
    EXPECT_EQ(f.messages.shown().back(),
              "Credit Bank|48|You may save a maximum of 999,999 credits in the Credit "
              "Bank. Cashing out at this time will put you over the limit.\r\n\r\n"
              "Current Balance:\t999,000");
    EXPECT_EQ(s.vPoints, 1000);
    s.vPoints = 999;
    app.click({Control::CashOut});
    EXPECT_EQ(bankNow(), "999999");
    EXPECT_EQ(f.dialogs.shown().back().texts.at("Label2"), "999,000\r\n999\r\n999,999");

    // A hand-edited bank that is no whole number of credits is never overwritten.
    bank("-5");
    addDefault();
    app.click({Control::CashOut});
    EXPECT_EQ(f.messages.shown().back(), "Cashing Out|48|13: Type mismatch");
    EXPECT_EQ(bankNow(), "-5");
    EXPECT_EQ(s.vPoints, 80);
}

// Guards the default amount: only the list's amounts are taken, a typed one among them too.
TEST_F(CreditsTest, ChangeDefaultTakesOnlyTheListsAmounts) {
    f.dialogs.script({type("Combo1", "37"), press("btnOK"), type("Combo1", " 200 "), press("btnOK")});
    app.menuClick({MenuItem::mnuAddCredits_ChangeDefault});
    EXPECT_EQ(f.messages.shown().back(),
              "Add Credits Default|48|Please choose one of the amounts in the list: 5, "
              "10, 20, 40, 50, 80, 100, 200 or 400.");
    EXPECT_EQ(s.options.iDefaultPoints, 200);
    EXPECT_TRUE(s.bChange);
    const FakeDialogs::Shown& d = f.dialogs.shown()[0];
    EXPECT_EQ(d.caption, "Add Credits Default");
    EXPECT_EQ(d.texts.at("Label1"),
              "Select the amount you want to be the default number of credits added each time you select Add "
              "Default from the Add Credits menu or when you click on the Dollar Sign button. ");

    s.bChange = false;
    f.dialogs.script({type("Combo1", "5"), press("btnCancel")});
    app.menuClick({MenuItem::mnuAddCredits_ChangeDefault});
    EXPECT_EQ(s.options.iDefaultPoints, 200);
    EXPECT_FALSE(s.bChange);
}

} // namespace
} // namespace tandora::testing_support
