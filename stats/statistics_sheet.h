#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/game_state.h"

namespace tandora {

// The statistics of the game in play, as text ready to show, print or save.
struct StatisticsSheet {
    // The main window's caption from its first "-" on: "- [untitled]" or "- name.tn2".
    std::string titleTail;
    std::string gameName;
    struct Line {
        std::string name;
        std::string value;
    };
    // Hands Played, Hands Won, Odds, a blank line, Credits Played, Credits Won, Return %.
    std::vector<Line> summary;
    struct Category {
        std::string name;
        std::string count;
        std::string percent;
    };
    // The paying hands of the game in play, best first.
    std::vector<Category> categories;
    // Beside the summary: Pay Table Return and Cost of Holds.
    std::vector<Line> strategy;

    std::string caption() const { return "Game Statistics for " + titleTail; }
};

// "Deuces Wild", "8/5 Jacks Or Better", "9/6 Jacks Or Better" or "Joker Poker".
std::string statisticsGameName(GameType game);

// A row of the category table: its name and the HandCounts entry it shows.
struct StatisticsRow {
    std::string_view name;
    int slot;
};
// The rows in the order of the game's pay table.
std::vector<StatisticsRow> statisticsRowsFor(GameType game);

// Best play's figures for the game in play: the pay table's exact return for the bet in use (nothing when
// it could not be worked out) and what the player's holds have cost against best play, in credits.
struct StrategyFigures {
    std::optional<double> payTableReturn;
    double costOfHolds = 0;
};

StatisticsSheet statisticsOf(const GameState& state, const std::string& windowCaption,
                             const StrategyFigures& figures = {});

// The plain-text report that Print and Save produce: the sheet in aligned columns, lines ending in CR LF.
std::string statisticsReport(const StatisticsSheet& sheet);
// The report's first line, which also names the print job.
std::string statisticsReportTitle(const StatisticsSheet& sheet);

} // namespace tandora
