#include "gamefiles/game_files.h"

#include "platform/file_paths.h"

namespace tandora {

namespace {

constexpr const char* OpenTitle = "Open Game";
constexpr const char* FileNotFound = "File not found.";
constexpr const char* NotAGameFile = "Not a valid Tandora game file or the file is corrupt.";

std::string doubleUpQuestion(int PendingAction) {
    std::string text =
        "You cannot save the current game until you finish this Double Up. \r\nDo you want to ";
    switch (PendingAction) {
    case PendingActions::NewGame: return text + "start a New game anyway?";
    case PendingActions::OpenGame: return text + "Open a different game anyway?";
    default: return text + "Exit anyway?";
    }
}

// Keeps the busy pointer up while a file is read or written, whichever way the work ends.
class BusyPointer {
public:
    explicit BusyPointer(TableView& view) : view_(view) { view_.setBusyPointer(true); }
    ~BusyPointer() { view_.setBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    TableView& view_;
};

} // namespace

GameFiles::GameFiles(TableContext context, GameSelection& games)
    : ctx_(context), games_(games), recent_(context) {}

bool GameFiles::CheckForChange() {
    GameState& s = ctx_.state;
    LastFileError = FileErrors::None;
    if (!s.bChange)
        return true;
    if (s.DoubleUpPending) {
        return ctx_.messageBox(doubleUpQuestion(s.PendingAction), MsgStyle::YesNo + MsgStyle::Question,
                               AppTitle) == MsgAnswer::Yes;
    }
    switch (ctx_.messageBox("Do you want to save the current game?",
                            MsgStyle::YesNoCancel + MsgStyle::Question, AppTitle)) {
    case MsgAnswer::Yes:
        GameMenu_SaveGame_Click();
        // A cancelled dialog or a failed write keeps the game on the table, unsaved changes and all.
        return LastFileError == FileErrors::None;
    case MsgAnswer::No: return true;
    default: return false;
    }
}

void GameFiles::GameMenu_NewGame_Click() {
    GameState& s = ctx_.state;
    s.PendingAction = PendingActions::NewGame;
    if (!CheckForChange())
        return;
    s.Restarting = true;
    // Set-up forgets the game's file, so the new game is saved under a name of its own.
    if (restart_)
        restart_();
}

void GameFiles::GameMenu_OpenGame_Click() {
    ctx_.state.PendingAction = PendingActions::OpenGame;
    if (!CheckForChange())
        return;
    if (const auto path = ctx_.platform.fileDialogs.openFileName(dialogRequest(OpenTitle, false)))
        openNamed(*path);
}

void GameFiles::GameMenu_SaveGame_Click() {
    LastFileError = FileErrors::None;
    if (ctx_.state.DoubleUpPending) {
        // The gamble's outcome is not part of any file; the menu items are greyed meanwhile.
        LastFileError = FileErrors::NotSaved;
        return;
    }
    const std::string file = ctx_.state.GameFile;
    if (file.empty()) {
        saveAs("Save Game");
        return;
    }
    if (!OpenOrSaveFile(file, FileMode::Write))
        LastFileError = FileErrors::NotSaved;
}

void GameFiles::GameMenu_SaveGameAs_Click() {
    LastFileError = FileErrors::None;
    if (ctx_.state.DoubleUpPending) {
        LastFileError = FileErrors::NotSaved;
        return;
    }
    saveAs("Save Game As");
}

void GameFiles::saveAs(const char* title) {
    const auto path = ctx_.platform.fileDialogs.saveFileName(dialogRequest(title, true));
    if (!path) {
        LastFileError = FileErrors::DialogCancelled;
        return;
    }
    if (!OpenOrSaveFile(*path, FileMode::Write)) {
        LastFileError = FileErrors::NotSaved;
        return;
    }
    // A game saved under a new name is that file from now on, as if it had been opened.
    if (*path != ctx_.state.GameFile) {
        nameTheGame(*path, GetFileName(*path));
        recent_.UpdateRecentFiles(GetFileName(*path), *path);
    }
}

void GameFiles::GameMenu_LoadLastFile_Click() {
    GameOptions& o = ctx_.state.options;
    o.LoadLastGame = !o.LoadLastGame;
    ctx_.show();
}

void GameFiles::mnuFileList_Click(int Index) {
    if (Index < 1 || Index > RecentFileEntries)
        return;
    ctx_.state.PendingAction = PendingActions::OpenGame;
    if (CheckForChange())
        openRecent(Index);
}

void GameFiles::openHandedFile(const std::string& path) {
    ctx_.state.PendingAction = PendingActions::OpenGame;
    if (CheckForChange())
        openNamed(path);
}

void GameFiles::openStartupFile() {
    const GameState& s = ctx_.state;
    if (!startupFile_) {
        // An empty entry ("-") is no file, and no message either.
        if (s.options.LoadLastGame)
            openRecent(1);
        return;
    }
    for (int i = 1; i <= RecentFileEntries; ++i) {
        if (s.RecentPaths[static_cast<std::size_t>(i - 1)] == *startupFile_) {
            ctx_.state.bChange = false;
            mnuFileList_Click(i);
            return;
        }
    }
    openNamed(*startupFile_);
}

void GameFiles::openNamed(const std::string& path) {
    if (!OpenOrSaveFile(path, FileMode::Read))
        return;
    nameTheGame(path, GetFileName(path));
    recent_.UpdateRecentFiles(GetFileName(path), path);
}

void GameFiles::openRecent(int Index) {
    const auto i = static_cast<std::size_t>(Index - 1);
    const std::string path = ctx_.state.RecentPaths[i];
    const std::string title = ctx_.state.RecentTitles[i];
    if (!isRecentFile(path) || !OpenOrSaveFile(path, FileMode::Read))
        return;
    nameTheGame(path, title);
    // The game just opened is the last one played, which Load Last Game reopens.
    recent_.moveToTop(Index);
}

void GameFiles::nameTheGame(const std::string& path, const std::string& name) {
    ctx_.state.GameFile = path;
    ctx_.state.GameTitle = name;
    dialogFolder_ = GetFilePath(path);
    ctx_.show();
}

bool GameFiles::OpenOrSaveFile(const std::string& path, FileMode mode) {
    return mode == FileMode::Read ? readInto(path) : write(path);
}

bool GameFiles::IsValidGameFile(const std::string& path) {
    BusyPointer busy(ctx_.view());
    return readFile(path).record.has_value();
}

GameFiles::ReadOutcome GameFiles::readFile(const std::string& path) const {
    const FileSystem& files = ctx_.platform.files;
    if (!files.exists(path))
        return {std::nullopt, false};
    const ReadResult read = files.readAll(path, MaxGameFileBytes);
    if (!read.ok)
        return {};
    return {parseGameFile(read.bytes), true};
}

bool GameFiles::readInto(const std::string& path) {
    std::optional<GameFileRecord> record;
    {
        BusyPointer busy(ctx_.view());
        ReadOutcome outcome = readFile(path);
        if (!outcome.found) {
            tellPlayer(path, FileNotFound);
            return false;
        }
        record = std::move(outcome.record);
        if (record)
            apply(*record);
    }
    if (!record)
        tellPlayer(path, NotAGameFile);
    return record.has_value();
}

bool GameFiles::write(const std::string& path) {
    FileResult result;
    {
        BusyPointer busy(ctx_.view());
        const TableScene table = deriveTable(ctx_.state);
        const TableButtons buttons{.dealEnabled = table.dealEnabled,
                                   .bet1Enabled = table.bet1Enabled,
                                   .maxBetEnabled = table.maxBetEnabled,
                                   .holdsEnabled = table.positionsEnabled[0]};
        result = ctx_.platform.files.writeAtomically(path, writeGameFile(recordOf(ctx_.state, buttons)));
    }
    if (!result.ok) {
        // The old file is still whole; the game keeps its unsaved changes.
        ctx_.messageBox(path + "\r\n\r\n" + result.error, MsgStyle::Exclamation, "Open or Save Game");
        return false;
    }
    ctx_.state.bChange = false;
    return true;
}

// The file's game, options, hand and statistics; what the table shows follows from them, so the buttons
// the file records are checked when it is read but not applied.
void GameFiles::apply(const GameFileRecord& r) {
    GameState& s = ctx_.state;
    GameOptions& o = s.options;
    o.DoubleUpOn = r.DoubleUpOn;
    o.deck = r.deck;
    // Without an output device the player's sound option stays as it was, and nothing plays.
    if (ctx_.platform.sound.waveOutGetNumDevs() > 0)
        o.SoundEffects = r.SoundEffects;
    s.SoundOn = ctx_.platform.sound.waveOutGetNumDevs() > 0 && o.SoundEffects;
    o.iDefaultPoints = r.iDefaultPoints;
    // The file's game and table, even when the game in play has a hand under way: the file opens as saved.
    o.payTables[static_cast<std::size_t>(r.game)] = r.payTable;
    games_.layTable(r.game);

    s.vAmtPlayed = r.vAmtPlayed;
    s.CreditsIn = r.CreditsIn;
    s.HandState = r.HandState;
    s.CoinsBet = r.CoinsBet;
    s.PaidAmount = r.PaidAmount;
    s.vHandsPlayed = r.vHandsPlayed;
    s.vHandsWon = r.vHandsWon;
    s.vAmtWon = r.vAmtWon;
    s.Held = r.Held;
    if (r.HandCounts)
        s.HandCounts = *r.HandCounts;
    // Game files do not keep what the holds cost, so an opened game counts it afresh.
    s.holdCosts = {};
    s.vPoints = r.vPoints;
    s.Hand =
        r.Hand.value_or(tandora::Hand{CardBackCode, CardBackCode, CardBackCode, CardBackCode, CardBackCode});
    // A file never holds a gamble under way, nor the marks of a finished hand.
    s.DoubleUpOffered = false;
    s.DoubleUpPending = false;
    s.GameOverShown = false;
    s.bChange = false;
    ctx_.showAndRepaint();
}

FileDialogRequest GameFiles::dialogRequest(const char* title, bool saving) const {
    return {.title = title,
            .filters = {{"Game Files (*.tn2)", "*.tn2"},
                        {"Version 1.0 (*.tnd)", "*.tnd"},
                        {"All Files (*.*)", "*.*"}},
            .initialFolder = dialogFolder_.empty() ? ctx_.platform.desktop.documentsFolder() : dialogFolder_,
            .defaultSuffix = saving ? "tn2" : ""};
}

void GameFiles::tellPlayer(const std::string& path, const char* problem) const {
    ctx_.messageBox(path + "\r\n\r\n" + problem, MsgStyle::Exclamation, OpenTitle);
}

} // namespace tandora
