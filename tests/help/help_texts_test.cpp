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

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// Guards the Getting Started box: its title and information icon, six steps in order, a blank line between
// them and none at the end, naming the menus and buttons as the table shows them.
TEST(HelpTexts, GettingStartedListsSixSteps) {
    FakePlatform f;
    GameState state;
    HelpMenu({f.platform, state}).HelpMenu_GettingStarted_Click();
    ASSERT_EQ(f.messages.shown().size(), 1u);
    const std::string prefix = "Getting Started|64|";
    const std::string box = f.messages.shown()[0];
    ASSERT_EQ(box.rfind(prefix, 0), 0u) << box;
    const std::vector<std::string> lines = splitLines(box.substr(prefix.size()));
    ASSERT_EQ(lines.size(), 17u);
    for (std::size_t step = 0; step < 6; ++step) {
        EXPECT_EQ(lines[3 * step], "Step " + std::to_string(step + 1));
        EXPECT_EQ(lines[3 * step + 1].back(), '.');
        EXPECT_TRUE(step == 5 || lines[3 * step + 2].empty()) << "a blank line after step " << step + 1;
    }
    for (const char* words : {"Options menu", "Dollar Sign button", "Play Max button", "Bet 1",
                              "Held indicators", "Draw button", "Help Topics"})
        EXPECT_NE(box.find(words), std::string::npos) << words;
}

struct HandsRow {
    std::string name;
    GameType game;
    std::string title;
    std::string hands; // each line up to its description, TABs included
};

void PrintTo(const HandsRow& row, std::ostream* os) {
    *os << row.title;
}

class HandsDefined : public ::testing::TestWithParam<HandsRow> {};

const std::string Note =
    "\r\n\r\nNote:\r\nSeveral hands will fit into two or more of the above categories.\r\n"
    "Tandora will pay on the hand with the highest winnings.";

// Guards the Hands Defined box of the game in play: its title, the hands in the order the game pays them,
// the TABs that line the descriptions up, and the note; both Jacks or Better pay tables share one text.
TEST_P(HandsDefined, ShowsTheHandsOfTheGameInPlay) {
    FakePlatform f;
    GameState state;
    state.setGame(GetParam().game);
    HelpMenu({f.platform, state}).HelpMenu_Hands_Click();
    ASSERT_EQ(f.messages.shown().size(), 1u);
    const std::string prefix = GetParam().title + "|64|";
    const std::string box = f.messages.shown()[0];
    ASSERT_EQ(box.rfind(prefix, 0), 0u) << box;
    ASSERT_EQ(box.substr(box.size() - Note.size()), Note);
    std::string hands;
    for (const std::string& line :
         splitLines(box.substr(prefix.size(), box.size() - prefix.size() - Note.size())))
        hands += line.substr(0, line.rfind('\t') + 1) + "|";
    EXPECT_EQ(hands, GetParam().hands);
}

const std::string JacksHands =
    "Royal Flush\t|Straight Flush\t|Four of a Kind\t|Full House\t|Flush\t\t|Straight\t\t|"
    "Three of a Kind\t|Two Pair\t\t|Jacks or Better\t|";

INSTANTIATE_TEST_SUITE_P(
    Games, HandsDefined,
    ::testing::Values(
        HandsRow{"Jb85", GameType::JacksOrBetter85, "Hands Defined - Jacks Or Better", JacksHands},
        HandsRow{"Jb96", GameType::JacksOrBetter96, "Hands Defined - Jacks Or Better", JacksHands},
        HandsRow{"Dw", GameType::DeucesWild, "Hands Defined - Deuces Wild",
                 "Royal Flush\t|Four Deuces\t|Royal w/Deuce\t|Five of a Kind\t|\t\t|Straight Flush\t|"
                 "Four of a Kind\t|Full House\t|Flush\t\t|Straight\t\t|Three of a Kind\t|"},
        HandsRow{"Jp", GameType::JokerPoker, "Hands Defined - Joker Poker",
                 "Royal Flush\t|Five of a Kind\t|\t\t|Royal w/Joker\t|Straight Flush\t|Four of a Kind\t|"
                 "Full House\t|Flush\t\t|Straight\t\t|Three of a Kind\t|Two Pair\t\t|Kings or Better\t|"}),
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
              "Tandora is free: play it, copy it and share it.");
    EXPECT_EQ(shown.texts.at("lblDisclaimer"), " ");
    int icon = 0;
    for (const auto& row : AboutDialog(f.platform).layout().rows)
        for (const DialogControl& c : row)
            if (c.name == "picIcon")
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
