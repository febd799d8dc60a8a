#pragma once

namespace tandora {

// What set-up and shutdown ask of the subsystems built beside them (uninstall log, dialogs). The
// defaults are what the program does while a subsystem is not part of it.
class ShellHooks {
public:
    virtual ~ShellHooks() = default;
    virtual void AppendUninstallLog() {}
    virtual void unloadOtherWindows() {}
};

} // namespace tandora
