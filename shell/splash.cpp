#include "shell/splash.h"

namespace tandora {

Splash::Splash(TableContext context, SplashView& view, MainWindow& mainWindow)
    : ctx_(context), view_(view), mainWindow_(mainWindow) {
    view_.setUnloadHandler([this] { Form_Unload(); });
}

bool Splash::Form_Load(const std::optional<std::string>& startupFile) {
    ctx_.state.AlreadyRunning = false;
    SystemInfo& system = ctx_.platform.system;
    if (system.previousInstance()) {
        ctx_.state.AlreadyRunning = true;
        // The running copy opens the file itself, asking about its own game first.
        if (startupFile && system.handToRunningCopy(*startupFile))
            return false;
        // Otherwise it comes to the front, and the player reads why no second table appears.
        (void)system.handToRunningCopy({});
        ctx_.messageBox("Tandora 2.0 is already running. Please check your Taskbar.", MsgStyle::Exclamation,
                        "Tandora 2.0");
        return false;
    }
    mainWindow_.Form_Load();
    if (!mainWindow_.isLoaded())
        return false;
    view_.startTimer(SplashMilliseconds, [this] { Timer1_Timer(); });
    view_.showSplash();
    return true;
}

void Splash::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (mainWindow_.isLoaded())
        ctx_.view().showWindow();
}

} // namespace tandora
