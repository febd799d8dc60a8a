#include <gtest/gtest.h>

#include "shell/settings_registry.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

class SettingsRegistryTest : public ::testing::Test {
protected:
    void load() { registry.SaveGetRegEntries(SettingsMode::Load); }

    testing_support::FakePlatform f;
    GameState state;
    SettingsRegistry registry{TableContext{f.platform, state}};
};

// Guards the defaults a new player starts with, the Strategy options off among them.
TEST_F(SettingsRegistryTest, FreshUserGetsDefaults) {
    state.options = GameOptions{true, false, false, Deck::Blue, 0, true, true};
    state.setGame(GameType::JokerPoker);
    load();
    EXPECT_EQ(state.game(), GameType::JacksOrBetter85);
    EXPECT_TRUE(state.options == GameOptions{});
    EXPECT_TRUE(registry.loadChoseAGame());
    EXPECT_EQ(state.RecentTitles, (std::array<std::string, 4>{"-", "-", "-", "-"}));
    EXPECT_EQ(f.settings.writes(), 0) << "loading writes nothing";
}

// Guards the text forms a hand-edited store may hold: numbers as Booleans, and texts that do not convert,
// which leave the option as it was; DefPoints only as one of the Change Default list's amounts, anything
// else (a 7 would make every later save a game file that does not open) as the default 80.
TEST_F(SettingsRegistryTest, LoadsHandEditedValues) {
    // doubleUp, option before, after; defPoints, after (40 before each load)
    const std::tuple<const char*, bool, bool, const char*, int> rows[] = {
        {"1", false, true, "5", 5},       {"0", true, false, "400", 400},     {"-1", false, true, "7", 80},
        {"TRUE", false, true, "3", 80},   {"false", true, false, "4.5", 80},  {"yes", true, true, "many", 80},
        {"", false, false, "", 80},       {" True ", false, true, "-20", 80}, {"2", false, true, "99999", 80},
        {"0.0", true, false, " 10 ", 10}, {"1e3", false, true, "32768", 80}};
    for (const auto& [doubleUp, before, after, defPoints, pointsAfter] : rows) {
        f.settings.set("Options", "DoubleUp", doubleUp);
        f.settings.set("Options", "DefPoints", defPoints);
        state.options.DoubleUpOn = before;
        state.options.iDefaultPoints = 40;
        load();
        EXPECT_EQ(std::pair(state.options.DoubleUpOn, int{state.options.iDefaultPoints}),
                  std::pair(after, pointsAfter))
            << doubleUp << " / " << defPoints;
    }
}

// Guards the order in which a store that marks several games (or none) is resolved, and the decks.
TEST_F(SettingsRegistryTest, ResolvesSeveralMarkedGamesInTheDesignedOrder) {
    // The marks of 8/5 and 9/6 Jacks or Better, Deuces Wild and Joker Poker; none leaves the game as it was.
    const char* keys[] = {"JacksOrBetter", "JacksOrBetter96", "DeucesWild", "JokerPoker"};
    for (const std::string marks : {"TTTT", "FTTT", "FFTT", "FFFT", "FFFF"}) {
        for (int i = 0; i < 4; ++i)
            f.settings.set("Options", keys[i], marks[i] == 'T' ? "True" : "False");
        state.setGame(GameType::JokerPoker);
        load();
        EXPECT_EQ(registry.loadChoseAGame(), marks != "FFFF") << marks;
        EXPECT_EQ(state.game(), static_cast<GameType>(std::min<std::size_t>(marks.find('T'), 3))) << marks;
    }
    f.settings.set("Options", "RedDeck", "False");
    f.settings.set("Options", "BlueDeck", "False");
    load();
    EXPECT_EQ(state.options.deck, Deck::Blue) << "the red mark decides, as the deck base does";
}

// Guards the saved text forms, that they read back as they were, that a minimised window keeps the
// placement stored before, and that a store refusing the writes is skipped without a message and the rest
// still run.
TEST_F(SettingsRegistryTest, SavesOptionsAndPlacementUnlessMinimisedAndGoesOnPastRefusals) {
    state.setGame(GameType::JokerPoker);
    state.options.deck = Deck::Blue;
    state.options.iDefaultPoints = 40;
    state.options.Trainer = true;
    state.RecentPaths[0] = "/home/pat/games/friday.tn2";
    state.RecentTitles[0] = "friday.tn2";
    f.view.setWindowPosition(1500, 2250);
    registry.SaveGetRegEntries(SettingsMode::Save);
    std::string saved;
    for (const std::string& line : f.log.matching("setting "))
        saved += line.substr(8) + "; ";
    EXPECT_EQ(
        saved,
        "Options/LoadLastGame=False; Options/JacksOrBetter=False; Options/JacksOrBetter96=False; "
        "Options/JokerPoker=True; Options/DeucesWild=False; Options/DoubleUp=True; "
        "Options/SoundEffects=True; Options/RedDeck=False; Options/BlueDeck=True; Options/DefPoints=40; "
        "Strategy/ShowBestHold=False; Strategy/Trainer=True; "
        "PayTables/jb85=; PayTables/jb96=; PayTables/dw=; PayTables/jp=; "
        "RecentFiles/File 1=/home/pat/games/friday.tn2; RecentFiles/Title 1=friday.tn2; "
        "RecentFiles/File 2=-; RecentFiles/Title 2=-; RecentFiles/File 3=-; RecentFiles/Title 3=-; "
        "RecentFiles/File 4=-; RecentFiles/Title 4=-; Display/Scale=100; "
        "MainWindow/WindowState=0; MainWindow/Top=2250; MainWindow/Left=1500; ");
    GameState back;
    SettingsRegistry{TableContext{f.platform, back}}.SaveGetRegEntries(SettingsMode::Load);
    EXPECT_TRUE(back.options == state.options && back.game() == GameType::JokerPoker);
    EXPECT_EQ(back.RecentPaths, state.RecentPaths);
    for (const GameType game : {GameType::JacksOrBetter85, GameType::JacksOrBetter96, GameType::DeucesWild}) {
        state.setGame(game);
        registry.SaveGetRegEntries(SettingsMode::Save);
        SettingsRegistry{TableContext{f.platform, back}}.SaveGetRegEntries(SettingsMode::Load);
        EXPECT_EQ(back.game(), game);
    }

    f.view.setWindowState(1);
    f.view.setWindowPosition(-32000, -32000);
    state.options.iDefaultPoints = 20;
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.settings.value("Options", "DefPoints"), "20");
    EXPECT_EQ(f.settings.value("MainWindow", "Left"), "1500");
    EXPECT_EQ(f.settings.value("MainWindow", "WindowState"), "0");

    f.settings.refuseWrites(true); // a read-only store: every write is tried, quietly
    f.view.setWindowState(0);
    f.log.clear();
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.log.matching("setting").size(), 28u);
    EXPECT_TRUE(f.messages.shown().empty());
}

// Guards the Strategy and PayTables sections as read: good values loaded (the game in play comes with its
// table), and a value that does not read named to the player, leaving its option off or the game on its
// designed table; a save writes the tables back.
TEST_F(SettingsRegistryTest, StrategyAndPayTableValuesThatDoNotReadAreNamed) {
    const std::string jp = "250,200,100,50,17,7,5,3,2,1", dw = "250,200,25,15,9,4,4,3,2,1,4000";
    for (const auto& [section, key, value] : {std::tuple{"Strategy", "ShowBestHold", "true"},
                                              {"Strategy", "Trainer", "sometimes"},
                                              {"Options", "JacksOrBetter", "False"},
                                              {"Options", "DeucesWild", "True"},
                                              {"PayTables", "dw", dw.c_str()},
                                              {"PayTables", "jp", jp.c_str()}})
        f.settings.set(section, key, value);
    state.options.Trainer = true;
    load();
    EXPECT_TRUE(state.options.ShowBestHold && !state.options.Trainer);
    EXPECT_EQ(state.rules().PayTable.perCoin[6], 4) << "Illinois Deuces: four of a kind pays 4";
    EXPECT_FALSE(state.options.payTables[static_cast<std::size_t>(GameType::JokerPoker)]);
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{
                  "Tandora|48|The saved setting Strategy/Trainer is \"sometimes\", which is "
                  "neither True nor False. Trainer stays off.",
                  "Tandora|48|The saved setting PayTables/jp is \"" + jp +
                      "\", which is no pay table: the table needs 12 pays (its 11 rows and "
                      "the five-coin royal flush), not 10. Joker Poker plays its own table."}));
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.settings.value("PayTables", "dw"), dw);
    EXPECT_EQ(f.settings.value("PayTables", "jp"), "");
}

} // namespace
} // namespace tandora
