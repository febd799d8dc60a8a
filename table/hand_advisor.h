#pragma once

namespace tandora {

// What the hand cycle tells an advisor watching the play, and asks of it. The defaults do nothing, so
// that without an advisor the table plays exactly as it always has.
class HandAdvisor {
public:
    virtual ~HandAdvisor() = default;
    // The deal has ended; the hand waits for holds.
    virtual void dealt() {}
    // The player asked to draw. False keeps the dealt hand as it is.
    virtual bool mayDraw() { return true; }
    // The draw begins with the holds as they are now.
    virtual void drawing() {}
};

} // namespace tandora
