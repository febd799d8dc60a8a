#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "game_type.h"
#include "hand_category.h"
#include "pay_table.h"

namespace tandora {

// A pay table players meet in casinos, by the name they know it by.
struct KnownPayTable {
    std::string_view name;
    PayTable table;
    // Under best play with five coins bet, exact to the figures shown.
    double returnPercent;
};

// The well-known tables of the game's family (both Jacks or Better games share one), best return first;
// the designed tables of the family are among them.
std::span<const KnownPayTable> knownPayTables(GameType game);

// How the player knows the table: the game's own name for its designed table, a listed table's name, or
// the game's family followed by ", own table".
std::string payTableName(GameType game, const PayTable& table);
// The family's name: "Jacks or Better", "Deuces Wild" or "Joker Poker".
std::string_view familyName(GameType game);
// The name of a pay table row, e.g. "Royal flush" or "Kings or better".
std::string_view rowName(HandCategory row, GameType game);
// A paying hand's name in the help's and the charts' words, e.g. "Royal Flush with the Joker".
std::string_view handTitle(HandCategory category, GameType game);

// The game whose designed table this is within the family (the two Jacks or Better games trade places),
// else the game itself.
GameType gameForTable(GameType game, const PayTable& table);

// The one-coin pays from the top row down and then the five-coin royal flush, joined by commas.
std::string payTableText(GameType game, const PayTable& table);
// The table such a text gives, or a one-line reason why it gives none.
std::variant<PayTable, std::string> parsePayTableText(GameType game, std::string_view text);
// One pay as the player types it: a whole number from 0 to most, or why it is not, as the end of a
// sentence that starts with the pay's name ("is negative").
std::variant<std::int32_t, std::string> parsePay(std::string_view text, std::int32_t most);

// A table from the one-coin pays of its rows, top down, and the five-coin royal flush.
PayTable tableOfRows(GameType game, std::span<const std::int32_t> rowPays, std::int32_t royalOnMaxBet);

} // namespace tandora
