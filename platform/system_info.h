#pragma once

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
    // True when another copy of this program runs for the same user.
    virtual bool previousInstance() = 0;
};

} // namespace tandora
