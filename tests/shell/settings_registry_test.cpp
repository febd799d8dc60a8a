#include <gtest/gtest.h>

#include "shell/settings_registry.h"
#include "table/value_text.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

class SettingsRegistryTest : public ::testing::Test {
protected:
    FakePlatform f;
    GameState state;
    SettingsRegistry registry{TableContext{f.platform, state}};
};

// Guards the defaults a new player starts with.
TEST_F(SettingsRegistryTest, FreshUserGetsDefaults) {
    state.options = GameOptions{true, false, false, Deck::Blue, 0};
    state.setGame(GameType::JokerPoker);
    registry.SaveGetRegEntries(SettingsMode::Load);
    EXPECT_EQ(state.game(), GameType::JacksOrBetter85);
    EXPECT_TRUE(state.options.DoubleUpOn);
    EXPECT_TRUE(state.options.SoundEffects);
    EXPECT_EQ(state.options.deck, Deck::Red);
    EXPECT_FALSE(state.options.LoadLastGame);
    EXPECT_EQ(state.options.iDefaultPoints, 80);
    EXPECT_TRUE(registry.loadChoseAGame());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(state.RecentPaths[static_cast<std::size_t>(i)], "-");
        EXPECT_EQ(state.RecentTitles[static_cast<std::size_t>(i)], "-");
    }
    EXPECT_EQ(f.settings.writes(), 0) << "loading writes nothing";
}

// Guards the text forms a hand-edited store may hold: numbers as Booleans, and texts that do not convert,
// which leave the option as it was; DefPoints only as one of the Change Default list's amounts, anything
// else (a 7 would make every later save a game file that does not open) as the default 80.
TEST_F(SettingsRegistryTest, LoadsHandEditedValues) {
    struct Row {
        const char* doubleUp;
        bool before;
        bool after;
        const char* defPoints;
        std::int16_t pointsAfter;
    };
    // Before each load the default credits are 40.
    const Row rows[] = {
        {"1", false, true, "5", 5},       {"0", true, false, "400", 400},     {"-1", false, true, "7", 80},
        {"TRUE", false, true, "3", 80},   {"false", true, false, "4.5", 80},  {"yes", true, true, "many", 80},
        {"", false, false, "", 80},       {" True ", false, true, "-20", 80}, {"2", false, true, "99999", 80},
        {"0.0", true, false, " 10 ", 10}, {"1e3", false, true, "32768", 80},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.doubleUp) + " / " + r.defPoints);
        f.settings.set("Options", "DoubleUp", r.doubleUp);
        f.settings.set("Options", "DefPoints", r.defPoints);
        state.options.DoubleUpOn = r.before;
        state.options.iDefaultPoints = 40;
        registry.SaveGetRegEntries(SettingsMode::Load);
        EXPECT_EQ(state.options.DoubleUpOn, r.after);
        EXPECT_EQ(state.options.iDefaultPoints, r.pointsAfter);
    }
}

// Guards the order in which a store that marks several games (or none) is resolved, and the decks.
TEST_F(SettingsRegistryTest, ResolvesSeveralMarkedGamesInTheDesignedOrder) {
    struct Row {
        const char* jb85;
        const char* jb96;
        const char* dw;
        const char* jp;
        std::optional<GameType> game;
    };
    const Row rows[] = {
        {"True", "True", "True", "True", GameType::JacksOrBetter85},
        {"False", "True", "True", "True", GameType::JacksOrBetter96},
        {"False", "False", "True", "True", GameType::DeucesWild},
        {"False", "False", "False", "True", GameType::JokerPoker},
        {"False", "False", "False", "False", std::nullopt},
    };
    for (const Row& r : rows) {
        f.settings.set("Options", "JacksOrBetter", r.jb85);
        f.settings.set("Options", "JacksOrBetter96", r.jb96);
        f.settings.set("Options", "DeucesWild", r.dw);
        f.settings.set("Options", "JokerPoker", r.jp);
        state.setGame(GameType::JokerPoker);
        registry.SaveGetRegEntries(SettingsMode::Load);
        EXPECT_EQ(registry.loadChoseAGame(), r.game.has_value());
        EXPECT_EQ(state.game(), r.game.value_or(GameType::JokerPoker))
            << "unmarked leaves the game as it was";
    }
    f.settings.set("Options", "RedDeck", "False");
    f.settings.set("Options", "BlueDeck", "False");
    registry.SaveGetRegEntries(SettingsMode::Load);
    EXPECT_EQ(state.options.deck, Deck::Blue) << "the red mark decides, as the deck base does";
}

// Guards the saved text forms, and that a minimised window keeps the placement stored before.
TEST_F(SettingsRegistryTest, SavesOptionsAndPlacementUnlessMinimised) {
    state.setGame(GameType::JokerPoker);
    state.options.deck = Deck::Blue;
    state.options.iDefaultPoints = 40;
    state.RecentPaths[0] = "/home/pat/games/friday.tn2";
    state.RecentTitles[0] = "friday.tn2";
    f.view.setWindowPosition(1500, 2250);
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.settings.value("Options", "JokerPoker"), "True");
    EXPECT_EQ(f.settings.value("Options", "JacksOrBetter"), "False");
    EXPECT_EQ(f.settings.value("Options", "BlueDeck"), "True");
    EXPECT_EQ(f.settings.value("Options", "RedDeck"), "False");
    EXPECT_EQ(f.settings.value("Options", "DefPoints"), "40");
    EXPECT_EQ(f.settings.value("RecentFiles", "File 1"), "/home/pat/games/friday.tn2");
    EXPECT_EQ(f.settings.value("RecentFiles", "Title 1"), "friday.tn2");
    EXPECT_EQ(f.settings.value("RecentFiles", "File 4"), "-");
    EXPECT_EQ(f.settings.value("MainWindow", "WindowState"), "0");
    EXPECT_EQ(f.settings.value("MainWindow", "Left"), "1500");
    EXPECT_EQ(f.settings.value("MainWindow", "Top"), "2250");

    f.view.setWindowState(1);
    f.view.setWindowPosition(-32000, -32000);
    state.options.iDefaultPoints = 20;
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.settings.value("Options", "DefPoints"), "20");
    EXPECT_EQ(f.settings.value("MainWindow", "Left"), "1500");
    EXPECT_EQ(f.settings.value("MainWindow", "WindowState"), "0");
}

// Guards the Strategy options in their own section: off for a new player, loaded and saved as "True" and
// "False", and a hand-edited value that is no Boolean named to the player and leaving its option off.
TEST_F(SettingsRegistryTest, StrategyOptionsHaveTheirOwnSection) {
    registry.SaveGetRegEntries(SettingsMode::Load);
    EXPECT_FALSE(state.options.ShowBestHold);
    EXPECT_FALSE(state.options.Trainer);
    f.settings.set("Strategy", "ShowBestHold", "true");
    f.settings.set("Strategy", "Trainer", "sometimes");
    state.options.Trainer = true;
    registry.SaveGetRegEntries(SettingsMode::Load);
    EXPECT_TRUE(state.options.ShowBestHold);
    EXPECT_FALSE(state.options.Trainer);
    EXPECT_EQ(
        f.messages.shown(),
        (std::vector<std::string>{"Tandora|48|The saved setting Strategy/Trainer is \"sometimes\", which is "
                                  "neither True nor False. Trainer stays off."}));
    state.options.ShowBestHold = false;
    state.options.Trainer = true;
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.settings.value("Strategy", "ShowBestHold"), "False");
    EXPECT_EQ(f.settings.value("Strategy", "Trainer"), "True");
    EXPECT_FALSE(f.settings.has("Options", "Trainer"));
}

// Guards the chosen pay tables in their own section: the game in play comes with its table, a table that
// does not read is named to the player and the game plays its designed table, and a save writes them back.
TEST_F(SettingsRegistryTest, PayTablesHaveTheirOwnSection) {
    f.settings.set("Options", "JacksOrBetter", "False");
    f.settings.set("Options", "DeucesWild", "True");
    f.settings.set("PayTables", "dw", "250,200,25,15,9,4,4,3,2,1,4000");
    f.settings.set("PayTables", "jp", "250,200,100,50,17,7,5,3,2,1");
    registry.SaveGetRegEntries(SettingsMode::Load);
    EXPECT_EQ(state.rules().PayTable.perCoin[6], 4) << "Illinois Deuces: four of a kind pays 4";
    EXPECT_FALSE(state.options.payTables[static_cast<std::size_t>(GameType::JokerPoker)]);
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{
                  "Tandora|48|The saved setting PayTables/jp is \"250,200,100,50,17,7,5,3,2,1\", "
                  "which is no pay table: the table needs 12 pays (its 11 rows and the "
                  "five-coin royal flush), not 10. Joker Poker plays its own table."}));
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.settings.value("PayTables", "dw"), "250,200,25,15,9,4,4,3,2,1,4000");
    EXPECT_EQ(f.settings.value("PayTables", "jp"), "");
}

// Guards a read-only store: every refused write is skipped without a message and the rest still run.
TEST_F(SettingsRegistryTest, SavingToARefusingStoreGoesOnQuietly) {
    f.settings.refuseWrites(true);
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.log.matching("setting").size(), 9u + 1u + 2u + 4u + 8u + 3u);
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_FALSE(registry.save("Bank", "Credits", "5"));
}

} // namespace
} // namespace tandora
