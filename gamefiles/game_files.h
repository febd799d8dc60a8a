#pragma once

#include <functional>
#include <optional>
#include <string>

#include "gamefiles/game_file.h"
#include "gamefiles/recent_files.h"
#include "platform/file_dialogs.h"
#include "table/game_selection.h"

namespace tandora {

enum class FileMode { Read = 1, Write = 2 };

// What the last Save Game left behind, for CheckForChange to decide whether the pending action goes on.
namespace FileErrors {
inline constexpr int None = 0;
// The player cancelled the file dialog, as the classic dialog reported it.
inline constexpr int DialogCancelled = 32755;
// The file system refused the file ("Path/File access error").
inline constexpr int NotSaved = 75;
} // namespace FileErrors

// The Game menu's New, Open and Save commands, the recent files, the start-up file, and the question
// about unsaved changes before anything replaces the game.
class GameFiles {
public:
    GameFiles(TableContext context, GameSelection& games);

    // Runs the table's set-up again for a new game.
    void setRestartHandler(std::function<void()> handler) { restart_ = std::move(handler); }
    // The game file named on the command line, opened at start-up.
    void setStartupFile(std::optional<std::string> path) { startupFile_ = std::move(path); }

    // True when the pending action (New, Open, Exit) may go on.
    bool CheckForChange();
    void GameMenu_NewGame_Click();
    void GameMenu_OpenGame_Click();
    void GameMenu_SaveGame_Click();
    void GameMenu_SaveGameAs_Click();
    void GameMenu_LoadLastFile_Click();
    void mnuFileList_Click(int Index);
    // A game file another copy of the program was started with: opened as Open Game opens one.
    void openHandedFile(const std::string& path);
    // At first start: the command line's file, or the last game when the player asked for it.
    void openStartupFile();

    // Reads or writes the game. A file is applied only when all of it is good; otherwise the player is
    // told and the game stays as it was. True on success.
    bool OpenOrSaveFile(const std::string& path, FileMode mode);
    bool IsValidGameFile(const std::string& path);

    int LastFileError = FileErrors::None;

private:
    struct ReadOutcome {
        std::optional<GameFileRecord> record;
        bool found = true;
    };
    ReadOutcome readFile(const std::string& path) const;
    bool readInto(const std::string& path);
    bool write(const std::string& path);
    void apply(const GameFileRecord& record);

    void openNamed(const std::string& path);
    void openRecent(int Index);
    void saveAs(const char* title);
    void nameTheGame(const std::string& path, const std::string& name);
    FileDialogRequest dialogRequest(const char* title, bool saving) const;
    void tellPlayer(const std::string& path, const char* problem) const;

    TableContext ctx_;
    GameSelection& games_;
    RecentFiles recent_;
    std::function<void()> restart_;
    std::optional<std::string> startupFile_;
    // Where the file dialogs start: the folder of the last file opened or saved.
    std::string dialogFolder_;
};

} // namespace tandora
