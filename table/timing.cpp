#include "table/timing.h"

#include <limits>
#include <string>

#include "engine/ascii_text.h"

namespace tandora {

std::int32_t pauseMilliseconds(std::int32_t amount, std::string_view unit) {
    const std::string name = toUpperAscii(unit);
    std::int64_t factor = 1;
    if (name == "SECONDS")
        factor = 1000;
    else if (name == "MINUTES")
        factor = 60LL * 1000;
    else if (name == "HOURS")
        factor = 60LL * 60 * 1000;
    else if (name == "DAYS")
        factor = 24LL * 60 * 60 * 1000;
    const std::int64_t product = static_cast<std::int64_t>(amount) * factor;
    if (product > std::numeric_limits<std::int32_t>::max() ||
        product < std::numeric_limits<std::int32_t>::min())
        return amount;
    return static_cast<std::int32_t>(product);
}

void Pause(Clock& clock, std::int32_t amount, std::string_view unit) {
    const std::int32_t wait = pauseMilliseconds(amount, unit);
    if (wait <= 0)
        return;
    const std::uint32_t total = static_cast<std::uint32_t>(wait);
    const std::uint32_t start = clock.tickCount();
    for (;;) {
        const std::uint32_t elapsed = clock.tickCount() - start; // unsigned: right across the wrap
        if (elapsed >= total)
            return;
        clock.sleepMs(total - elapsed);
    }
}

} // namespace tandora
