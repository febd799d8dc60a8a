#pragma once

#include <chrono>

#include "platform/clock.h"

namespace tandora {

// Waits without handling input. Sleeps rather than spins, and measures elapsed time so that the tick
// counter's wrap-around does not end or stretch the wait.
void Pause(Clock& clock, std::chrono::milliseconds wait);

} // namespace tandora
