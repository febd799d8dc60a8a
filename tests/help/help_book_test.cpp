#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "help/help_book.h"
#include "help/help_menu.h"
#include "help/help_texts.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

// Guards Help Topics (and F1, which the menu maps to it): the help window opens at its first page with
// every topic a new player needs, each page titled, and every "help:" link leads to a page that exists.
TEST(HelpBook, HelpTopicsOpensTheWholeHelpWithWorkingLinks) {
    FakePlatform f;
    GameState state;
    HelpMenu({f.platform, state}).HelpMenu_Contents_Click();
    EXPECT_EQ(f.log.matching("help"), (std::vector<std::string>{"help welcome"}));
    std::set<std::string> ids;
    for (const HelpPage& page : f.help.book.pages) {
        ids.insert(page.id);
        EXPECT_FALSE(page.title.empty());
        EXPECT_NE(page.html.find("<h1>"), std::string::npos) << page.id;
    }
    for (const char* topic : {"how-to-play", "jb85", "jb96", "dw", "jp", "strategy", "strategy-menu",
                              "double-up", "credits", "game-files", "keyboard"})
        EXPECT_TRUE(ids.count(topic)) << topic;
    const std::regex link("href=\"help:([^\"]*)\"");
    int links = 0;
    for (const HelpPage& page : f.help.book.pages) {
        for (std::sregex_iterator it(page.html.begin(), page.html.end(), link), end; it != end; ++it, ++links)
            EXPECT_TRUE(ids.count((*it)[1])) << page.id << " links to " << (*it)[1];
    }
    EXPECT_GT(links, 5);
}

// Guards the Strategy menu's documentation: Ctrl+H on the help's keyboard page but not in the designed
// shortcuts window, whose text is fixed, and the cards every value counts over.
TEST(HelpBook, StrategyMenuIsDocumented) {
    const HelpBook book = helpBook();
    const auto page = [&](const std::string& id) {
        for (const HelpPage& p : book.pages)
            if (p.id == id)
                return p.html;
        return std::string();
    };
    EXPECT_NE(page("keyboard").find("<td>Hold Analysis</td><td>Ctrl+H</td>"), std::string::npos);
    for (const ShortcutColumn& column : keyShortcutColumns())
        for (const char* line : column)
            EXPECT_EQ(std::string(line).find("Ctrl+H"), std::string::npos);
    const std::string strategy = page("strategy-menu");
    for (const char* words : {"47 cards, or 48 in Joker Poker", "Show Best Hold", "Trainer", "Hold Analysis",
                              "Pay Table Return", "Cost of Holds", "not saved"})
        EXPECT_NE(strategy.find(words), std::string::npos) << words;
}

std::string table(GameType game) {
    std::string text;
    for (const PayTableLine& line : payTableLines(game)) {
        text += line.hand;
        for (const int pays : line.pays) {
            text += ' ';
            text += std::to_string(pays);
        }
        text += "|";
    }
    return text;
}

// Guards the help's pay tables against what the games pay: only the hands that pay in a game, best first
// as on its own table, with the royal's 4000 on five coins and 8/5 and 9/6 differing in two rows only.
TEST(HelpBook, PayTablesShowWhatTheGamesPay) {
    const std::string top = "Royal Flush 250 500 750 1000 4000|Straight Flush 50 100 150 200 250|"
                            "Four of a Kind 25 50 75 100 125|";
    const std::string bottom = "Straight 4 8 12 16 20|Three of a Kind 3 6 9 12 15|Two Pair 2 4 6 8 10|"
                               "Jacks or Better 1 2 3 4 5|";
    EXPECT_EQ(table(GameType::JacksOrBetter85),
              top + "Full House 8 16 24 32 40|Flush 5 10 15 20 25|" + bottom);
    EXPECT_EQ(table(GameType::JacksOrBetter96),
              top + "Full House 9 18 27 36 45|Flush 6 12 18 24 30|" + bottom);
    const std::string deuces = table(GameType::DeucesWild);
    EXPECT_EQ(deuces.rfind("Royal Flush 250 500 750 1000 4000|Four Deuces 200 400 600 800 1000|"
                           "Royal Flush with Deuces 25 ",
                           0),
              0u);
    EXPECT_NE(deuces.find("|Three of a Kind 1 2 3 4 5|"), std::string::npos);
    EXPECT_EQ(deuces.find("Two Pair"), std::string::npos);
    const std::string joker = table(GameType::JokerPoker);
    EXPECT_EQ(joker.rfind("Royal Flush 250 500 750 1000 4000|Five of a Kind 200 400 600 800 1000|"
                          "Royal Flush with the Joker 100 ",
                          0),
              0u);
    EXPECT_NE(joker.find("|Kings or Better 1 2 3 4 5|"), std::string::npos);
}

} // namespace
} // namespace tandora
