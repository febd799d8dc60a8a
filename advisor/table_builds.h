#pragma once

#include <array>
#include <future>

#include "engine/strategy_tables.h"

namespace tandora {

// The strategy tables of each game, built on a worker thread so that the first deal with the advisor on
// does not stall. The tables themselves are StrategyTables::forGame's: built once, then only read.
class TableBuilds {
public:
    TableBuilds() = default;
    TableBuilds(const TableBuilds&) = delete;
    TableBuilds& operator=(const TableBuilds&) = delete;
    // A build under way is waited for: it only reads the engine's own data and ends by itself.
    ~TableBuilds() = default;

    // Starts building the game's tables unless that has begun already.
    void start(GameType game);
    // The tables when they are ready; never waits.
    const StrategyTables* ifReady(GameType game);
    // The tables, waiting for a build under way or building them on this thread.
    const StrategyTables& get(GameType game);

private:
    std::shared_future<const StrategyTables*>& slot(GameType game) {
        return builds_[static_cast<std::size_t>(game)];
    }

    std::array<std::shared_future<const StrategyTables*>, AllGames.size()> builds_;
};

} // namespace tandora
