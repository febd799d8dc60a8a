#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "help/about_dialog.h"
#include "help/help_book.h"
#include "help/help_menu.h"
#include "help/help_texts.h"
#include "platform/settings_keys.h"
#include "table/value_text.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;
using testing_support::press;
using Lines = std::vector<std::string>;

// Guards Help Topics (and F1, which the menu maps to it): the help window opens at its first page with
// every topic a new player needs, each page titled, and every "help:" link leads to a page that exists.
TEST(HelpBook, HelpTopicsOpensTheWholeHelpWithWorkingLinks) {
    FakePlatform f;
    GameState state;
    HelpMenu({f.platform, state}).HelpMenu_Contents_Click();
    EXPECT_EQ(f.log.matching("help"), Lines{"help welcome"});
    Lines ids;
    for (const HelpPage& p : f.help.book.pages)
        ids.push_back(p.id +
                      (p.title.empty() || p.html.find("<h1>") == std::string::npos ? " untitled" : ""));
    EXPECT_EQ(ids, (Lines{"welcome", "how-to-play", "hands", "jb85", "jb96", "dw", "jp", "strategy",
                          "strategy-menu", "double-up", "credits", "game-files", "statistics", "options",
                          "keyboard"}));
    const std::set<std::string> known(ids.begin(), ids.end());
    const std::regex link("href=\"help:([^\"]*)\"");
    for (const HelpPage& p : f.help.book.pages)
        for (std::sregex_iterator it(p.html.begin(), p.html.end(), link), end; it != end; ++it)
            EXPECT_TRUE(known.count((*it)[1])) << p.id << " links to " << (*it)[1];
}

// Guards the figures the pages state against the game's own (a limit or the default changed in the program
// changes the help with it), grouped as the game shows its numbers; and Ctrl+H documented.
TEST(HelpBook, StatesTheGamesOwnFiguresAndStrategyMenu) {
    const auto n = [](std::int64_t value) { return groupedNumber(value); };
    const std::string defaultCredits = n(GameOptions{}.iDefaultPoints);
    const auto& choices = Settings::DefPointsChoices;
    const std::pair<const char*, std::string> rows[] = {
        {"how-to-play", "(" + defaultCredits + " at a time"},
        {"credits", "stops at " + n(MaxGameCredits) + "; wins can take a game beyond that, up to " +
                        n(MaxShownCredits) + ", the most the display shows"},
        {"credits", defaultCredits + " credits unless"},
        {"credits", "from " + n(choices[0]) + " to " + n(choices[std::size(choices) - 1]) + "."},
        {"credits", "holds up to " + n(MaxBankCredits) + " credits"},
        {"keyboard", "<td>Hold Analysis</td><td>Ctrl+H</td>"},
    };
    std::map<std::string, std::string> pages;
    for (const HelpPage& p : helpBook().pages)
        pages[p.id] = p.html;
    for (const auto& [id, words] : rows)
        EXPECT_NE(pages.at(id).find(words), std::string::npos) << id << ": " << words;
}

// Guards the help's pay tables against what the games pay: the help's names of the hands that pay in a
// game, best first as on its own table, with a pay for each number of coins, the royal's 4000 on five.
// (That each pay grows with the coins is the engine's pay table test.)
TEST(HelpBook, PayTablesShowWhatTheGamesPay) {
    std::string text; // each hand with its pay for one coin, the royal's for five coins too
    for (const GameType game : AllGames) {
        for (const PayTableLine& line : payTableLines(game)) {
            ASSERT_EQ(line.pays.size(), 5u);
            text += line.hand + " " + std::to_string(line.pays[0]) +
                    (line.pays[4] == line.pays[0] * 5 ? "" : " " + std::to_string(line.pays[4])) + "|";
        }
        text += "\n";
    }
    const std::string jacks = "Straight 4|Three of a Kind 3|Two Pair 2|Jacks or Better 1|\n";
    EXPECT_EQ(text,
              "Royal Flush 250 4000|Straight Flush 50|Four of a Kind 25|Full House 8|Flush 5|" + jacks +
                  "Royal Flush 250 4000|Straight Flush 50|Four of a Kind 25|Full House 9|Flush 6|" + jacks +
                  "Royal Flush 250 4000|Four Deuces 200|Royal Flush with Deuces 25|Five of a Kind 15|"
                  "Straight Flush 9|Four of a Kind 5|Full House 3|Flush 2|Straight 2|Three of a Kind 1|\n"
                  "Royal Flush 250 4000|Five of a Kind 200|Royal Flush with the Joker 100|Straight Flush 50|"
                  "Four of a Kind 20|Full House 7|Flush 5|Straight 3|Three of a Kind 2|Two Pair 1|"
                  "Kings or Better 1|\n");
}

// Guards the readme, support and store items: each opens its own file (the readme as a document, the pages
// as file:// addresses), translates the shell's answer (5, 8, 27 and 31 have messages, success and other
// codes none), names a missing file without calling the shell, and shows the file in the help window when
// no program or no launcher could show it.
TEST(HelpMenu, ShippedFilesOpenAsEscapedAddressesAndTranslateTheShellsAnswer) {
    const auto readme = &HelpMenu::HelpMenu_Readme_Click, support = &HelpMenu::HelpMenu_Support_Click,
               store = &HelpMenu::HelpMenu_OrrinSoft_Click;
    const int none = ShellResult::NoLauncher;
    const std::tuple<void (HelpMenu::*)(), std::string, int, std::string, bool> rows[] = {
        {readme, "readme.txt", 5, "Access was denied. The file may be in use by another application.", false},
        {readme, "readme.txt", 8, "Not enough memory available.", false},
        {readme, "readme.txt", 27, "A program association for text files could not be found.", true},
        {readme, "readme.txt", none, "", true},
        {readme, "", 0, "The Readme.txt file could not be found.", false},
        {support, "support.html", 31, "A program association for Web pages could not be found.", true},
        {support, "", 0, "The Technical Support page could not be found.", false},
        {store, "store.html", 2, "", false},
        {store, "", 0, "The store page could not be found.", false}};
    for (const auto& [command, file, result, message, inHelpWindow] : rows) {
        SCOPED_TRACE(file + " " + std::to_string(result));
        FakePlatform f;
        GameState state;
        if (!file.empty())
            f.files.put("/opt/tandora/" + file, "Tandora <&> rules");
        f.desktop.result(result);
        (HelpMenu({f.platform, state}).*command)();
        const std::string opened =
            command == readme ? "open document /opt/tandora/" : "open address file:///opt/tandora/";
        EXPECT_EQ(f.log.matching("open"), file.empty() ? Lines{} : Lines{opened + file});
        EXPECT_EQ(f.messages.shown(), message.empty() ? Lines{} : Lines{"Tandora|48|" + message});
        EXPECT_EQ(f.log.matching("help"), inHelpWindow ? Lines{"help " + file} : Lines{});
        if (inHelpWindow && command == readme) {
            EXPECT_EQ(f.help.book.pages.at(0).html,
                      "<pre style=\"white-space: pre-wrap\">Tandora &lt;&amp;&gt; rules</pre>");
        }
    }
    // Addresses of folders a browser must be able to open: blanks and non-ASCII bytes escaped, Windows paths
    // with their drive and forward slashes.
    EXPECT_EQ(fileUrlOf("/home/ann/my games/st-o_r~e.html"), "file:///home/ann/my%20games/st-o_r~e.html");
    EXPECT_EQ(fileUrlOf("/home/zo\xC3\xAB/x#1.html"), "file:///home/zo%C3%AB/x%231.html");
    EXPECT_EQ(fileUrlOf("C:\\Program Files\\Tandora/support.html"),
              "file:///C:/Program%20Files/Tandora/support.html");
}

// Guards the Getting Started box word for word (six steps, a blank line between them, none at the end, the
// information icon and its own title) and every Hands Defined text with its TABs and line breaks, read
// from the game in play; both Jacks or Better pay tables share one text.
TEST(HelpMenu, GettingStartedAndHandsDefinedAreExact) {
    FakePlatform f;
    GameState state;
    HelpMenu menu({f.platform, state});
    menu.HelpMenu_GettingStarted_Click();
    const std::string royal = "Royal Flush\tTen through Ace of the same suit.\r\n";
    const std::string five = "Five of a Kind\tFive cards with the same face value.\r\n";
    const std::string toThrees = "Straight Flush\tFive cards of the same suit in sequence.\r\n"
                                 "Four of a Kind\tFour cards with the same face value.\r\n"
                                 "Full House\tA Pair and Three of a Kind in the same hand.\r\n"
                                 "Flush\t\tFive cards of the same suit not in sequence.\r\n"
                                 "Straight\t\tFive cards in sequence but not of the same suit.\r\n"
                                 "Three of a Kind\tThree cards with the same face value.";
    const std::string twoPair = "\r\nTwo Pair\t\tTwo sets of two cards with the same face value.\r\n";
    const std::string jacks = "Hands Defined - Jacks Or Better|64|" + royal + toThrees + twoPair +
                              "Jacks or Better\tTwo Jacks, Queens, Kings, or Aces.";
    const std::string note = "\r\n\r\nNote:\r\nSeveral hands will fit into two or more of the above "
                             "categories.\r\nTandora will pay on the hand with the highest winnings.";
    for (const GameType game : AllGames) {
        state.setGame(game);
        menu.HelpMenu_Hands_Click();
    }
    EXPECT_EQ(
        f.messages.shown(),
        (Lines{
            "Getting Started|64|Step 1\r\nGo to the Options menu and click on the game type you want to "
            "play.\r\n\r\nStep 2\r\nPress the Dollar Sign button (on the lower right portion of the window) "
            "to add credits.\r\n\r\nStep 3\r\nPress the Play Max button to bet five credits and deal the "
            "initial hand. Or press the Bet 1 button once for each credit you want to play and then press "
            "the Deal button.\r\n\r\nStep 4\r\nDecide which cards you would like to hold and click on them. "
            "The Held indicators will come on for each card you click. To unhold a card simply click it "
            "again.\r\n\r\nStep 5\r\nOnce you have the desired cards held, press the Draw button (it is the "
            "same as the Deal button).\r\n\r\nStep 6\r\nFor information on the other game features go to the "
            "Help menu and click on the Help Topics item.",
            jacks + note, jacks + note,
            "Hands Defined - Deuces Wild|64|" + royal +
                "Four Deuces\tAll four wild cards.\r\nRoyal w/Deuce\tRoyal Flush with at least one wild "
                "card.\r\n" +
                five + "\t\t(Requires at least one wild card.)\r\n" + toThrees + note,
            "Hands Defined - Joker Poker|64|" + royal + five +
                "\t\t(The fifth card is the Joker.)\r\nRoyal w/Joker\tRoyal Flush with the Joker.\r\n" +
                toThrees + twoPair + "Kings or Better\tTwo Kings, or Two Aces." + note}));
}

// Guards the Keyboard Shortcuts window (its caption, four columns of eight lines exactly, closed by OK),
// the About box (caption, the window icon, the version 2.0.2 of the build in its designed place among our
// own lines, OK closing it) and its System Info: the platform's tool is started, and no tool or one that
// will not start says so in a plain box (OK only, no icon) while the About box stays open.
TEST(HelpMenu, KeyboardShortcutsAboutBoxAndSystemInfoWork) {
    FakePlatform f;
    GameState state;
    f.dialogs.script({press("btnOK")});
    for (int about = 0; about < 3; ++about)
        f.dialogs.script({press("cmdSysInfo"), press("cmdOK")});
    HelpMenu menu({f.platform, state});
    menu.HelpMenu_KeyShortcuts_Click();
    menu.HelpMenu_AboutTND_Click();
    f.desktop.informationTool = "";
    menu.HelpMenu_AboutTND_Click();
    f.desktop.informationTool = "/usr/bin/kinfocenter";
    f.desktop.programsStart = false;
    menu.HelpMenu_AboutTND_Click();
    ASSERT_EQ(f.dialogs.shown().size(), 4u);
    auto texts = f.dialogs.shown()[0].texts;
    EXPECT_EQ(f.dialogs.shown()[0].caption + "|" + texts["Col1"] + "|" + texts["Col2"] + "|" + texts["Col3"] +
                  "|" + texts["Col4"],
              "Keyboard Shortcuts|New Game\r\nOpen Game\r\nSave Game\r\nGame Stats\r\nAdd Default\r\n"
              "Add from Bank\r\nKeyboard shortcuts\r\nHold cards|"
              "Ctrl+N\r\nCtrl+O\r\nCtrl+S\r\nCtrl+G\r\nCtrl+A\r\nCtrl+B\r\nCtrl+K\r\n1,2,3,4,5|"
              "Cash out\r\nBet 1\r\nPlay Max\r\nDeal/Draw\r\nCash In\r\nDouble Up Yes\r\nDouble Up No\r\n"
              "Double Up Pick|C,c\r\nB,b\r\nP,p or M,m\r\nD,d\r\n$\r\nY,y\r\nN,n\r\n2,3,4,5");
    texts = f.dialogs.shown()[1].texts;
    EXPECT_EQ(f.dialogs.shown()[1].caption + "|" + texts["lblDescription"] + "|" + texts["lblDisclaimer"],
              "About Tandora|Tandora Version 2.0.2\r\n\r\nA video poker game for the desktop.\r\n"
              "Copyright (C) 2026 The Tandora developers\r\n\r\n\r\n"
              "Tandora is free software under the GNU General Public License, version 3 or later.| ");
    EXPECT_EQ(f.dialogs.shown()[1].pictures.at("picIcon"), WindowIconPicture);
    EXPECT_EQ(f.log.matching("start program"),
              (Lines{"start program /usr/bin/hardinfo", "start program /usr/bin/kinfocenter"}));
    EXPECT_EQ(f.messages.shown(), Lines(2, "Tandora|0|System Information Is Unavailable At This Time"));
}

} // namespace
} // namespace tandora
