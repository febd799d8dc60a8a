#include "advisor/chart_builds.h"

#include <chrono>
#include <exception>

namespace tandora {

namespace {

bool ended(const std::shared_future<StrategyChart>& chart) {
    return chart.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

} // namespace

void ChartBuilds::start(const Key& key) {
    if (charts_.count(key) != 0)
        return;
    charts_[key] = std::async(std::launch::async, [key] {
                       const StrategyTables tables(StrategyTables::forGame(key.game), key.table);
                       return makeStrategyChart(tables, key.coins, ChartLines);
                   }).share();
}

const StrategyChart* ChartBuilds::ifReady(const Key& key) {
    const auto found = charts_.find(key);
    if (found == charts_.end() || !ended(found->second) || failure(key))
        return nullptr;
    return &found->second.get();
}

std::optional<std::string> ChartBuilds::failure(const Key& key) {
    const auto found = charts_.find(key);
    if (found == charts_.end() || !ended(found->second))
        return std::nullopt;
    try {
        found->second.get();
        return std::nullopt;
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
}

} // namespace tandora
