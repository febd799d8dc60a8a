#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/strategy_tables.h"

namespace tandora {

// Works out the return of one pay table after another off the interface thread. Starting a table stops
// the one before, so only the newest is ever reported; nothing here waits for a stopped one to end.
class ReturnWorker {
public:
    struct Returns {
        int coins = 0;
        double atBet = 0;     // percent, with `coins` coins bet
        double atOneCoin = 0; // percent
    };

    ReturnWorker() = default;
    ReturnWorker(const ReturnWorker&) = delete;
    ReturnWorker& operator=(const ReturnWorker&) = delete;
    // Stops what is under way and waits for it, which takes no longer than building the game's tables.
    ~ReturnWorker() = default;

    void start(GameType game, const PayTable& table, int coins);
    // Stops the table under way; nothing is reported until the next start.
    void stop();
    // True while the newest table is being worked out.
    bool busy();
    // The newest table's returns once they are known, or why they could not be.
    std::optional<Returns> returns() const;
    std::optional<std::string> failure() const;

private:
    struct Outcome {
        std::atomic<bool> done{false};
        std::mutex mutex;
        std::optional<Returns> returns;
        std::optional<std::string> failure;
    };
    struct Job {
        std::shared_ptr<Outcome> outcome;
        std::jthread thread;
    };
    // Jobs already stopped end by themselves; they are let go once they have.
    void forgetEnded();

    std::vector<Job> stopped_;
    std::optional<Job> current_;
};

} // namespace tandora
