#include "shell/splash.h"

namespace tandora {

Splash::Splash(TableContext context, SplashView& view, MainWindow& mainWindow)
    : ctx_(context), view_(view), mainWindow_(mainWindow) {
    view_.setUnloadHandler([this] { Form_Unload(); });
}

bool Splash::Form_Load() {
    ctx_.state.AlreadyRunning = false;
    if (ctx_.platform.system.previousInstance()) {
        ctx_.state.AlreadyRunning = true;
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
