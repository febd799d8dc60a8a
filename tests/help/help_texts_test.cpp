#include <gtest/gtest.h>

#include "help/about_dialog.h"
#include "help/help_menu.h"
#include "help/help_texts.h"
#include "help/key_shortcuts_dialog.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;
using testing_support::press;

// Guards the Getting Started box word for word: six steps, a blank line between them, none at the end,
// the information icon and its own title.
TEST(HelpTexts, GettingStartedIsExact) {
    FakePlatform f;
    GameState state;
    HelpMenu({f.platform, state}).HelpMenu_GettingStarted_Click();
    const std::string expected =
        "Step 1\r\nGo to the Options menu and click on the game type you want to play.\r\n\r\n"
        "Step 2\r\nPress the Dollar Sign button (on the lower right portion of the window) to add credits."
        "\r\n\r\nStep 3\r\nPress the Play Max button to bet five credits and deal the initial hand. Or press "
        "the Bet 1 button once for each credit you want to play and then press the Deal button.\r\n\r\n"
        "Step 4\r\nDecide which cards you would like to hold and click on them. The Held indicators will "
        "come "
        "on for each card you click. To unhold a card simply click it again.\r\n\r\n"
        "Step 5\r\nOnce you have the desired cards held, press the Draw button (it is the same as the Deal "
        "button).\r\n\r\nStep 6\r\nFor information on the other game features go to the Help menu and "
        "click on the Help Topics item.";
    EXPECT_EQ(f.messages.shown(), (std::vector<std::string>{"Getting Started|64|" + expected}));
}

struct HandsRow {
    std::string name;
    GameType game;
    std::string title;
    std::string hands;
};

void PrintTo(const HandsRow& row, std::ostream* os) {
    *os << row.title;
}

class HandsDefined : public ::testing::TestWithParam<HandsRow> {};

const std::string Note =
    "\r\n\r\nNote:\r\nSeveral hands will fit into two or more of the above categories.\r\n"
    "Tandora will pay on the hand with the highest winnings.";

// The lines the games share, with their TABs.
const std::string Royal = "Royal Flush\tTen through Ace of the same suit.\r\n";
const std::string FiveOfAKind = "Five of a Kind\tFive cards with the same face value.\r\n";
const std::string StraightFlushToThrees = "Straight Flush\tFive cards of the same suit in sequence.\r\n"
                                          "Four of a Kind\tFour cards with the same face value.\r\n"
                                          "Full House\tA Pair and Three of a Kind in the same hand.\r\n"
                                          "Flush\t\tFive cards of the same suit not in sequence.\r\n"
                                          "Straight\t\tFive cards in sequence but not of the same suit.\r\n"
                                          "Three of a Kind\tThree cards with the same face value.";
const std::string TwoPair = "\r\nTwo Pair\t\tTwo sets of two cards with the same face value.\r\n";
const std::string JacksHands =
    Royal + StraightFlushToThrees + TwoPair + "Jacks or Better\tTwo Jacks, Queens, Kings, or Aces.";

// Guards every Hands Defined text with its TABs and line breaks, read from the game in play; both Jacks or
// Better pay tables share one text.
TEST_P(HandsDefined, ShowsTheHandsOfTheGameInPlay) {
    FakePlatform f;
    GameState state;
    state.setGame(GetParam().game);
    HelpMenu({f.platform, state}).HelpMenu_Hands_Click();
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{GetParam().title + "|64|" + GetParam().hands + Note}));
}

INSTANTIATE_TEST_SUITE_P(
    Games, HandsDefined,
    ::testing::Values(
        HandsRow{"Jb85", GameType::JacksOrBetter85, "Hands Defined - Jacks Or Better", JacksHands},
        HandsRow{"Jb96", GameType::JacksOrBetter96, "Hands Defined - Jacks Or Better", JacksHands},
        HandsRow{"Dw", GameType::DeucesWild, "Hands Defined - Deuces Wild",
                 Royal +
                     "Four Deuces\tAll four wild cards.\r\nRoyal w/Deuce\tRoyal Flush with at least one wild "
                     "card.\r\n" +
                     FiveOfAKind + "\t\t(Requires at least one wild card.)\r\n" + StraightFlushToThrees},
        HandsRow{"Jp", GameType::JokerPoker, "Hands Defined - Joker Poker",
                 Royal + FiveOfAKind +
                     "\t\t(The fifth card is the Joker.)\r\nRoyal w/Joker\tRoyal Flush with the Joker.\r\n" +
                     StraightFlushToThrees + TwoPair + "Kings or Better\tTwo Kings, or Two Aces."}),
    testing_support::RowName{});

// Guards the Keyboard Shortcuts window: its caption, four columns of eight lines exactly, closed by OK.
TEST(HelpTexts, KeyboardShortcutsWindowListsEveryKey) {
    FakePlatform f;
    GameState state;
    f.dialogs.script({press("btnOK")});
    HelpMenu({f.platform, state}).HelpMenu_KeyShortcuts_Click();
    const auto& shown = f.dialogs.shown().at(0);
    EXPECT_EQ(shown.caption, "Keyboard Shortcuts");
    EXPECT_EQ(shown.texts.at("Col1"), "New Game\r\nOpen Game\r\nSave Game\r\nGame Stats\r\nAdd Default\r\n"
                                      "Add from Bank\r\nKeyboard shortcuts\r\nHold cards");
    EXPECT_EQ(shown.texts.at("Col2"),
              "Ctrl+N\r\nCtrl+O\r\nCtrl+S\r\nCtrl+G\r\nCtrl+A\r\nCtrl+B\r\nCtrl+K\r\n1,2,3,4,5");
    EXPECT_EQ(shown.texts.at("Col3"),
              "Cash out\r\nBet 1\r\nPlay Max\r\nDeal/Draw\r\nCash In\r\nDouble Up Yes\r\n"
              "Double Up No\r\nDouble Up Pick");
    EXPECT_EQ(shown.texts.at("Col4"), "C,c\r\nB,b\r\nP,p or M,m\r\nD,d\r\n$\r\nY,y\r\nN,n\r\n2,3,4,5");
    EXPECT_EQ(f.log.matching("dialog press"), (std::vector<std::string>{"dialog press btnOK"}));
}

// Guards the About box: caption, the window icon, the version 2.0.2 of the build in its designed place
// among our own lines, OK closing it.
TEST(HelpTexts, AboutBoxShowsVersionAndIcon) {
    FakePlatform f;
    GameState state;
    f.dialogs.script({press("cmdOK")});
    HelpMenu({f.platform, state}).HelpMenu_AboutTND_Click();
    const auto& shown = f.dialogs.shown().at(0);
    EXPECT_EQ(shown.caption, "About Tandora");
    EXPECT_EQ(shown.texts.at("lblDescription"),
              "Tandora Version 2.0.2\r\n\r\nA video poker game for the desktop.\r\n"
              "Copyright (C) 2026 The Tandora developers\r\n\r\n\r\n"
              "Tandora is free software under the GNU General Public License, version 3 or later.");
    EXPECT_EQ(shown.texts.at("lblDisclaimer"), " ");
    int icon = 0;
    for (const auto& row : AboutDialog(f.platform).layout().rows)
        for (const DialogControl& c : row)
            if (c.name.text() == "picIcon")
                icon = c.picture;
    EXPECT_EQ(icon, WindowIconPicture);
    EXPECT_TRUE(f.messages.shown().empty());
}

// Guards System Info: the platform's tool is started, and no tool or one that will not start says so in a
// plain box (OK only, no icon) while the About box stays open.
TEST(HelpTexts, SystemInfoStartsTheToolOrSaysItIsUnavailable) {
    const std::tuple<std::string, bool, std::vector<std::string>> cases[] = {
        {"/usr/bin/hardinfo", true, {}},
        {"", true, {"Tandora|0|System Information Is Unavailable At This Time"}},
        {"/usr/bin/kinfocenter", false, {"Tandora|0|System Information Is Unavailable At This Time"}},
    };
    for (const auto& [tool, starts, messages] : cases) {
        SCOPED_TRACE(tool);
        FakePlatform f;
        GameState state;
        f.desktop.informationTool = tool;
        f.desktop.programsStart = starts;
        f.dialogs.script({press("cmdSysInfo"), press("cmdOK")});
        HelpMenu({f.platform, state}).HelpMenu_AboutTND_Click();
        EXPECT_EQ(f.log.matching("start program"),
                  tool.empty() ? std::vector<std::string>{} : std::vector{"start program " + tool});
        EXPECT_EQ(f.messages.shown(), messages);
        EXPECT_EQ(f.log.matching("dialog press").back(), "dialog press cmdOK");
    }
}

} // namespace
} // namespace tandora
