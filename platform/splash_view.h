#pragma once

#include <functional>

namespace tandora {

// The start-up window: the splash picture and its one timer.
class SplashView {
public:
    virtual ~SplashView() = default;
    virtual void showSplash() = 0;
    virtual void closeSplash() = 0;
    // Calls onTick once, after milliseconds.
    virtual void startTimer(int milliseconds, std::function<void()> onTick) = 0;
    // Called whenever the splash closes, by the timer or by the player.
    virtual void setUnloadHandler(std::function<void()> onUnload) = 0;
};

} // namespace tandora
