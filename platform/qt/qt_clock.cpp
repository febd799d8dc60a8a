#include "qt_clock.h"

#include <QThread>

namespace tandora {

std::uint32_t QtClock::tickCount() const {
    // Truncation is the wrap-around the game's pause already allows for.
    return static_cast<std::uint32_t>(started_.elapsed());
}

void QtClock::sleepMs(std::uint32_t milliseconds) {
    QThread::msleep(milliseconds);
}

} // namespace tandora
