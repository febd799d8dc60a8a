#include "tests/play/play_fixture.h"

namespace tandora::testing_support {
namespace {

class CreditsTest : public PlayTest {
protected:
    void bank(const std::string& credits) { f.settings.set("Bank", "Credits", credits); }
    std::string bankNow() const { return f.settings.getSetting("Tandora", "Bank", "Credits", ""); }
    const std::string& lastMessage() const { return f.messages.shown().back(); }
};

// Guards the default amount: only the list's amounts are taken, a typed one among them too, and a cancel
// keeps the old one and marks nothing changed. Then Add Default: that amount, the cut at 9,999 (the full
// default still counted in), sound 1, and the maximum message once the credits are there or beyond (the
// table it leaves is the session's).
TEST_F(CreditsTest, TheDefaultComesFromTheListAndIsAddedUpToTheMaximum) {
    f.dialogs.script({type("Combo1", "37"), press("btnOK"), type("Combo1", " 200 "), press("btnOK")});
    app.menuClick({MenuItem::mnuAddCredits_ChangeDefault});
    EXPECT_EQ(lastMessage(), "Add Credits Default|48|Please choose one of the amounts in the list: 5, "
                             "10, 20, 40, 50, 80, 100, 200 or 400.");
    EXPECT_EQ(std::tuple(s.options.iDefaultPoints, s.bChange), std::tuple(200, true));
    const FakeDialogs::Shown& d = f.dialogs.shown()[0];
    EXPECT_EQ(d.caption, "Add Credits Default");
    EXPECT_EQ(d.texts.at("Label1"),
              "Select the amount you want to be the default number of credits added each time you select Add "
              "Default from the Add Credits menu or when you click on the Dollar Sign button. ");
    s.bChange = false;
    f.dialogs.script({type("Combo1", "5"), press("btnCancel")});
    app.menuClick({MenuItem::mnuAddCredits_ChangeDefault});
    EXPECT_EQ(std::tuple(s.options.iDefaultPoints, s.bChange), std::tuple(200, false));

    addDefault();
    EXPECT_EQ(std::tuple(s.vPoints, s.CreditsIn, s.bChange), std::tuple(200, 200, true));
    EXPECT_EQ(f.log.matching("sound 1"), (std::vector<std::string>{"sound 1 background"}));
    s.vPoints = 9995;
    app.menuClick({MenuItem::mnuAddCredits_AddDefault});
    EXPECT_EQ(std::tuple(s.vPoints, s.CreditsIn), std::tuple(9999, 400));
    addDefault();
    EXPECT_EQ(lastMessage(), "Credit Bank|48|The game credits are at the maximum.");
    s.vPoints = 12000; // won beyond the maximum
    addDefault();
    EXPECT_EQ(s.vPoints, 12000);
    EXPECT_EQ(f.messages.shown().size(), 3u) << "above the maximum the player is told too";
}

// Guards Add From Bank's refusals before the dialog, an empty (or unreadable) bank first, then the maximum;
// and the dialog's text and offer: bank 1,234 grouped, the largest amount the credits allow, selected, and
// nothing moved when it closes without OK.
TEST_F(CreditsTest, AddFromBankChecksTheBankThenTheCreditsThenOffersWhatFits) {
    s.vPoints = 9999;
    for (const char* stored : {"", "0", "lots", "-5"}) {
        if (*stored)
            bank(stored);
        app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
        EXPECT_EQ(lastMessage(), "Credit Bank|48|There are currently no credits in the Bank.");
    }
    bank("50");
    app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
    EXPECT_EQ(lastMessage(), "Credit Bank|48|The game credits are at the maximum.");
    EXPECT_TRUE(f.dialogs.shown().empty());
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
    EXPECT_EQ(std::tuple(s.vPoints, bankNow()), std::tuple(9990, "1234"))
        << "closed without OK, nothing moves";
    EXPECT_TRUE(f.log.matching("sound").empty());
}

// Guards the bank write: when the store refuses it, no credit moves and the player is told. Guards the
// amounts typed into the bank dialog: too much (one over the 29 the credits allow) or too little
// refused with the dialog kept open and the text selected again; halves to the even neighbour, the leading
// number, and all it offers taken, each with sound 1.
TEST_F(CreditsTest, AddFromBankTakesWhatWasTyped) {
    bank("50");
    s.vPoints = 9970;
    f.settings.refuseWrites(true);
    f.dialogs.script({type("txtAmount", "20"), press("btnOK")});
    app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
    EXPECT_EQ(std::tuple(s.vPoints, bankNow()), std::tuple(9970, "50"));
    f.settings.refuseWrites(false);
    std::vector<DialogAction> script;
    for (const char* typed : {"30", "-5", "abc", "0.4", "2.5"})
        script.insert(script.end(), {type("txtAmount", typed), press("btnOK")});
    f.dialogs.script(script);
    app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
    const std::string tooLittle = "Credit Bank|48|Please enter an amount of at least 1 credit.";
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{
                  "Credit Bank|48|The Credit Bank could not be saved, so no credits were taken from it.",
                  "Credit Bank|48|Please enter an amount less than or equal to 29 credits.", tooLittle,
                  tooLittle, tooLittle}));
    EXPECT_EQ(f.dialogs.shown()[1].selections.size(), 5u) << "selected again for typing over";
    EXPECT_EQ(s.vPoints, 9972);
    for (const auto& [typed, credits] : {std::pair{"3.5", 9976}, {"7 credits", 9983}, {"16", 9999}}) {
        f.dialogs.script({type("txtAmount", typed), press("btnOK")});
        app.menuClick({MenuItem::mnuAddCredits_AddFromBank});
        EXPECT_EQ(s.vPoints, credits) << typed;
    }
    EXPECT_EQ(std::tuple(s.CreditsIn, bankNow(), f.messages.shown().size()), std::tuple(29, "21", 5u));
    EXPECT_EQ(f.log.matching("sound 1").size(), 4u);
}

// Guards Cash Out: credits into the bank with a receipt, the bank's limit, and a hand-edited bank that is no
// whole number of credits, which is never overwritten; when the store refuses the bank write, the credits
// stay in the game (the buttons and the hint it leaves are the session's).
TEST_F(CreditsTest, CashOutBanksTheCreditsWithAReceipt) {
    addDefault();
    s.vPoints = 250;
    s.bChange = false;
    app.click({Control::CashOut});
    EXPECT_EQ(std::tuple(s.vPoints, bankNow(), s.bChange), std::tuple(0, "250", true));
    ASSERT_EQ(f.dialogs.shown().size(), 1u);
    const FakeDialogs::Shown& receipt = f.dialogs.shown()[0];
    EXPECT_EQ(receipt.caption, "Credit Bank");
    EXPECT_EQ(receipt.texts.at("Label1"), "Old Balance:\r\nCredits Added:\r\nNew Balance:");
    EXPECT_EQ(receipt.texts.at("Label2"), "\r\n250\r\n250") << "an empty bank shows as nothing";
    bank("999000");
    s.vPoints = 1000;
    app.click({Control::CashOut});
    EXPECT_EQ(lastMessage(), "Credit Bank|48|You may save a maximum of 999,999 credits in the Credit "
                             "Bank. Cashing out at this time will put you over the limit.\r\n\r\n"
                             "Current Balance:\t999,000");
    EXPECT_EQ(s.vPoints, 1000);
    s.vPoints = 999;
    app.click({Control::CashOut});
    EXPECT_EQ(bankNow(), "999999");
    EXPECT_EQ(f.dialogs.shown().back().texts.at("Label2"), "999,000\r\n999\r\n999,999");
    bank("-5");
    addDefault();
    app.click({Control::CashOut});
    EXPECT_EQ(lastMessage(), "Cashing Out|48|13: Type mismatch");
    EXPECT_EQ(std::tuple(s.vPoints, bankNow()), std::tuple(80, "-5"));
    bank("50");
    f.settings.refuseWrites(true);
    key('c');
    EXPECT_EQ(std::tuple(s.vPoints, bankNow()), std::tuple(80, "50"));
    EXPECT_EQ(lastMessage(),
              "Credit Bank|48|The Credit Bank could not be saved, so your credits stay in the game.");
}

} // namespace
} // namespace tandora::testing_support
