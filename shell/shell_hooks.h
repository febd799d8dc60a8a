#pragma once

namespace tandora {

// What set-up and shutdown ask of the subsystems built beside them (game files, uninstall log,
// dialogs). The defaults are what the program does while a subsystem is not part of it.
class ShellHooks {
public:
    virtual ~ShellHooks() = default;
    virtual void AppendUninstallLog() {}
    // True when the pending action may go on; asks about unsaved changes where saving exists.
    virtual bool CheckForChange() { return true; }
    virtual void openStartupFile() {}
    virtual void unloadOtherWindows() {}
};

} // namespace tandora
