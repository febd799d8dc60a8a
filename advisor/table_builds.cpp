#include "advisor/table_builds.h"

#include <chrono>
#include <system_error>

namespace tandora {

void TableBuilds::start(GameType game) {
    auto& build = slot(game);
    if (build.valid())
        return;
    try {
        build = std::async(std::launch::async, [game] { return &StrategyTables::forGame(game); }).share();
    } catch (const std::system_error&) {
        // No thread to spare: get() builds them when they are needed.
    }
}

const StrategyTables* TableBuilds::ifReady(GameType game) {
    auto& build = slot(game);
    if (!build.valid() || build.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return nullptr;
    return build.get();
}

const StrategyTables& TableBuilds::get(GameType game) {
    auto& build = slot(game);
    if (!build.valid()) {
        const StrategyTables& tables = StrategyTables::forGame(game);
        std::promise<const StrategyTables*> built;
        built.set_value(&tables);
        build = built.get_future().share();
    }
    return *build.get();
}

} // namespace tandora
