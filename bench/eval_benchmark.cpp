// Evaluations per second over every deal of each game.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/deal_enumeration.h"
#include "engine/evaluation.h"

namespace {

using namespace tandora;

std::vector<Hand> allDeals(GameType game) {
    std::vector<Hand> deals;
    forEachDeal(game, [&](const Hand& h) { deals.push_back(h); });
    return deals;
}

void evaluateAllDeals(benchmark::State& state, GameType game) {
    const std::vector<Hand> deals = allDeals(game);
    const GameFlags flags = flagsFor(game);
    CardRank rank(game);
    EvalState work;
    for (auto _ : state) {
        int sum = 0;
        for (const Hand& h : deals)
            sum += toInt(evaluateHand(h, flags, rank, work));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(deals.size()));
}

} // namespace

BENCHMARK_CAPTURE(evaluateAllDeals, jb85, tandora::GameType::JacksOrBetter85)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluateAllDeals, dw, tandora::GameType::DeucesWild)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluateAllDeals, jp, tandora::GameType::JokerPoker)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
