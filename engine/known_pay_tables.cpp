#include "known_pay_tables.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tandora {

namespace {

constexpr std::size_t RowsMost = 11;

struct Listing {
    std::string_view name;
    // One-coin pays from the top row down; the royal flush pays 250 a coin and 4000 on five coins.
    std::array<std::int32_t, RowsMost> rows;
    double returnPercent;
};

// Best play at five coins, from the engine's exact analysis (tests check every figure).
constexpr Listing JacksOrBetter[] = {
    {"Jacks or Better 9/6", {250, 50, 25, 9, 6, 4, 3, 2, 1}, 99.5439},
    {"Jacks or Better 9/5", {250, 50, 25, 9, 5, 4, 3, 2, 1}, 98.4498},
    {"Jacks or Better 8/6", {250, 50, 25, 8, 6, 4, 3, 2, 1}, 98.3927},
    {"Jacks or Better 8/5", {250, 50, 25, 8, 5, 4, 3, 2, 1}, 97.2984},
    {"Jacks or Better 7/5", {250, 50, 25, 7, 5, 4, 3, 2, 1}, 96.1472},
    {"Jacks or Better 6/5", {250, 50, 25, 6, 5, 4, 3, 2, 1}, 94.9961},
};
constexpr Listing DeucesWild[] = {
    {"Deuces Wild full pay", {250, 200, 25, 15, 9, 5, 3, 2, 2, 1}, 100.7620},
    {"Deuces Wild Not So Ugly", {250, 200, 25, 16, 10, 4, 4, 3, 2, 1}, 99.7283},
    {"Deuces Wild Illinois", {250, 200, 25, 15, 9, 4, 4, 3, 2, 1}, 98.9131},
    {"Deuces Wild 25/16/13", {250, 200, 25, 16, 13, 4, 3, 2, 2, 1}, 96.7651},
};
constexpr Listing JokerPoker[] = {
    {"Joker Poker 20/7/5", {250, 200, 100, 50, 20, 7, 5, 3, 2, 1, 1}, 100.6463},
    {"Joker Poker 18/7/5", {250, 200, 100, 50, 18, 7, 5, 3, 2, 1, 1}, 98.9372},
    {"Joker Poker 17/7/5", {250, 200, 100, 50, 17, 7, 5, 3, 2, 1, 1}, 98.0854},
    {"Joker Poker 16/7/5", {250, 200, 100, 50, 16, 7, 5, 3, 2, 1, 1}, 97.2349},
};

std::span<const Listing> listingsOf(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96: return JacksOrBetter;
    case GameType::DeucesWild: return DeucesWild;
    case GameType::JokerPoker: return JokerPoker;
    }
    return {};
}

std::vector<KnownPayTable> known(GameType game) {
    std::vector<KnownPayTable> tables;
    const std::size_t rows = payTableRows(game).size();
    for (const Listing& l : listingsOf(game))
        tables.push_back({l.name, tableOfRows(game, std::span(l.rows).first(rows), NaturalRoyalMaxBetPayout),
                          l.returnPercent});
    return tables;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string grouped(std::int32_t value) {
    const std::string digits = std::to_string(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text.push_back(',');
        text.push_back(digits[i]);
    }
    return text;
}

} // namespace

std::span<const KnownPayTable> knownPayTables(GameType game) {
    static const std::array<std::vector<KnownPayTable>, AllGames.size()> all{
        known(GameType::JacksOrBetter85), known(GameType::JacksOrBetter96), known(GameType::DeucesWild),
        known(GameType::JokerPoker)};
    return all[static_cast<std::size_t>(game)];
}

std::string_view familyName(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96: return "Jacks or Better";
    case GameType::DeucesWild: return "Deuces Wild";
    case GameType::JokerPoker: return "Joker Poker";
    }
    return {};
}

std::string payTableName(GameType game, const PayTable& table) {
    if (table == payTableFor(game))
        return std::string(gameName(game));
    for (const KnownPayTable& known : knownPayTables(game)) {
        if (known.table == table)
            return std::string(known.name);
    }
    return std::string(familyName(game)) + ", own table";
}

std::string_view rowName(HandCategory row, GameType game) {
    using H = HandCategory;
    switch (row) {
    case H::NaturalRoyalFlush: return "Royal flush";
    case H::FourDeuces: return "Four deuces";
    case H::WildRoyalFlush: return game == GameType::JokerPoker ? "Royal with joker" : "Royal with deuces";
    case H::FiveOfAKind: return "Five of a kind";
    case H::StraightFlush: return "Straight flush";
    case H::FourOfAKind: return "Four of a kind";
    case H::FullHouse: return "Full house";
    case H::Flush: return "Flush";
    case H::Straight:
    case H::AceHighStraight: return "Straight";
    case H::ThreeOfAKind: return "Three of a kind";
    case H::TwoPair: return "Two pair";
    case H::HighPair: return game == GameType::JokerPoker ? "Kings or better" : "Jacks or better";
    case H::NoWin: break;
    }
    return {};
}

std::string_view handTitle(HandCategory category, GameType game) {
    switch (category) {
    case HandCategory::NaturalRoyalFlush: return "Royal Flush";
    case HandCategory::FourDeuces: return "Four Deuces";
    case HandCategory::WildRoyalFlush:
        return game == GameType::JokerPoker ? "Royal Flush with the Joker" : "Royal Flush with Deuces";
    case HandCategory::FiveOfAKind: return "Five of a Kind";
    case HandCategory::StraightFlush: return "Straight Flush";
    case HandCategory::FourOfAKind: return "Four of a Kind";
    case HandCategory::FullHouse: return "Full House";
    case HandCategory::Flush: return "Flush";
    case HandCategory::Straight:
    case HandCategory::AceHighStraight: return "Straight";
    case HandCategory::ThreeOfAKind: return "Three of a Kind";
    case HandCategory::TwoPair: return "Two Pair";
    case HandCategory::HighPair: return game == GameType::JokerPoker ? "Kings or Better" : "Jacks or Better";
    case HandCategory::NoWin: break;
    }
    return {};
}

GameType gameForTable(GameType game, const PayTable& table) {
    for (const GameType designed : {GameType::JacksOrBetter85, GameType::JacksOrBetter96}) {
        if (familyName(designed) == familyName(game) && payTableFor(designed) == table)
            return designed;
    }
    return game;
}

PayTable tableOfRows(GameType game, std::span<const std::int32_t> rowPays, std::int32_t royalOnMaxBet) {
    PayTable table;
    table.royalOnMaxBet = royalOnMaxBet;
    const auto rows = payTableRows(game);
    for (std::size_t i = 0; i < rows.size() && i < rowPays.size(); ++i)
        table.perCoin[static_cast<std::size_t>(*payTableSlot(rows[i], game))] = rowPays[i];
    return table;
}

std::string payTableText(GameType game, const PayTable& table) {
    std::string text;
    for (const HandCategory row : payTableRows(game))
        text += std::to_string(table[static_cast<std::size_t>(*payTableSlot(row, game))]) + ",";
    return text + std::to_string(table.royalOnMaxBet);
}

std::variant<std::int32_t, std::string> parsePay(std::string_view text, std::int32_t most) {
    text = trimmed(text);
    if (text.empty())
        return std::string("is empty");
    if (text.front() == '-')
        return std::string("is negative");
    std::int64_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return std::string("is not a whole number");
        value = std::min<std::int64_t>(value * 10 + (ch - '0'), std::int64_t{most} + 1);
    }
    if (value > most)
        return "is above " + grouped(most);
    return static_cast<std::int32_t>(value);
}

std::variant<PayTable, std::string> parsePayTableText(GameType game, std::string_view text) {
    const auto rows = payTableRows(game);
    std::vector<std::int32_t> pays;
    while (true) {
        if (pays.size() > rows.size())
            return "the table has " + std::to_string(rows.size()) + " rows and the five-coin royal flush, " +
                   "not more";
        const std::size_t comma = text.find(',');
        const bool royal = pays.size() == rows.size();
        const auto pay = parsePay(text.substr(0, comma), royal ? MaxCoins * MaxPayPerCoin : MaxPayPerCoin);
        const std::string what =
            royal ? std::string("the five-coin royal flush") : std::string(rowName(rows[pays.size()], game));
        if (const auto* problem = std::get_if<std::string>(&pay))
            return what + " " + *problem;
        pays.push_back(std::get<std::int32_t>(pay));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (pays.size() != rows.size() + 1)
        return "the table needs " + std::to_string(rows.size() + 1) + " pays (its " +
               std::to_string(rows.size()) + " rows and the five-coin royal flush), not " +
               std::to_string(pays.size());
    return tableOfRows(game, std::span(pays).first(rows.size()), pays.back());
}

} // namespace tandora
