#pragma once

#include <cstdint>
#include <string_view>

#include "platform/clock.h"

namespace tandora {

// Milliseconds for amount in unit ("SECONDS", "MINUTES", "HOURS", "DAYS" in any case, else milliseconds).
// A product that does not fit in 32 signed bits stays unconverted.
std::int32_t pauseMilliseconds(std::int32_t amount, std::string_view unit);

// Waits without handling input. Sleeps rather than spins, and measures elapsed time so that the
// tick counter's wrap-around does not end or stretch the wait.
void Pause(Clock& clock, std::int32_t amount, std::string_view unit);

} // namespace tandora
