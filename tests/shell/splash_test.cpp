#include <gtest/gtest.h>

#include "shell/tandora_app.h"
#include "tests/gamefiles/game_file_samples.h"
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

// Guards the hand-over's other side: a later copy's game file comes to the front and opens through Open
// Game's own flow, asking about the game on the table first; a later copy without a file only raises it.
TEST(Splash, RunningCopyOpensWhatALaterCopyHandsOver) {
    FakePlatform f;
    ShellHooks hooks;
    TandoraApp app(f.platform, f.splash, hooks);
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(f.system.fromOtherCopies);
    f.system.fromOtherCopies("");
    EXPECT_EQ(f.log.matching("window show").size(), 1u);
    f.files.put("/g/b.tn2", testing_support::fileOf(testing_support::sampleLines()));
    app.state().bChange = true;
    f.messages.answer({MsgAnswer::No});
    f.system.fromOtherCopies("/g/b.tn2");
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{"Tandora|35|Do you want to save the current game?"}));
    EXPECT_EQ(f.view.scene().caption, "Tandora - b.tn2");
    EXPECT_EQ(app.state().vPoints, 1234);
}

// Guards the single instance: the second copy says so, brings the first to the front and touches neither
// settings nor the table; given a game file it hands the file over and ends without a word, unless the
// running copy cannot be reached.
TEST(Splash, SecondCopyIsRefused) {
    for (const bool answers : {true, false}) {
        FakePlatform f;
        f.system.otherCopyRunning = true;
        f.system.runningCopyAnswers = answers;
        ShellHooks hooks;
        TandoraApp app(f.platform, f.splash, hooks);
        EXPECT_FALSE(app.start("/g/evening.tn2"));
        EXPECT_EQ(f.system.handedOver.front(), "/g/evening.tn2");
        EXPECT_EQ(f.messages.shown().size(), answers ? 0u : 1u);
        EXPECT_EQ(f.settings.reads() + f.settings.writes(), 0);
    }
    FakePlatform f;
    f.system.otherCopyRunning = true;
    ShellHooks hooks;
    TandoraApp app(f.platform, f.splash, hooks);
    EXPECT_FALSE(app.start());
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{
                  "Tandora 2.0|48|Tandora 2.0 is already running. Please check your Taskbar."}));
    EXPECT_TRUE(app.state().AlreadyRunning);
    EXPECT_EQ(f.system.handedOver, std::vector<std::string>{""}) << "the running copy comes to the front";
    EXPECT_EQ(f.settings.reads() + f.settings.writes(), 0);
    EXPECT_FALSE(f.view.shown());
    EXPECT_TRUE(f.log.matching("splash").empty());
}

} // namespace
} // namespace tandora
