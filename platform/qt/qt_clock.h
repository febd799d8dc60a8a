#pragma once

#include <QElapsedTimer>

#include "platform/clock.h"

namespace tandora {

class QtClock : public Clock {
public:
    QtClock() { started_.start(); }

    std::uint32_t tickCount() const override;
    void sleepMs(std::uint32_t milliseconds) override;

private:
    QElapsedTimer started_;
};

} // namespace tandora
