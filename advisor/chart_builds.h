#pragma once

#include <future>
#include <map>
#include <optional>
#include <string>

#include "engine/strategy_chart.h"

namespace tandora {

// Strategy charts made on worker threads (a few seconds each), kept per game, pay table and bet.
class ChartBuilds {
public:
    ChartBuilds() = default;
    ChartBuilds(const ChartBuilds&) = delete;
    ChartBuilds& operator=(const ChartBuilds&) = delete;
    // A chart under way is waited for: it only reads the engine's own data and ends by itself.
    ~ChartBuilds() = default;

    struct Key {
        GameType game{};
        PayTable table{};
        int coins = MaxCoins;
        friend auto operator<=>(const Key&, const Key&) = default;
    };

    // Starts making the chart unless that has begun already.
    void start(const Key& key);
    // The chart when it is ready; never waits.
    const StrategyChart* ifReady(const Key& key);
    // Why a chart that ended could not be made.
    std::optional<std::string> failure(const Key& key);

private:
    std::map<Key, std::shared_future<StrategyChart>> charts_;
};

} // namespace tandora
