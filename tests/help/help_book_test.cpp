#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "help/help_book.h"
#include "help/help_menu.h"
#include "help/help_texts.h"
#include "platform/settings_keys.h"
#include "table/value_text.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

std::string page(const std::string& id) {
    for (const HelpPage& p : helpBook().pages)
        if (p.id == id)
            return p.html;
    return "missing page " + id;
}

// Guards Help Topics (and F1, which the menu maps to it): the help window opens at its first page with
// every topic a new player needs, each page titled, and every "help:" link leads to a page that exists.
TEST(HelpBook, HelpTopicsOpensTheWholeHelpWithWorkingLinks) {
    testing_support::FakePlatform f;
    GameState state;
    HelpMenu({f.platform, state}).HelpMenu_Contents_Click();
    EXPECT_EQ(f.log.matching("help"), (std::vector<std::string>{"help welcome"}));
    std::vector<std::string> ids;
    for (const HelpPage& p : f.help.book.pages)
        ids.push_back(p.id +
                      (p.title.empty() || p.html.find("<h1>") == std::string::npos ? " untitled" : ""));
    EXPECT_EQ(ids, (std::vector<std::string>{"welcome", "how-to-play", "hands", "jb85", "jb96", "dw", "jp",
                                             "strategy", "strategy-menu", "double-up", "credits",
                                             "game-files", "statistics", "options", "keyboard"}));
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
    for (const auto& [id, words] : rows)
        EXPECT_NE(page(id).find(words), std::string::npos) << id << ": " << words;
}

// Guards the help's pay tables against what the games pay: the help's names of the hands that pay in a
// game, best first as on its own table, with a pay for each number of coins, the royal's 4000 on five.
// (That each pay grows with the coins is the engine's pay table test.)
TEST(HelpBook, PayTablesShowWhatTheGamesPay) {
    std::string text; // each hand with its pay for one coin, the royal's for five coins too
    for (GameType game :
         {GameType::JacksOrBetter85, GameType::JacksOrBetter96, GameType::DeucesWild, GameType::JokerPoker}) {
        for (const PayTableLine& line : payTableLines(game)) {
            ASSERT_EQ(line.pays.size(), 5u);
            text.append(line.hand).append(" ").append(std::to_string(line.pays[0]));
            if (line.pays[4] != line.pays[0] * 5)
                text.append(" ").append(std::to_string(line.pays[4]));
            text.append("|");
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

} // namespace
} // namespace tandora
