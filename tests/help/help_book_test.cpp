#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "help/help_book.h"
#include "help/help_menu.h"
#include "help/help_texts.h"
#include "platform/settings_keys.h"
#include "table/value_text.h"
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

std::string page(const std::string& id) {
    for (const HelpPage& p : helpBook().pages)
        if (p.id == id)
            return p.html;
    return {};
}

// Guards the Strategy menu's documentation: Ctrl+H on the help's keyboard page but not in the designed
// shortcuts window, whose text is fixed.
TEST(HelpBook, StrategyMenuIsDocumented) {
    EXPECT_NE(page("keyboard").find("<td>Hold Analysis</td><td>Ctrl+H</td>"), std::string::npos);
    for (const ShortcutColumn& column : keyShortcutColumns())
        for (const char* line : column)
            EXPECT_EQ(std::string(line).find("Ctrl+H"), std::string::npos);
    const std::string strategy = page("strategy-menu");
    for (const char* words :
         {"Show Best Hold", "Trainer", "Hold Analysis", "Pay Table Return", "Cost of Holds", "not saved"})
        EXPECT_NE(strategy.find(words), std::string::npos) << words;
}

// Guards the figures the pages state against the game's own: a limit, the default or a pay changed in the
// program changes the help with it, grouped as the game shows its numbers.
TEST(HelpBook, FiguresAreTheGames) {
    const auto n = [](std::int64_t value) { return groupedNumber(value); };
    const auto pays = [&](GameType game, const std::string& hand, std::size_t coins) {
        for (const PayTableLine& line : payTableLines(game))
            if (line.hand == hand)
                return n(line.pays[coins - 1]);
        return std::string("none");
    };
    const std::string defaultCredits = n(GameOptions{}.iDefaultPoints);
    const auto& choices = Settings::DefPointsChoices;
    const std::pair<const char*, std::string> rows[] = {
        {"how-to-play", "(" + defaultCredits + " at a time"},
        {"credits", "stops at " + n(MaxGameCredits) + "; wins can take a game beyond that, up to " +
                        n(MaxShownCredits) + ", the most the display shows"},
        {"credits", defaultCredits + " credits unless"},
        {"credits", "from " + n(choices[0]) + " to " + n(choices[std::size(choices) - 1]) + "."},
        {"credits", "holds up to " + n(MaxBankCredits) + " credits"},
        {"jb85", "pays " + pays(GameType::JacksOrBetter85, "Royal Flush", 5) + " credits"},
        {"jb85", ": " + pays(GameType::JacksOrBetter85, "Full House", 1) + " and " +
                     pays(GameType::JacksOrBetter85, "Flush", 1) + " coins"},
        {"jb96", ", " + pays(GameType::JacksOrBetter96, "Full House", 1) + " and " +
                     pays(GameType::JacksOrBetter96, "Flush", 1) + " in 9/6"},
        {"strategy-menu", "only five coins win " + pays(GameType::DeucesWild, "Royal Flush", 5) + " credits"},
        {"strategy-menu", "32 ways"},
        {"strategy-menu", "47 cards, or 48 in Joker Poker, where the joker makes a 53-card"},
        {"jp", "The deck has 53 cards: the usual 52 and"},
    };
    for (const auto& [id, words] : rows)
        EXPECT_NE(page(id).find(words), std::string::npos) << id << ": " << words;
}

// A game's pay table as the help shows it: each hand with its pay for one coin, the royal's for five
// coins too; the pays in between are checked to grow with the coins.
std::string table(GameType game) {
    std::string text;
    for (const PayTableLine& line : payTableLines(game)) {
        EXPECT_EQ(line.pays.size(), 5u);
        for (std::size_t coins = 2; coins < 5; ++coins)
            EXPECT_EQ(line.pays[coins - 1], line.pays[0] * static_cast<int>(coins)) << line.hand;
        text += line.hand + " " + std::to_string(line.pays[0]);
        if (line.pays[4] != line.pays[0] * 5)
            text.append(" ").append(std::to_string(line.pays[4]));
        text += "|";
    }
    return text;
}

// Guards the help's pay tables against what the games pay: only the hands that pay in a game, best first
// as on its own table, with the royal's 4000 on five coins.
TEST(HelpBook, PayTablesShowWhatTheGamesPay) {
    const std::string jacks = "Straight 4|Three of a Kind 3|Two Pair 2|Jacks or Better 1|";
    EXPECT_EQ(table(GameType::JacksOrBetter85), "Royal Flush 250 4000|Straight Flush 50|Four of a Kind 25|"
                                                "Full House 8|Flush 5|" +
                                                    jacks);
    EXPECT_EQ(table(GameType::JacksOrBetter96), "Royal Flush 250 4000|Straight Flush 50|Four of a Kind 25|"
                                                "Full House 9|Flush 6|" +
                                                    jacks);
    EXPECT_EQ(
        table(GameType::DeucesWild),
        "Royal Flush 250 4000|Four Deuces 200|Royal Flush with Deuces 25|Five of a Kind 15|Straight Flush 9|"
        "Four of a Kind 5|Full House 3|Flush 2|Straight 2|Three of a Kind 1|");
    EXPECT_EQ(
        table(GameType::JokerPoker),
        "Royal Flush 250 4000|Five of a Kind 200|Royal Flush with the Joker 100|Straight Flush 50|"
        "Four of a Kind 20|Full House 7|Flush 5|Straight 3|Three of a Kind 2|Two Pair 1|Kings or Better 1|");
}

} // namespace
} // namespace tandora
