#pragma once

namespace tandora {

// What shutdown asks of the windows built beside the table. The default is what the program does while
// it has no other windows to close.
class ShellHooks {
public:
    virtual ~ShellHooks() = default;
    virtual void unloadOtherWindows() {}
};

} // namespace tandora
