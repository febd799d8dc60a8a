#include <gtest/gtest.h>

#include <tuple>

#include "tests/gamefiles/fake_table.h"
#include "tests/gamefiles/game_file_samples.h"
#include "tests/support/printers.h"

namespace tandora {

namespace {

// The game files' commands on a table of fakes.
struct Files : testing_support::FakeTable {
    // The lines about messages, answers, files and the caption: what the player is asked and told.
    std::string talk() const {
        std::string text;
        for (const std::string& line : f.log.lines())
            for (const char* prefix : {"message", "answer", "file", "caption"})
                text += line.starts_with(prefix) ? line + "\n" : "";
        return text;
    }
};

class GameFilesTest : public ::testing::Test, protected Files {};

using testing_support::fileOf;
using testing_support::sampleLines;
using testing_support::stateText;

const std::string Documents = "/home/player/Documents";

const char* const Asked = "message Tandora: Do you want to save the current game?\n";
const std::string SaveYes = std::string(Asked) + "answer Yes\nfile dialog save Save Game -> ";
const std::string DoubleUpAsked =
    "message Tandora: You cannot save the current game until you finish this Double Up. \r\nDo you want to ";

// Guards the question before a changed game is replaced: its texts, buttons and what each answer does,
// including a save that is cancelled or fails.
TEST_F(GameFilesTest, SaveQuestionAnswersDecideThePendingAction) {
    // A Double Up pending, the action, the answer, the file chosen, the write's error; goes on, the talk.
    using Row = std::tuple<bool, int, int, std::optional<std::string>, std::string, bool, std::string>;
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
    for (const auto& [doubleUp, pending, answer, savedAs, writeError, goesOn, talk] : rows) {
        SCOPED_TRACE(talk);
        Files t;
        t.s.bChange = true;
        t.s.DoubleUpPending = doubleUp;
        t.s.PendingAction = pending;
        t.f.messages.answer({answer});
        t.f.fileDialogs.answer(savedAs);
        if (!writeError.empty())
            t.f.files.failWrites(writeError);
        EXPECT_EQ(t.files.CheckForChange(), goesOn);
        EXPECT_EQ(t.talk(), talk);
        EXPECT_EQ(t.f.messages.shown().front().substr(0, 11), doubleUp ? "Tandora|36|" : "Tandora|35|");
        EXPECT_EQ(t.s.bChange, !savedAs || !writeError.empty()) << "only a save clears the changes";
    }
}

// Guards the restored table: the file's game, deck, options, cards, holds and counters, nothing left of the
// last hand or its Double Up, the name and the recent list, and the busy pointer while it loads; on a
// machine without a sound device the player's sound option stays and nothing plays. (That the table shows
// the opened game, and the file's sound option where there is a device, is the fuzz loop's.)
TEST_F(GameFilesTest, OpeningRestoresTheTable) {
    f.sound.setDevices(0);
    s.options.SoundEffects = false;
    s.setGame(GameType::DeucesWild);
    s.WinStrip = HandCategory::Flush;
    s.GameOverShown = s.DoubleUpOffered = s.DoubleUpPending = true;
    s.holdCosts.credits = 12.5;
    f.files.put("/g/dw.tn2", fileOf(sampleLines()));
    f.fileDialogs.answer("/g/dw.tn2");
    files.GameMenu_OpenGame_Click();
    EXPECT_EQ(f.log.matching("pointer"), (std::vector<std::string>{"pointer busy", "pointer default"}));
    GameState expected = testing_support::sampleState();
    expected.RecentPaths[0] = expected.GameFile = "/g/dw.tn2";
    expected.RecentTitles[0] = expected.GameTitle = "dw.tn2";
    expected.PendingAction = PendingActions::OpenGame;
    expected.options.SoundEffects = expected.SoundOn = false;
    EXPECT_EQ(stateText(s), stateText(expected));
    EXPECT_EQ(s.holdCosts.credits, 0) << "an opened game counts the cost of its holds afresh";
}

// Guards a game played by a table of the player's own: it opens named after that table. (That the table
// is in play, and a designed game opened after it plays its designed one, is the fuzz loop's.)
TEST_F(GameFilesTest, LineFortyThreeOpensTheTableByName) {
    auto lines = sampleLines();
    lines.emplace_back("PayTable=250,200,25,16,10,4,4,3,2,1,4000");
    f.files.put("/g/nsu.tn2", fileOf(lines));
    ASSERT_TRUE(files.OpenOrSaveFile("/g/nsu.tn2", FileMode::Read));
    EXPECT_TRUE(deriveTable(s).caption.ends_with(" - Deuces Wild Not So Ugly")) << deriveTable(s).caption;
}

// Guards a bad file: the player is told why (that the game stays is the fuzz loop's; a missing file's
// message is the start-up file's and the recent list's).
TEST_F(GameFilesTest, RefusedFilesAreReported) {
    f.files.put("/g/bad.tn2", "GamePlay=DeucesWild\r\n");
    EXPECT_FALSE(files.IsValidGameFile("/g/bad.tn2"));
    f.fileDialogs.answer("/g/bad.tn2");
    files.GameMenu_OpenGame_Click();
    EXPECT_EQ(f.messages.shown(),
              std::vector<std::string>{
                  "Open Game|48|/g/bad.tn2\r\n\r\nNot a valid Tandora game file or the file is corrupt."});
}

// Guards Save Game: the first save asks for a name in the dialog the player expects, later ones do not.
TEST_F(GameFilesTest, SaveNamesTheGameOnce) {
    f.fileDialogs.answer(Documents + "/g.tn2");
    files.GameMenu_SaveGame_Click();
    const FileDialogRequest& asked = f.fileDialogs.requests().at(0);
    std::string dialog = asked.title + "|" + asked.initialFolder + "|" + asked.defaultSuffix;
    for (const auto& filter : asked.filters)
        dialog += "|" + filter.description + filter.pattern;
    EXPECT_EQ(dialog, "Save Game|" + Documents +
                          "|tn2|Game Files (*.tn2)*.tn2|Version 1.0 (*.tnd)*.tnd|All Files (*.*)*.*");
    s.vPoints = 77;
    s.bChange = true;
    files.GameMenu_SaveGame_Click();
    EXPECT_EQ(f.fileDialogs.requests().size(), 1u);
    EXPECT_FALSE(s.bChange);
    EXPECT_EQ(parseGameFile(f.files.contents(Documents + "/g.tn2")).value().vPoints, 77);
    EXPECT_EQ(s.RecentPaths[1], "-") << "saving the same file again does not list it twice";
}

// Guards the recent list: newest first, four at most, a file opened twice listed twice, the dialogs
// starting in the last file's folder; a chosen entry comes after the save question, on top, and a missing
// one is reported.
TEST_F(GameFilesTest, RecentListKeepsTheLastFour) {
    for (const char* name : {"a", "b", "c", "d", "e", "e"}) {
        f.files.put(std::string("/g/") + name + ".tn2", fileOf(sampleLines()));
        f.fileDialogs.answer(std::string("/g/") + name + ".tn2");
        files.GameMenu_OpenGame_Click();
    }
    EXPECT_EQ(s.RecentPaths, (std::array<std::string, 4>{"/g/e.tn2", "/g/e.tn2", "/g/d.tn2", "/g/c.tn2"}));
    EXPECT_EQ(s.RecentTitles, (std::array<std::string, 4>{"e.tn2", "e.tn2", "d.tn2", "c.tn2"}));
    EXPECT_EQ(f.fileDialogs.requests().front().initialFolder, Documents);
    EXPECT_EQ(f.fileDialogs.requests().back().initialFolder, "/g/");
    s.RecentPaths = {"/g/1.tn2", "/g/2.tn2", "/g/c.tn2", "-"};
    s.RecentTitles = {"1.tn2", "2.tn2", "Three", "-"};
    s.bChange = true;
    s.vPoints = 0;
    f.messages.answer({MsgAnswer::Cancel, MsgAnswer::No});
    files.mnuFileList_Click(3);
    EXPECT_EQ(s.vPoints, 0) << "cancelled";
    files.mnuFileList_Click(3);
    EXPECT_EQ(s.vPoints, 1234);
    EXPECT_EQ(f.view.scene().caption, "Tandora - Three");
    EXPECT_EQ(s.RecentPaths, (std::array<std::string, 4>{"/g/c.tn2", "/g/1.tn2", "/g/2.tn2", "-"}));
    files.mnuFileList_Click(2);
    EXPECT_EQ(f.messages.shown().back(), "Open Game|48|/g/1.tn2\r\n\r\nFile not found.");
}

// Guards the file opened at start: the command line (through the recent list when listed there) or the
// last game, and the messages for files that are not there.
TEST_F(GameFilesTest, StartupOpensTheRightFile) {
    // The command line, Load Last Game, the first recent file; the caption, the message, the top file after.
    using Row =
        std::tuple<std::optional<std::string>, bool, const char*, const char*, const char*, const char*>;
    const std::string Gone = "Open Game|48|/g/gone.tn2\r\n\r\nFile not found.";
    const Row rows[] = {{"/g/3.tn2", false, "/g/1.tn2", "Tandora - Three", "", "/g/3.tn2"},
                        {"/g/new.tn2", true, "/g/1.tn2", "Tandora - new.tn2", "", "/g/new.tn2"},
                        {"/g/gone.tn2", false, "/g/1.tn2", "", Gone.c_str(), "/g/1.tn2"},
                        {std::nullopt, true, "/g/1.tn2", "Tandora - One", "", "/g/1.tn2"},
                        {std::nullopt, true, "-", "", "", "-"},
                        {std::nullopt, true, "/g/gone.tn2", "", Gone.c_str(), "/g/gone.tn2"},
                        {std::nullopt, false, "/g/1.tn2", "", "", "/g/1.tn2"}};
    for (const auto& [commandLine, loadLastGame, firstRecent, caption, message, topAfter] : rows) {
        SCOPED_TRACE(commandLine.value_or("no file named") + " first recent " + firstRecent);
        Files t;
        t.s.RecentPaths = {firstRecent, "/g/2.tn2", "/g/3.tn2", "-"};
        t.s.RecentTitles = {"One", "Two", "Three", "-"};
        for (const char* path : {"/g/1.tn2", "/g/3.tn2", "/g/new.tn2"})
            t.f.files.put(path, fileOf(sampleLines()));
        t.s.options.LoadLastGame = loadLastGame;
        t.s.bChange = true; // a listed command-line file opens without a question
        t.files.setStartupFile(commandLine);
        t.files.openStartupFile();
        EXPECT_EQ(t.f.view.scene().caption, *caption ? caption : "Tandora - [untitled]");
        EXPECT_EQ(t.f.messages.shown().empty() ? std::string() : t.f.messages.shown().front(), message);
        EXPECT_EQ(t.s.RecentPaths[0], topAfter);
    }
}

} // namespace
} // namespace tandora
