#include <gtest/gtest.h>

#include "shell/tandora_app.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

// Guards the start-up order: table set up hidden, splash shown, table shown when the timer fires.
TEST(Splash, ShowsTheTableAfterTheTimer) {
    FakePlatform f;
    ShellHooks hooks;
    TandoraApp app(f.platform, f.splash, hooks);
    ASSERT_TRUE(app.start());
    const auto order = f.log.matching("splash");
    EXPECT_EQ(order, (std::vector<std::string>{"splash timer 2500", "splash show"}));
    EXPECT_FALSE(f.view.shown());
    f.splash.fireTimer();
    EXPECT_TRUE(f.view.shown());
    f.splash.fireTimer();
    EXPECT_EQ(f.log.matching("window show").size(), 1u) << "the table is shown once";
}

// Guards the single instance: the second copy says so and touches neither settings nor the table.
TEST(Splash, SecondCopyIsRefused) {
    FakePlatform f;
    f.system.otherCopyRunning = true;
    ShellHooks hooks;
    TandoraApp app(f.platform, f.splash, hooks);
    EXPECT_FALSE(app.start());
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{
                  "Tandora 2.0|48|Tandora 2.0 is already running. Please check your Taskbar."}));
    EXPECT_TRUE(app.state().AlreadyRunning);
    EXPECT_EQ(f.settings.reads() + f.settings.writes(), 0);
    EXPECT_FALSE(f.view.shown());
    EXPECT_TRUE(f.log.matching("splash").empty());
}

} // namespace
} // namespace tandora
