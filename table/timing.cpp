#include "table/timing.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tandora {

void Pause(Clock& clock, std::chrono::milliseconds wait) {
    if (wait.count() <= 0)
        return;
    // The tick counter measures at most its own range.
    const auto total = static_cast<std::uint32_t>(
        std::min<std::chrono::milliseconds::rep>(wait.count(), std::numeric_limits<std::uint32_t>::max()));
    const std::uint32_t start = clock.tickCount();
    for (;;) {
        const std::uint32_t elapsed = clock.tickCount() - start; // unsigned: right across the wrap
        if (elapsed >= total)
            return;
        clock.sleepMs(total - elapsed);
    }
}

void Schedule::next(std::chrono::milliseconds step) {
    due_ += step;
    const std::uint32_t elapsed = clock_.tickCount() - start_;
    if (elapsed < due_.count())
        Pause(clock_, due_ - std::chrono::milliseconds(elapsed));
}

} // namespace tandora
