#include <gtest/gtest.h>

#include <algorithm>

#include "tests/gamefiles/fake_table.h"
#include "tests/gamefiles/game_file_samples.h"
#include "tests/support/printers.h"

namespace tandora {

void PrintTo(const GameFileRecord& record, std::ostream* os) {
    *os << writeGameFile(record);
}

namespace {

// A table of fakes whose New Game only counts how often it ran.
struct Files : testing_support::FakeTable {
    Files() {
        files.setRestartHandler([this] { ++restarts; });
    }

    // The lines about messages, answers, files and the caption from index from on: what the player is
    // asked and told.
    std::string talkFrom(std::size_t from) const {
        std::string text;
        for (std::size_t i = from; i < f.log.size(); ++i) {
            const std::string& line = f.log.lines()[i];
            for (const char* prefix : {"message", "answer", "file", "caption"}) {
                if (line.rfind(prefix, 0) == 0)
                    text.append(line).append("\n");
            }
        }
        return text;
    }

    // The whole state after opening the sample file at path: as saved, first in the recent list.
    void expectTheSampleOpenedAs(const std::string& path, const std::string& title) {
        GameState expected = testing_support::sampleState();
        expected.RecentPaths[0] = path;
        expected.RecentTitles[0] = title;
        expected.GameFile = path;
        expected.GameTitle = title;
        expected.PendingAction = PendingActions::OpenGame;
        EXPECT_EQ(testing_support::stateText(s), testing_support::stateText(expected));
    }

    int restarts = 0;
};

class GameFilesTest : public ::testing::Test, protected Files {};

using testing_support::fileOf;
using testing_support::lines;
using testing_support::sampleLines;
using testing_support::stateText;

const std::string Documents = "/home/player/Documents";
const std::string NotValid = "\r\n\r\nNot a valid Tandora game file or the file is corrupt.";

const char* const Asked = "message Tandora: Do you want to save the current game?\n";
const std::string SaveYes = std::string(Asked) + "answer Yes\nfile dialog save Save Game -> ";
const std::string DoubleUpAsked =
    "message Tandora: You cannot save the current game until you finish this Double Up. \r\nDo you want to ";

// Guards the question before a changed game is replaced: its texts, buttons and what each answer does,
// including a save that is cancelled or fails.
TEST_F(GameFilesTest, SaveQuestionAnswersDecideThePendingAction) {
    struct Row {
        bool doubleUp;
        int pending, answer;
        std::optional<std::string> savedAs;
        const char* writeError;
        bool goesOn;
        std::string talk;
    };
    const Row rows[] = {
        {false, 1, MsgAnswer::Yes, "/g/a.tn2", "", true,
         SaveYes + "/g/a.tn2\nfile write /g/a.tn2\ncaption Tandora - a.tn2\n"},
        {false, 2, MsgAnswer::Yes, std::nullopt, "", false, SaveYes + "cancel\n"},
        {false, 3, MsgAnswer::Yes, "/g/a.tn2", "Disk full", false,
         SaveYes +
             "/g/a.tn2\nfile write /g/a.tn2 failed\nmessage Open or Save Game: /g/a.tn2\r\n\r\nDisk full\n"},
        {false, 3, MsgAnswer::No, std::nullopt, "", true, std::string(Asked) + "answer No\n"},
        {false, 1, MsgAnswer::Cancel, std::nullopt, "", false, std::string(Asked) + "answer Cancel\n"},
        {true, 1, MsgAnswer::Yes, std::nullopt, "", true,
         DoubleUpAsked + "start a New game anyway?\nanswer Yes\n"},
        {true, 2, MsgAnswer::No, std::nullopt, "", false,
         DoubleUpAsked + "Open a different game anyway?\nanswer No\n"},
        {true, 3, MsgAnswer::Yes, std::nullopt, "", true, DoubleUpAsked + "Exit anyway?\nanswer Yes\n"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.talk);
        Files t;
        t.s.bChange = true;
        t.s.DoubleUpPending = r.doubleUp;
        t.s.PendingAction = r.pending;
        t.f.messages.answer({r.answer});
        t.f.fileDialogs.answer(r.savedAs);
        if (*r.writeError)
            t.f.files.failWrites(r.writeError);
        EXPECT_EQ(t.files.CheckForChange(), r.goesOn);
        EXPECT_EQ(t.talkFrom(0), r.talk);
        EXPECT_EQ(t.f.messages.shown().front().substr(0, 11), r.doubleUp ? "Tandora|36|" : "Tandora|35|");
        EXPECT_EQ(t.s.bChange, !r.savedAs || *r.writeError) << "only a save clears the changes";
    }
}

// Guards an unchanged game: New, Open and Exit go ahead without a question.
TEST_F(GameFilesTest, UnchangedGameGoesAheadUnasked) {
    files.GameMenu_NewGame_Click();
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(s.Restarting);
    EXPECT_TRUE(f.messages.shown().empty());
}

// Guards the restored table: the file's game, deck, options, cards, holds and counters, the controls of a
// hand waiting for the draw (Cash Out off while it is open), nothing left of the last hand, and the name.
TEST_F(GameFilesTest, OpeningRestoresTheTable) {
    s.setGame(GameType::DeucesWild);
    s.WinStrip = HandCategory::Flush;
    s.GameOverShown = true;
    s.holdCosts.credits = 12.5;
    ctx.show();
    f.files.put("/g/dw.tn2", fileOf(sampleLines()));
    f.fileDialogs.answer("/g/dw.tn2");
    const std::size_t from = f.log.size();
    files.GameMenu_OpenGame_Click();
    EXPECT_EQ(f.log.textFrom(from),
              lines({"file dialog open Open Game -> /g/dw.tn2",
                     "pointer busy",
                     "deck blue",
                     "card 1 2h",
                     "label 1 HELD",
                     "card 2 2d",
                     "label 2 HELD",
                     "card 3 4c",
                     "card 4 5s",
                     "card 5 Ks",
                     "positions 11111",
                     "deal Draw on",
                     "credits 1234",
                     "coins 5",
                     "strip none",
                     "game over off",
                     "add credits hint off",
                     "marks doubleup off sound on lastgame off besthold off trainer off",
                     "pointer default",
                     "caption Tandora - dw.tn2",
                     "recent 1 &1 /g/dw.tn2"}));
    expectTheSampleOpenedAs("/g/dw.tn2", "dw.tn2");
    EXPECT_EQ(s.holdCosts.credits, 0) << "an opened game counts the cost of its holds afresh";
}

// Guards Cash Out after opening a game between hands: on with credits and no coins bet, as after any
// finished hand; off with a coin bet, whatever the file says of its buttons.
TEST_F(GameFilesTest, GameBetweenHandsOpensWithCashOutAsAnyOther) {
    for (const char* coins : {"0", "1"}) {
        std::vector<std::string> between = sampleLines();
        // Lines 10 to 16: the hand over, the bet buttons on (line 11 claims Deal is off); 21: holds off.
        const auto over =
            testing_support::splitAt('|', std::string("2|False|Deal|") + coins + "|True|Won 0|True");
        std::copy(over.begin(), over.end(), between.begin() + 9);
        between[20] = "False";
        f.files.put("/g/between.tn2", fileOf(between));
        ASSERT_TRUE(files.OpenOrSaveFile("/g/between.tn2", FileMode::Read));
        EXPECT_EQ(f.view.scene().cashOutEnabled, *coins == '0');
        EXPECT_EQ(f.view.scene().dealEnabled, *coins == '1');
    }
}

// Guards the sound option on a machine without a device: the player's option stays, nothing plays.
TEST_F(GameFilesTest, NoSoundDeviceKeepsTheOption) {
    f.sound.setDevices(0);
    s.options.SoundEffects = false;
    f.files.put("/g/dw.tn2", fileOf(sampleLines()));
    ASSERT_TRUE(files.OpenOrSaveFile("/g/dw.tn2", FileMode::Read));
    EXPECT_FALSE(s.options.SoundEffects);
    EXPECT_FALSE(s.SoundOn);
}

// Guards a game played by a table of the player's own: it opens with that table in play and named, saves
// with line 43 kept byte for byte, and a designed game opened after it plays its designed table again.
TEST_F(GameFilesTest, LineFortyThreeOpensAndSavesTheTable) {
    auto lines = sampleLines();
    lines.emplace_back("PayTable=250,200,25,16,10,4,4,3,2,1,4000");
    f.files.put("/g/nsu.tn2", fileOf(lines));
    f.files.put("/g/dw.tn2", fileOf(sampleLines()));
    ASSERT_TRUE(files.OpenOrSaveFile("/g/nsu.tn2", FileMode::Read));
    EXPECT_TRUE(deriveTable(s).caption.ends_with(" - Deuces Wild Not So Ugly")) << deriveTable(s).caption;
    ASSERT_TRUE(files.OpenOrSaveFile("/g/saved.tn2", FileMode::Write));
    EXPECT_EQ(f.files.contents("/g/saved.tn2"), fileOf(lines));
    ASSERT_TRUE(files.OpenOrSaveFile("/g/dw.tn2", FileMode::Read));
    EXPECT_FALSE(s.chosenTable());
}

// Guards bad files and paths: the player is told, the game, its name and the recent list stay.
TEST_F(GameFilesTest, RefusedFilesLeaveTheGame) {
    f.files.put("/g/bad.tn2", "GamePlay=DeucesWild\r\n");
    f.files.put("/g/good.tn2", fileOf(sampleLines()));
    const std::string before = stateText(s);
    EXPECT_FALSE(files.IsValidGameFile("/g/bad.tn2"));
    EXPECT_TRUE(files.IsValidGameFile("/g/good.tn2")) << "and checking it changes nothing";
    for (const char* path : {"/g/bad.tn2", "/g/gone.tn2"}) {
        f.fileDialogs.answer(path);
        files.GameMenu_OpenGame_Click();
    }
    files.GameMenu_OpenGame_Click(); // cancelled
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{"Open Game|48|/g/bad.tn2" + NotValid,
                                        "Open Game|48|/g/gone.tn2\r\n\r\nFile not found."}));
    s.PendingAction = 0;
    EXPECT_EQ(stateText(s), before);
    EXPECT_TRUE(f.log.matching("caption").empty());
}

// Guards Save Game: the first save asks for a name in the dialog the player expects, later ones do not.
TEST_F(GameFilesTest, SaveNamesTheGameOnce) {
    f.fileDialogs.answer(Documents + "/g.tn2");
    files.GameMenu_SaveGame_Click();
    const FileDialogRequest& asked = f.fileDialogs.requests().at(0);
    EXPECT_EQ(asked.title, "Save Game");
    EXPECT_EQ(asked.initialFolder, Documents);
    EXPECT_EQ(asked.defaultSuffix, "tn2");
    ASSERT_EQ(asked.filters.size(), 3u);
    EXPECT_EQ(asked.filters[0].description + asked.filters[0].pattern, "Game Files (*.tn2)*.tn2");
    EXPECT_EQ(asked.filters[1].description + asked.filters[1].pattern, "Version 1.0 (*.tnd)*.tnd");
    EXPECT_EQ(asked.filters[2].description + asked.filters[2].pattern, "All Files (*.*)*.*");
    s.vPoints = 77;
    s.bChange = true;
    files.GameMenu_SaveGame_Click();
    EXPECT_EQ(f.fileDialogs.requests().size(), 1u);
    EXPECT_FALSE(s.bChange);
    EXPECT_EQ(parseGameFile(f.files.contents(Documents + "/g.tn2")).value().vPoints, 77);
    EXPECT_EQ(f.view.scene().caption, "Tandora - g.tn2");
    EXPECT_EQ(s.RecentPaths[1], "-") << "saving the same file again does not list it twice";
}

// Guards a failing save: the old file is whole, the changes are kept, the player learns why.
TEST_F(GameFilesTest, FailedSaveKeepsOldFileAndChanges) {
    f.files.put("/g/old.tn2", "the old game");
    f.files.failWrites("No space left on device");
    f.fileDialogs.answer("/g/old.tn2");
    s.bChange = true;
    files.GameMenu_SaveGameAs_Click();
    EXPECT_EQ(f.files.contents("/g/old.tn2"), "the old game");
    EXPECT_TRUE(s.bChange);
    EXPECT_EQ(files.LastFileError, FileErrors::NotSaved);
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{"Open or Save Game|48|/g/old.tn2\r\n\r\nNo space left on device"}));
    s.DoubleUpPending = true;
    files.GameMenu_SaveGameAs_Click();
    EXPECT_EQ(f.fileDialogs.requests().size(), 1u) << "nothing is saved during a Double Up";
}

// Guards the recent list: newest first, four at most, a file opened twice listed twice, the dialogs
// starting in the last file's folder.
TEST_F(GameFilesTest, RecentListKeepsTheLastFour) {
    for (const char* name : {"a", "b", "c", "d", "e", "e"}) {
        f.files.put(std::string("/g/") + name + ".tn2", fileOf(sampleLines()));
        f.fileDialogs.answer(std::string("/g/") + name + ".tn2");
        files.GameMenu_OpenGame_Click();
        if (*name == 'a') {
            EXPECT_EQ(f.view.scene().recentFiles, (std::array<std::string, 4>{"&1 /g/a.tn2", "", "", ""}));
        }
    }
    EXPECT_EQ(s.RecentPaths, (std::array<std::string, 4>{"/g/e.tn2", "/g/e.tn2", "/g/d.tn2", "/g/c.tn2"}));
    EXPECT_EQ(f.view.scene().recentFiles[3], "&4 /g/c.tn2");
    EXPECT_EQ(f.fileDialogs.requests().front().initialFolder, Documents);
    EXPECT_EQ(f.fileDialogs.requests().back().initialFolder, "/g/");
}

// Guards choosing a recent file: the save question first, a missing file reported, the chosen file on top.
TEST_F(GameFilesTest, ChoosingARecentFile) {
    s.RecentPaths = {"/g/1.tn2", "/g/2.tn2", "/g/3.tn2", "-"};
    s.RecentTitles = {"1.tn2", "2.tn2", "Three", "-"};
    f.files.put("/g/3.tn2", fileOf(sampleLines()));
    s.bChange = true;
    f.messages.answer({MsgAnswer::Cancel, MsgAnswer::No});
    files.mnuFileList_Click(3);
    EXPECT_EQ(s.vPoints, 0) << "cancelled";
    files.mnuFileList_Click(3);
    EXPECT_EQ(s.vPoints, 1234);
    EXPECT_EQ(f.view.scene().caption, "Tandora - Three");
    EXPECT_EQ(s.RecentPaths, (std::array<std::string, 4>{"/g/3.tn2", "/g/1.tn2", "/g/2.tn2", "-"}));
    files.mnuFileList_Click(2);
    EXPECT_EQ(f.messages.shown().back(), "Open Game|48|/g/1.tn2\r\n\r\nFile not found.");
    EXPECT_EQ(s.RecentPaths[0], "/g/3.tn2");
}

// Guards the file opened at start: the command line (through the recent list when listed there) or the
// last game, and the messages for files that are not there.
TEST_F(GameFilesTest, StartupOpensTheRightFile) {
    struct Row {
        std::optional<std::string> commandLine;
        bool loadLastGame;
        const char *firstRecent, *caption, *message, *topAfter;
    };
    const std::string Gone = "Open Game|48|/g/gone.tn2\r\n\r\nFile not found.";
    const Row rows[] = {{"/g/3.tn2", false, "/g/1.tn2", "Tandora - Three", "", "/g/3.tn2"},
                        {"/g/new.tn2", true, "/g/1.tn2", "Tandora - new.tn2", "", "/g/new.tn2"},
                        {"/g/gone.tn2", false, "/g/1.tn2", "", Gone.c_str(), "/g/1.tn2"},
                        {std::nullopt, true, "/g/1.tn2", "Tandora - One", "", "/g/1.tn2"},
                        {std::nullopt, true, "-", "", "", "-"},
                        {std::nullopt, true, "/g/gone.tn2", "", Gone.c_str(), "/g/gone.tn2"},
                        {std::nullopt, false, "/g/1.tn2", "", "", "/g/1.tn2"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.commandLine.value_or("no file named") + " first recent " + r.firstRecent);
        Files t;
        t.s.RecentPaths = {r.firstRecent, "/g/2.tn2", "/g/3.tn2", "-"};
        t.s.RecentTitles = {"One", "Two", "Three", "-"};
        for (const char* path : {"/g/1.tn2", "/g/3.tn2", "/g/new.tn2"})
            t.f.files.put(path, fileOf(sampleLines()));
        t.s.options.LoadLastGame = r.loadLastGame;
        t.s.bChange = true; // a listed command-line file opens without a question
        t.files.setStartupFile(r.commandLine);
        t.files.openStartupFile();
        EXPECT_EQ(t.f.view.scene().caption, *r.caption ? r.caption : "Tandora - [untitled]");
        EXPECT_EQ(t.f.messages.shown().empty() ? std::string() : t.f.messages.shown().front(), r.message);
        EXPECT_EQ(t.s.RecentPaths[0], r.topAfter);
    }
}

} // namespace
} // namespace tandora
