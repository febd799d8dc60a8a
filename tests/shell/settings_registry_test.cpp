#include <gtest/gtest.h>

#include "shell/settings_registry.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

class SettingsRegistryTest : public ::testing::Test {
protected:
    bool checked(MenuItem item) const { return f.view.isMenuChecked({item}); }

    FakePlatform f;
    GameState state;
    SettingsRegistry registry{TableContext{f.platform, state}};
};

// Guards the defaults a new player starts with.
TEST_F(SettingsRegistryTest, FreshUserGetsDefaults) {
    state.iDefaultPoints = 0;
    registry.SaveGetRegEntries(2);
    EXPECT_TRUE(checked(MenuItem::OptionsMenu_JacksOrBetter));
    EXPECT_FALSE(checked(MenuItem::OptionsMenu_JacksOrBetter96));
    EXPECT_FALSE(checked(MenuItem::OptionsMenu_DeucesWild));
    EXPECT_FALSE(checked(MenuItem::OptionsMenu_JokerPoker));
    EXPECT_TRUE(checked(MenuItem::OptionsMenu_DoubleUp));
    EXPECT_TRUE(checked(MenuItem::OptionsMenu_SoundEffects));
    EXPECT_TRUE(checked(MenuItem::OptionsMenu_SelectDeck_RedDeck));
    EXPECT_FALSE(checked(MenuItem::OptionsMenu_SelectDeck_BlueDeck));
    EXPECT_FALSE(checked(MenuItem::GameMenu_LoadLastFile));
    EXPECT_EQ(state.iDefaultPoints, 80);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(state.RecentPaths[static_cast<std::size_t>(i)], "-");
        EXPECT_EQ(state.RecentTitles[static_cast<std::size_t>(i)], "-");
    }
    EXPECT_EQ(f.settings.writes(), 0) << "loading writes nothing";
}

// Guards the text forms a hand-edited store may hold: numbers as Booleans, the DefPoints minimum,
// and texts that do not convert, which leave the value as it was.
TEST_F(SettingsRegistryTest, LoadsHandEditedValues) {
    struct Row {
        const char* doubleUp;
        bool checkedBefore;
        bool checkedAfter;
        const char* defPoints;
        std::int16_t pointsAfter;
    };
    const Row rows[] = {
        {"1", false, true, "5", 5},       {"0", true, false, "3", 80},        {"-1", false, true, "400", 400},
        {"TRUE", false, true, "4.5", 80}, {"false", true, false, "5.5", 6},   {"yes", true, true, "many", 80},
        {"", false, false, "99999", 80},  {" True ", false, true, "-20", 80},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.doubleUp);
        f.settings.set("Options", "DoubleUp", r.doubleUp);
        f.settings.set("Options", "DefPoints", r.defPoints);
        f.view.setMenuChecked({MenuItem::OptionsMenu_DoubleUp}, r.checkedBefore);
        state.iDefaultPoints = 0;
        registry.SaveGetRegEntries(2);
        EXPECT_EQ(checked(MenuItem::OptionsMenu_DoubleUp), r.checkedAfter);
        EXPECT_EQ(state.iDefaultPoints, r.pointsAfter);
    }
}

// Guards the saved text forms, and that a minimised window keeps the placement stored before.
TEST_F(SettingsRegistryTest, SavesOptionsAndPlacementUnlessMinimised) {
    f.view.setMenuChecked({MenuItem::OptionsMenu_JokerPoker}, true);
    state.iDefaultPoints = 40;
    state.RecentPaths[0] = "/home/pat/games/friday.tn2";
    state.RecentTitles[0] = "friday.tn2";
    f.view.setWindowPosition(1500, 2250);
    registry.SaveGetRegEntries(1);
    EXPECT_EQ(f.settings.value("Options", "JokerPoker"), "True");
    EXPECT_EQ(f.settings.value("Options", "JacksOrBetter"), "False");
    EXPECT_EQ(f.settings.value("Options", "DefPoints"), "40");
    EXPECT_EQ(f.settings.value("RecentFiles", "File 1"), "/home/pat/games/friday.tn2");
    EXPECT_EQ(f.settings.value("RecentFiles", "Title 1"), "friday.tn2");
    EXPECT_EQ(f.settings.value("RecentFiles", "File 4"), "-");
    EXPECT_EQ(f.settings.value("MainWindow", "WindowState"), "0");
    EXPECT_EQ(f.settings.value("MainWindow", "Left"), "1500");
    EXPECT_EQ(f.settings.value("MainWindow", "Top"), "2250");

    f.view.setWindowState(1);
    f.view.setWindowPosition(-32000, -32000);
    state.iDefaultPoints = 20;
    registry.SaveGetRegEntries(1);
    EXPECT_EQ(f.settings.value("Options", "DefPoints"), "20");
    EXPECT_EQ(f.settings.value("MainWindow", "Left"), "1500");
    EXPECT_EQ(f.settings.value("MainWindow", "WindowState"), "0");
}

// Guards the refusal of an unknown mode, which neither reads nor writes.
TEST_F(SettingsRegistryTest, RefusesUnknownMode) {
    registry.SaveGetRegEntries(3);
    EXPECT_EQ(f.messages.shown(), (std::vector<std::string>{"SaveGetRegEntries|16|Invalid parameter."}));
    EXPECT_EQ(f.settings.writes() + f.settings.reads(), 0);
}

} // namespace
} // namespace tandora
