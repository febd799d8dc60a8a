#include "advisor/return_worker.h"

#include <exception>
#include <system_error>

namespace tandora {

namespace {

// Each table's deals are shared between two threads: the worker and one helper.
constexpr int ThreadsPerTable = 2;

} // namespace

void ReturnWorker::start(GameType game, const PayTable& table, int coins) {
    stop();
    auto outcome = std::make_shared<Outcome>();
    auto work = [outcome, game, table, coins](std::stop_token stop) {
        std::optional<Returns> found;
        std::optional<std::string> failure;
        try {
            const StrategyTables tables(StrategyTables::forGame(game), table);
            const auto atBet = tables.payTableReturn(coins, ThreadsPerTable, stop);
            // One to four coins pay alike per coin, so one coin is worked out apart only for five.
            const auto atOne = coins < MaxCoins ? atBet : tables.payTableReturn(1, ThreadsPerTable, stop);
            if (atBet && atOne)
                found = Returns{coins, atBet->returnPercent, atOne->returnPercent};
        } catch (const std::exception& e) {
            failure = e.what();
        }
        {
            std::lock_guard lock(outcome->mutex);
            outcome->returns = found;
            outcome->failure = failure;
        }
        outcome->done = true;
    };
    try {
        std::jthread thread(work);
        current_ = Job{std::move(outcome), std::move(thread)};
    } catch (const std::system_error& e) {
        outcome->failure = e.what();
        outcome->done = true;
        current_ = Job{std::move(outcome), {}};
    }
}

void ReturnWorker::stop() {
    forgetEnded();
    if (!current_)
        return;
    current_->thread.request_stop();
    stopped_.push_back(std::move(*current_));
    current_.reset();
}

void ReturnWorker::forgetEnded() {
    std::erase_if(stopped_, [](const Job& job) { return job.outcome->done.load(); });
}

bool ReturnWorker::busy() {
    forgetEnded();
    return current_ && !current_->outcome->done;
}

std::optional<ReturnWorker::Returns> ReturnWorker::returns() const {
    if (!current_ || !current_->outcome->done)
        return std::nullopt;
    std::lock_guard lock(current_->outcome->mutex);
    return current_->outcome->returns;
}

std::optional<std::string> ReturnWorker::failure() const {
    if (!current_ || !current_->outcome->done)
        return std::nullopt;
    std::lock_guard lock(current_->outcome->mutex);
    return current_->outcome->failure;
}

} // namespace tandora
