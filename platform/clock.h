#pragma once

#include <cstdint>

namespace tandora {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some start; wraps around at 2^32.
    virtual std::uint32_t tickCount() const = 0;
    // Blocks the thread without handling any input.
    virtual void sleepMs(std::uint32_t milliseconds) = 0;
};

} // namespace tandora
