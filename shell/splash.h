#pragma once

#include <optional>
#include <string>

#include "platform/splash_view.h"
#include "shell/main_window.h"

namespace tandora {

// The start-up window: refuses a second copy, sets the table up hidden, then shows it after 2.5 s.
class Splash {
public:
    Splash(TableContext context, SplashView& view, MainWindow& mainWindow);

    // False when the program must end at once (another copy runs, or set-up failed). A game file named to
    // this copy goes to the copy already running, which opens it.
    bool Form_Load(const std::optional<std::string>& startupFile = std::nullopt);
    void Timer1_Timer() { view_.closeSplash(); }
    void Form_Unload();

    static constexpr int SplashMilliseconds = 2500;

private:
    TableContext ctx_;
    SplashView& view_;
    MainWindow& mainWindow_;
    bool unloaded_ = false;
};

} // namespace tandora
