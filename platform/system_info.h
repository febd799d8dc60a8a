#pragma once

#include <functional>
#include <string>

namespace tandora {

// Facts about the screen and the running program.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual int twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
    // In pixels.
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
    // The part of a screen a window may cover (without the desktop's panels), in pixels: of the screen
    // holding the point x, y, or the main screen when none does.
    struct Area {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };
    virtual Area availableArea(int /*x*/, int /*y*/) const { return {0, 0, screenWidth(), screenHeight()}; }
    // True when another copy of this program runs for the same user.
    virtual bool previousInstance() = 0;
    // Hands a game file to open (or nothing, to come to the front) to the copy already running; false when
    // that copy could not be reached.
    virtual bool handToRunningCopy(const std::string& path) = 0;
    // What later copies hand over arrives through handler, one path (or nothing) at a time, between events.
    virtual void listenForOtherCopies(std::function<void(const std::string& path)> handler) = 0;
};

} // namespace tandora
