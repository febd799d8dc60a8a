#include "advisor/strategy_advisor.h"

#include <exception>

#include "advisor/chart_dialog.h"
#include "advisor/trainer_dialog.h"
#include "platform/pictures.h"

namespace tandora {

namespace {

// Draws wait for their game's tables at most this many at a time; then the tables are built anyway.
constexpr std::size_t MostUnpricedDraws = 512;

} // namespace

void StrategyAdvisor::StrategyMenu_ShowBestHold_Click() {
    bool& on = ctx_.state.options.ShowBestHold;
    on = !on;
    if (on) {
        prepare();
        showHints();
    }
    ctx_.show();
}

void StrategyAdvisor::StrategyMenu_Trainer_Click() {
    bool& on = ctx_.state.options.Trainer;
    on = !on;
    ctx_.show();
    prepare();
}

void StrategyAdvisor::StrategyMenu_HoldAnalysis_Click() {
    const GameState& s = ctx_.state;
    std::optional<PlayedHold> hand = handInPlay();
    if (awaitingDraw() && !hand) {
        const auto problem = dealtHandProblem(s.Hand, s.game());
        HoldAnalysisDialog dialog(problem.value_or("the bet is " + std::to_string(s.CoinsBet) + " coins"));
        ctx_.platform.dialogs.showModal(dialog);
        return;
    }
    const bool finished = !hand;
    if (finished)
        hand = s.holdCosts.last;
    std::optional<HandAnalysis> analysis = hand ? analysed(*hand) : std::nullopt;
    if (!analysis) {
        HoldAnalysisDialog dialog;
        ctx_.platform.dialogs.showModal(dialog);
        return;
    }
    HoldAnalysisDialog dialog(finished ? HoldAnalysisDialog::Moment::Finished
                                       : HoldAnalysisDialog::Moment::Dealt,
                              std::move(*analysis));
    ctx_.platform.dialogs.showModal(dialog);
}

void StrategyAdvisor::StrategyMenu_StrategyChart_Click() {
    const std::optional<PlayedHold> hand = handInPlay();
    StrategyChartDialog dialog(charts_, chartKey(coinsInUse()),
                               hand ? std::optional(hand->dealt) : std::nullopt);
    ctx_.platform.dialogs.showModal(dialog);
}

ChartBuilds::Key StrategyAdvisor::chartKey(int coins) const {
    return {ctx_.state.game(), ctx_.state.rules().PayTable, coins};
}

void StrategyAdvisor::prepare() {
    const GameOptions& o = ctx_.state.options;
    if (o.ShowBestHold || o.Trainer)
        builds_.start(ctx_.state.game());
    // The Trainer names the chart's line when it asks.
    if (o.Trainer)
        charts_.start(chartKey(coinsInUse()));
}

void StrategyAdvisor::tableReplaced() {
    prepare();
    showHints();
    ctx_.show();
}

void StrategyAdvisor::dealt() {
    showHints();
    if (ctx_.state.options.Trainer)
        charts_.start(chartKey(coinsInUse()));
}

bool StrategyAdvisor::mayDraw() {
    if (!ctx_.state.options.Trainer)
        return true;
    const auto hand = handInPlay();
    if (!hand)
        return true;
    const auto analysis = analysed(*hand);
    if (!analysis || !analysis->chosenIsWorse())
        return true;
    std::array<int, HandSize> pictures{};
    for (std::size_t i = 0; i < HandSize; ++i)
        pictures[i] = cardPicture(hand->dealt[i], ctx_.state.options.deck, hand->game);
    std::optional<std::string> chartLine;
    if (const StrategyChart* chart = charts_.ifReady(chartKey(hand->coins)))
        chartLine = chartLineText(*chart, ctx_.state.rules().PayTable, hand->dealt);
    TrainerDialog dialog(*analysis, pictures, chartLine);
    ctx_.platform.dialogs.showModal(dialog);
    return dialog.drawAnyway();
}

void StrategyAdvisor::drawing() {
    ctx_.state.HoldHints.reset();
    const std::optional<PlayedHold> inPlay = handInPlay();
    if (!inPlay)
        return;
    const PlayedHold hand = *inPlay;
    HoldCosts& costs = ctx_.state.holdCosts;
    costs.last = hand;
    costs.unpriced.push_back(hand);
    if (costs.unpriced.size() >= MostUnpricedDraws)
        builds_.start(hand.game);
    price(false);
}

std::optional<double> StrategyAdvisor::payTableReturn(GameType game, const PayTable& table, int coins) {
    const auto key = std::make_tuple(game, table, coins);
    if (const auto found = returns_.find(key); found != returns_.end())
        return found->second;
    try {
        // Two threads: the statistics wait for it.
        const double percent =
            StrategyTables(builds_.get(game), table).payTableReturn(coins, 2, {})->returnPercent;
        returns_[key] = percent;
        return percent;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

double StrategyAdvisor::costOfHolds() {
    price(true);
    return ctx_.state.holdCosts.credits;
}

int StrategyAdvisor::coinsInUse() const {
    const GameState& s = ctx_.state;
    if (s.CoinsBet >= 1 && s.CoinsBet <= MaxCoins)
        return s.CoinsBet;
    return s.holdCosts.last ? s.holdCosts.last->coins : MaxCoins;
}

bool StrategyAdvisor::awaitingDraw() const {
    const GameState& s = ctx_.state;
    return s.HandState == HandStates::Dealt && !s.DoubleUpOffered && !s.DoubleUpPending;
}

std::optional<PlayedHold> StrategyAdvisor::handInPlay() const {
    const GameState& s = ctx_.state;
    if (!awaitingDraw() || s.CoinsBet < 1 || s.CoinsBet > MaxCoins || dealtHandProblem(s.Hand, s.game()))
        return std::nullopt;
    PlayedHold hand{s.game(), s.Hand, 0, s.CoinsBet, s.chosenTable()};
    for (std::size_t i = 0; i < HandSize; ++i) {
        if (s.Held[i])
            hand.heldMask = static_cast<std::uint8_t>(hand.heldMask | 1u << i);
    }
    return hand;
}

std::optional<HandAnalysis> StrategyAdvisor::analysed(const PlayedHold& hand) {
    try {
        return analyse(pricedFor(builds_.get(hand.game), hand), hand);
    } catch (const std::exception& e) {
        ctx_.messageBox(std::string("The strategy advice is not available: ") + e.what(),
                        MsgStyle::Exclamation, AppTitle);
        return std::nullopt;
    }
}

StrategyTables StrategyAdvisor::pricedFor(const StrategyTables& tables, const PlayedHold& hand) {
    return hand.table ? StrategyTables(tables, *hand.table) : tables;
}

// Marks the best hold of the hand waiting for the draw; the table shows the marks while the option is on.
void StrategyAdvisor::showHints() {
    GameState& s = ctx_.state;
    s.HoldHints.reset();
    if (!s.options.ShowBestHold)
        return;
    const auto hand = handInPlay();
    if (!hand)
        return;
    if (const auto analysis = analysed(*hand))
        s.HoldHints = analysis->best().mask;
}

void StrategyAdvisor::price(bool wait) {
    HoldCosts& costs = ctx_.state.holdCosts;
    std::vector<PlayedHold> waiting;
    for (const PlayedHold& hand : costs.unpriced) {
        try {
            if (const StrategyTables* tables = wait ? &builds_.get(hand.game) : builds_.ifReady(hand.game)) {
                costs.credits += analyse(pricedFor(*tables, hand), hand).cost();
                continue;
            }
        } catch (const std::exception&) {
            // Tables that could not be built leave the draw waiting for another try.
        }
        waiting.push_back(hand);
    }
    costs.unpriced = std::move(waiting);
}

} // namespace tandora
