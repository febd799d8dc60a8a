#include "help/help_book.h"

#include "engine/known_pay_tables.h"
#include "engine/pay_table.h"
#include "help/help_pages.h"
#include "help/help_texts.h"
#include "table/game_state.h"
#include "table/value_text.h"

namespace tandora {

namespace {

std::string payTableHtml(GameType game) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                       "<tr><th>Hand</th>";
    for (int coins = 1; coins <= MaxCoins; ++coins)
        html += "<th>" + std::to_string(coins) + (coins == 1 ? " coin" : " coins") + "</th>";
    html += "</tr>";
    for (const PayTableLine& line : payTableLines(game)) {
        html += "<tr><td>" + line.hand + "</td>";
        for (const int pays : line.pays)
            html += "<td class=\"pays\" align=\"right\">" + groupedNumber(pays) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

std::string gamePage(GameType game, const std::string& title, const std::string& introduction,
                     const std::string& closing) {
    return "<h1>" + title + "</h1>" + introduction + "<h2>Pay table</h2>" +
           "<p>Credits paid for each hand, by the number of coins bet:</p>" + payTableHtml(game) + closing;
}

std::string keyboardPage() {
    std::string html = "<h1>Keyboard Shortcuts</h1>"
                       "<p>Every play of a hand can be made from the keyboard. The keys work only when the "
                       "button or card they stand for can be clicked; at any other time they do nothing.</p>"
                       "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                       "<tr><th>Command</th><th>Keys</th><th>Play</th><th>Keys</th></tr>";
    const auto& columns = keyShortcutColumns();
    for (int line = 0; line < ShortcutLines; ++line) {
        html += "<tr>";
        for (const ShortcutColumn& column : columns)
            html += "<td>" + std::string(column[static_cast<std::size_t>(line)]) + "</td>";
        html += "</tr>";
    }
    html += "<tr><td>Help Topics</td><td>F1</td><td></td><td></td></tr>"
            "<tr><td>Hold Analysis</td><td>Ctrl+H</td><td></td><td></td></tr>"
            "<tr><td>Larger table</td><td>Ctrl+Plus</td><td></td><td></td></tr>"
            "<tr><td>Smaller table</td><td>Ctrl+Minus</td><td></td><td></td></tr>"
            "<tr><td>Table at 100 %</td><td>Ctrl+0</td><td></td><td></td></tr></table>";
    return html + keyboardNotes();
}

} // namespace

std::vector<PayTableLine> payTableLines(GameType game) {
    const PayTable table = payTableFor(game);
    std::vector<PayTableLine> lines;
    for (const HandCategory category : payTableRows(game)) {
        PayTableLine line{std::string(handTitle(category, game)), {}};
        for (int coins = 1; coins <= MaxCoins; ++coins)
            line.pays.push_back(handPays(category, game, table, coins));
        lines.push_back(std::move(line));
    }
    return lines;
}

HelpBook helpBook() {
    HelpBook book{"Tandora Help", {}};
    book.pages = {
        {"welcome", "Welcome", welcomePage()},
        {"how-to-play", "How to Play", howToPlayPage()},
        {"hands", "The Poker Hands", handsPage()},
        {"jb85", "8/5 Jacks or Better",
         gamePage(GameType::JacksOrBetter85, "8/5 Jacks or Better", jacksOrBetterIntroduction(),
                  jacksOrBetter85Closing())},
        {"jb96", "9/6 Jacks or Better",
         gamePage(GameType::JacksOrBetter96, "9/6 Jacks or Better", jacksOrBetterIntroduction(),
                  jacksOrBetter96Closing())},
        {"dw", "Deuces Wild",
         gamePage(GameType::DeucesWild, "Deuces Wild", deucesWildIntroduction(), royalBonusNote())},
        {"jp", "Joker Poker",
         gamePage(GameType::JokerPoker, "Joker Poker", jokerPokerIntroduction(), royalBonusNote())},
        {"strategy", "Holding Strategy", strategyPage()},
        {"strategy-menu", "The Strategy Menu", strategyMenuPage()},
        {"double-up", "The Double Up", doubleUpPage()},
        {"credits", "Credits and the Bank", creditsPage()},
        {"game-files", "Game Files", gameFilesPage()},
        {"statistics", "Statistics", statisticsPage()},
        {"options", "Options", optionsPage()},
        {"keyboard", "Keyboard Shortcuts", keyboardPage()},
    };
    return book;
}

} // namespace tandora
