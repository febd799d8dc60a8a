#pragma once

#include <chrono>
#include <cstdint>

#include "platform/clock.h"

namespace tandora {

// Waits without handling input. Sleeps rather than spins, and measures elapsed time so that the tick
// counter's wrap-around does not end or stretch the wait.
void Pause(Clock& clock, std::chrono::milliseconds wait);

// The steps of an animation kept to their times from its start: the time a step takes to paint comes out
// of the wait before the next one instead of adding to the whole, so a large table animates as fast as a
// small one.
class Schedule {
public:
    explicit Schedule(Clock& clock) : clock_(clock), start_(clock.tickCount()) {}
    // Waits until step more than the last wait's time (or the start) has passed since the start.
    void next(std::chrono::milliseconds step);

private:
    Clock& clock_;
    std::uint32_t start_;
    std::chrono::milliseconds due_{0};
};

} // namespace tandora
