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
    EXPECT_EQ(state.RecentPaths, (std::array<std::string, 4>{"-", "-", "-", "-"}));
    EXPECT_EQ(state.RecentTitles, state.RecentPaths);
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
        SCOPED_TRACE(std::string(doubleUp) + " / " + defPoints);
        f.settings.set("Options", "DoubleUp", doubleUp);
        f.settings.set("Options", "DefPoints", defPoints);
        state.options.DoubleUpOn = before;
        state.options.iDefaultPoints = 40;
        load();
        EXPECT_EQ(state.options.DoubleUpOn, after);
        EXPECT_EQ(state.options.iDefaultPoints, pointsAfter);
    }
}

// Guards the order in which a store that marks several games (or none) is resolved, and the decks.
TEST_F(SettingsRegistryTest, ResolvesSeveralMarkedGamesInTheDesignedOrder) {
    // The marks of 8/5 and 9/6 Jacks or Better, Deuces Wild and Joker Poker; none leaves the game as it was.
    const std::pair<const char*, GameType> rows[] = {{"TTTT", GameType::JacksOrBetter85},
                                                     {"FTTT", GameType::JacksOrBetter96},
                                                     {"FFTT", GameType::DeucesWild},
                                                     {"FFFT", GameType::JokerPoker},
                                                     {"FFFF", GameType::JokerPoker}};
    for (const auto& [marks, game] : rows) {
        SCOPED_TRACE(marks);
        const char* keys[] = {"JacksOrBetter", "JacksOrBetter96", "DeucesWild", "JokerPoker"};
        for (int i = 0; i < 4; ++i)
            f.settings.set("Options", keys[i], marks[i] == 'T' ? "True" : "False");
        state.setGame(GameType::JokerPoker);
        load();
        EXPECT_EQ(registry.loadChoseAGame(), std::string(marks) != "FFFF");
        EXPECT_EQ(state.game(), game);
    }
    f.settings.set("Options", "RedDeck", "False");
    f.settings.set("Options", "BlueDeck", "False");
    load();
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
    std::string saved;
    for (const std::string& line : f.log.matching("setting "))
        saved += line.substr(8) + "; ";
    EXPECT_EQ(
        saved,
        "Options/LoadLastGame=False; Options/JacksOrBetter=False; Options/JacksOrBetter96=False; "
        "Options/JokerPoker=True; Options/DeucesWild=False; Options/DoubleUp=True; "
        "Options/SoundEffects=True; Options/RedDeck=False; Options/BlueDeck=True; Options/DefPoints=40; "
        "Strategy/ShowBestHold=False; Strategy/Trainer=False; "
        "PayTables/jb85=; PayTables/jb96=; PayTables/dw=; PayTables/jp=; "
        "RecentFiles/File 1=/home/pat/games/friday.tn2; RecentFiles/Title 1=friday.tn2; "
        "RecentFiles/File 2=-; RecentFiles/Title 2=-; RecentFiles/File 3=-; RecentFiles/Title 3=-; "
        "RecentFiles/File 4=-; RecentFiles/Title 4=-; Display/Scale=100; "
        "MainWindow/WindowState=0; MainWindow/Top=2250; MainWindow/Left=1500; ");

    f.view.setWindowState(1);
    f.view.setWindowPosition(-32000, -32000);
    state.options.iDefaultPoints = 20;
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.settings.value("Options", "DefPoints"), "20");
    EXPECT_EQ(f.settings.value("MainWindow", "Left"), "1500");
    EXPECT_EQ(f.settings.value("MainWindow", "WindowState"), "0");
}

// Guards the Strategy options in their own section (their "False" and place are in the saved text above):
// loaded, saved as "True", and a hand-edited value that is no Boolean named to the player and leaving its
// option off.
TEST_F(SettingsRegistryTest, StrategyOptionsHaveTheirOwnSection) {
    f.settings.set("Strategy", "ShowBestHold", "true");
    f.settings.set("Strategy", "Trainer", "sometimes");
    state.options.Trainer = true;
    load();
    EXPECT_TRUE(state.options.ShowBestHold);
    EXPECT_FALSE(state.options.Trainer);
    EXPECT_EQ(f.messages.shown(), std::vector<std::string>{"Tandora|48|The saved setting Strategy/Trainer is "
                                                           "\"sometimes\", which is neither True nor False. "
                                                           "Trainer stays off."});
    state.options.ShowBestHold = false;
    state.options.Trainer = true;
    registry.SaveGetRegEntries(SettingsMode::Save);
    EXPECT_EQ(f.settings.value("Strategy", "Trainer"), "True");
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
    EXPECT_EQ(f.log.matching("setting").size(), 9u + 1u + 2u + 4u + 8u + 1u + 3u);
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_FALSE(registry.save("Bank", "Credits", "5"));
}

} // namespace
} // namespace tandora
