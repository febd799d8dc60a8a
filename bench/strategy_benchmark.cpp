// Exact strategy: the one-time tables, the 32 holds of a dealt hand, the return of a whole pay table.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/deal_enumeration.h"
#include "engine/draw_counts.h"
#include "engine/simulation.h"
#include "engine/strategy_chart.h"
#include "engine/strategy_tables.h"

namespace {

using namespace tandora;

void buildTables(benchmark::State& state, GameType game) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        const DrawCounts counts(game);
        bytes = counts.memoryBytes();
        benchmark::DoNotOptimize(&counts);
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

// Every 2,500th deal of the game, about a thousand hands of every kind.
std::vector<Hand> sampleDeals(GameType game) {
    std::vector<Hand> deals;
    std::int64_t index = 0;
    forEachDeal(game, [&](const Hand& hand) {
        if (index++ % 2500 == 0)
            deals.push_back(hand);
    });
    return deals;
}

void holdValuesOfOneHand(benchmark::State& state, GameType game) {
    const StrategyTables& tables = StrategyTables::forGame(game);
    const std::vector<Hand> deals = sampleDeals(game);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tables.holdValues(deals[next], MaxCoins));
        next = next + 1 == deals.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void payTableReturnWithTables(benchmark::State& state, GameType game) {
    const StrategyTables& tables = StrategyTables::forGame(game);
    for (auto _ : state)
        benchmark::DoNotOptimize(tables.payTableReturn(MaxCoins));
}

void payTableReturnFromScratch(benchmark::State& state, GameType game) {
    for (auto _ : state) {
        const StrategyTables tables(game);
        benchmark::DoNotOptimize(tables.payTableReturn(MaxCoins));
    }
}

// A table of the player's own (9/6 with a straight flush of 80 and a five-coin royal of 4700), priced on
// the game's shared tables, as the Pay Table dialog does while the player types; range(0) threads.
void ownPayTableReturn(benchmark::State& state) {
    const StrategyTables& shared = StrategyTables::forGame(GameType::JacksOrBetter96);
    PayTable own = payTableFor(GameType::JacksOrBetter96);
    own.perCoin[5] = 80;
    own.royalOnMaxBet = 4700;
    const auto threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const StrategyTables tables(shared, own);
        benchmark::DoNotOptimize(tables.payTableReturn(MaxCoins, threads, {}));
    }
}

// Two million hands of 9/6 played with best play, on range(0) threads; includes finding each deal's best
// hold the first time its suit class comes up. Goal: at least 2 million hands a second on two cores.
void simulateHands(benchmark::State& state) {
    const SimulationOptions options{
        .game = GameType::JacksOrBetter96, .hands = 2'000'000, .threads = static_cast<int>(state.range(0))};
    for (auto _ : state)
        benchmark::DoNotOptimize(simulate(options));
    state.SetItemsProcessed(state.iterations() * options.hands);
}

// A 40-line chart made from every deal (four searches over the patterns of every hold).
void makeChart(benchmark::State& state, GameType game) {
    const StrategyTables& tables = StrategyTables::forGame(game);
    for (auto _ : state)
        benchmark::DoNotOptimize(makeStrategyChart(tables, MaxCoins, 40));
}

} // namespace

using tandora::GameType;

BENCHMARK(simulateHands)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(makeChart, jb96, GameType::JacksOrBetter96)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(makeChart, jp, GameType::JokerPoker)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK(ownPayTableReturn)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_CAPTURE(buildTables, jacks, GameType::JacksOrBetter96)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildTables, dw, GameType::DeucesWild)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildTables, jp, GameType::JokerPoker)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(holdValuesOfOneHand, jb96, GameType::JacksOrBetter96)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(holdValuesOfOneHand, dw, GameType::DeucesWild)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(holdValuesOfOneHand, jp, GameType::JokerPoker)->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(payTableReturnWithTables, jb85, GameType::JacksOrBetter85)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(payTableReturnWithTables, jb96, GameType::JacksOrBetter96)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(payTableReturnWithTables, dw, GameType::DeucesWild)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(payTableReturnWithTables, jp, GameType::JokerPoker)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(payTableReturnFromScratch, jb85, GameType::JacksOrBetter85)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(payTableReturnFromScratch, jb96, GameType::JacksOrBetter96)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(payTableReturnFromScratch, dw, GameType::DeucesWild)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(payTableReturnFromScratch, jp, GameType::JokerPoker)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
