#include "stats/statistics_sheet.h"

#include <algorithm>
#include <cstdio>

#include "advisor/hold_text.h"
#include "engine/known_pay_tables.h"
#include "engine/pay_table.h"
#include "stats/number_format.h"
#include "table/value_text.h"

namespace tandora {

namespace {

// The statistics' designed row names are the hands' titles but for two rows.
std::string_view statisticsRowName(HandCategory category, GameType game) {
    const bool joker = game == GameType::JokerPoker;
    if (category == HandCategory::WildRoyalFlush)
        return joker ? "Royal w/ Joker" : "Royal w/ Deuces";
    if (category == HandCategory::HighPair)
        return joker ? "Kings Or Better" : "Jacks Or Better";
    return handTitle(category, game);
}

constexpr const char* Crlf = "\r\n";

// With no hand won there is nothing to divide by. A count of 0 is then honestly 0.00% of the wins; a
// count above 0 (possible only in a hand-edited game file) has no meaningful share and shows "-".
std::string percentText(std::int64_t count, std::int64_t handsWon) {
    if (handsWon <= 0)
        return count == 0 ? "0.00%" : "-";
    return decimalText(count * 100, handsWon, 2) + "%";
}

} // namespace

std::string statisticsGameName(GameType game) {
    switch (game) {
    case GameType::DeucesWild: return "Deuces Wild";
    case GameType::JacksOrBetter85: return "8/5 Jacks Or Better";
    case GameType::JacksOrBetter96: return "9/6 Jacks Or Better";
    case GameType::JokerPoker: return "Joker Poker";
    }
    return {};
}

std::vector<StatisticsRow> statisticsRowsFor(GameType game) {
    std::vector<StatisticsRow> rows;
    for (const HandCategory category : payTableRows(game))
        rows.push_back({statisticsRowName(category, game), payTableSlot(category, game).value_or(0)});
    return rows;
}

StatisticsSheet statisticsOf(const GameState& state, const std::string& windowCaption,
                             const StrategyFigures& figures) {
    StatisticsSheet sheet;
    const auto dash = windowCaption.find('-');
    sheet.titleTail = dash == std::string::npos ? std::string() : windowCaption.substr(dash);
    sheet.gameName = statisticsGameName(state.game());

    const std::int64_t played = state.vHandsPlayed;
    const std::int64_t won = state.vHandsWon;
    const std::string odds =
        std::string(won > 0 ? "1" : "0") + " in " + (won != 0 ? decimalText(played, won, 2) : "0.00");
    const std::string returned =
        state.vAmtPlayed != 0 ? decimalText(state.vAmtWon * 100, state.vAmtPlayed, 2) : "0.00";
    sheet.summary = {
        {"Hands Played", groupedNumber(played)},
        {"Hands Won", groupedNumber(won)},
        {"Odds", odds},
        {"", ""},
        {"Credits Played", groupedNumber(state.vAmtPlayed)},
        {"Credits Won", groupedNumber(state.vAmtWon)},
        {"Return %", returned},
    };
    std::string payTableReturn = "-";
    if (figures.payTableReturn) {
        char percent[32];
        std::snprintf(percent, sizeof percent, "%.2f%%", *figures.payTableReturn);
        payTableReturn = percent;
    }
    sheet.strategy = {{"Pay Table Return", payTableReturn},
                      {"Cost of Holds", creditsText(figures.costOfHolds)}};
    for (const StatisticsRow& row : statisticsRowsFor(state.game())) {
        const std::int64_t count = state.HandCounts[static_cast<std::size_t>(row.slot)];
        sheet.categories.push_back({std::string(row.name), std::to_string(count), percentText(count, won)});
    }
    return sheet;
}

std::string statisticsReportTitle(const StatisticsSheet& sheet) {
    // The tail begins with the caption's dash and a blank; the report names the game file alone.
    std::string name = sheet.titleTail;
    if (name.rfind("- ", 0) == 0)
        name.erase(0, 2);
    return name.empty() ? "Game Statistics" : "Game Statistics for " + name;
}

std::string statisticsReport(const StatisticsSheet& sheet) {
    std::size_t nameWidth = 0;
    std::size_t valueWidth = 0;
    for (const auto& line : sheet.summary) {
        nameWidth = std::max(nameWidth, line.name.size());
        valueWidth = std::max(valueWidth, line.value.size());
    }
    const std::string hand = "Hand";
    const std::string count = "Count";
    const std::string percent = "Percent";
    std::size_t categoryWidth = hand.size();
    std::size_t countWidth = count.size();
    std::size_t percentWidth = percent.size();
    for (const auto& c : sheet.categories) {
        categoryWidth = std::max(categoryWidth, c.name.size());
        countWidth = std::max(countWidth, c.count.size());
        percentWidth = std::max(percentWidth, c.percent.size());
    }
    // Both tables share their first column and their right edge, so that the report reads as one page.
    nameWidth = std::max(nameWidth, categoryWidth) + 3;
    valueWidth = std::max(valueWidth, countWidth + 2 + percentWidth);
    // The figures of best play fit the columns of the designed rows, which keep their places.
    for (const auto& line : sheet.strategy) {
        nameWidth = std::max(nameWidth, line.name.size() + 2);
        valueWidth = std::max(valueWidth, line.value.size());
    }

    std::string text = statisticsReportTitle(sheet) + Crlf + sheet.gameName + Crlf + Crlf;
    for (const auto& line : sheet.summary) {
        std::string row = line.name.empty() && line.value.empty()
                              ? std::string()
                              : padRight(line.name, nameWidth) + padLeft(line.value, valueWidth);
        text += row + Crlf;
    }
    if (!sheet.strategy.empty()) {
        text += Crlf;
        for (const auto& line : sheet.strategy)
            text += padRight(line.name, nameWidth) + padLeft(line.value, valueWidth) + Crlf;
    }
    text += Crlf;
    text +=
        padRight(hand, nameWidth) + padLeft(count, countWidth) + "  " + padLeft(percent, percentWidth) + Crlf;
    for (const auto& c : sheet.categories)
        text += padRight(c.name, nameWidth) + padLeft(c.count, countWidth) + "  " +
                padLeft(c.percent, percentWidth) + Crlf;
    return text;
}

} // namespace tandora
