#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"
#include "platform/splash_view.h"

namespace tandora::testing_support {

// One transcript shared by every fake, so a test reads the order of everything the logic did.
class Transcript {
public:
    void add(const std::string& line) { lines_.push_back(line); }
    const std::vector<std::string>& lines() const { return lines_; }
    // Lines that start with prefix, in order.
    std::vector<std::string> matching(const std::string& prefix) const;
    // The lines from index on, one per line: compared as text, a failing test prints a readable diff.
    std::string textFrom(std::size_t index) const;
    std::size_t size() const { return lines_.size(); }
    void clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

// A fake that writes to the shared transcript.
struct Logged {
    explicit Logged(Transcript& log) : log_(log) {}
    Transcript& log_;
};

// Expected transcript lines joined the way Transcript::textFrom joins them.
std::string lines(std::initializer_list<std::string> expected);

// The table as a test reads it: every scene shown is compared with the last one and each change written to
// the transcript as one line ("card 2 Kh", "credits 75", "deal Draw on"), so a hand reads as what the
// player saw, in order.
class FakeTableView : public TableView, Logged {
public:
    using Logged::Logged;

    void show(const TableScene& scene) override;
    void showPressed(Button button, bool pressed) override;
    void setBusyPointer(bool busy) override { log_.add((busy_ = busy) ? "pointer busy" : "pointer default"); }
    void setWindowState(int state) override;
    int windowState() const override { return windowState_; }
    void setWindowPosition(double left, double top) override;
    double windowLeft() const override { return left_; }
    double windowTop() const override { return top_; }
    void setTableScale(int percent) override { scale_ = percent; }
    int tableScale() const override { return scale_; }
    int windowWidthTwips() const override;
    int windowHeightTwips() const override;
    void repaint() override;
    void showWindow() override { log_.add((shown_ = true) ? "window show" : ""); }
    void closeWindow() override { log_.add("window close"); }

    // The last scene shown: what the player sees now.
    const TableScene& scene() const { return scene_; }
    int scenes() const { return scenes_; }
    // Runs inside the next repaint, as an event the window would deliver there.
    void duringNextRepaint(std::function<void()> event) { pending_.push_back(std::move(event)); }
    int repaints() const { return repaints_; }
    bool shown() const { return shown_; }
    bool busyPointer() const { return busy_; }
    bool pressed(Button button) const { return pressed_[static_cast<std::size_t>(button)]; }

private:
    TableScene scene_;
    int scenes_ = 0;
    std::deque<std::function<void()>> pending_;
    std::array<bool, 5> pressed_{};
    int windowState_ = 0, scale_ = 100, repaints_ = 0;
    double left_ = 0, top_ = 0;
    bool shown_ = false, busy_ = false;
};

// Message boxes answered from a script; an unscripted box takes its first button (OK or Yes).
class FakeMessageBoxes : public MessageBoxes, Logged {
public:
    using Logged::Logged;
    int messageBox(const std::string& text, int style, const std::string& title) override;
    // The answers (MsgAnswer::Yes, No, Cancel, Ok) of the next boxes, in order.
    void answer(std::initializer_list<int> answers) { answers_.insert(answers_.end(), answers); }
    // Every box shown, as "title|style|text".
    const std::vector<std::string>& shown() const { return shown_; }

private:
    std::deque<int> answers_;
    std::vector<std::string> shown_;
};

// A player's action in a dialog.
struct DialogAction {
    // Wait: until the dialog's work off the interface thread has ended.
    enum class Kind { Type, Press, Wait };
    Kind kind;
    std::string control;
    std::string text;
};
inline DialogAction type(std::string control, std::string text) {
    return {DialogAction::Kind::Type, std::move(control), std::move(text)};
}
inline DialogAction press(std::string button) {
    return {DialogAction::Kind::Press, std::move(button), {}};
}
inline DialogAction waitForWork() {
    return {DialogAction::Kind::Wait, {}, {}};
}

// Dialogs played from scripts, one script per dialog shown. When a script ends with the dialog still open,
// the fake presses its cancel button, as a player closing the window would.
class FakeDialogs : public Dialogs, Logged {
public:
    using Logged::Logged;
    void showModal(DialogLogic& logic) override;
    void script(std::vector<DialogAction> actions) { scripts_.push_back(std::move(actions)); }
    // Forgets the scripts of dialogs that were not shown after all.
    void dropScripts() { scripts_.clear(); }

    // A dialog as it was when it closed.
    struct Shown {
        std::string caption;
        std::map<std::string, std::string> texts;
        std::vector<std::string> selections; // controls whose text was selected, in order
        std::map<std::string, int> pictures; // picture controls and the picture each shows
    };
    const std::vector<Shown>& shown() const { return shown_; }

private:
    std::deque<std::vector<DialogAction>> scripts_;
    std::vector<Shown> shown_;
};

// Open and save dialogs answered from a script; an unscripted dialog is cancelled.
class FakeFileDialogs : public FileDialogs, Logged {
public:
    using Logged::Logged;
    std::optional<std::string> openFileName(const FileDialogRequest& r) override { return next("open", r); }
    std::optional<std::string> saveFileName(const FileDialogRequest& r) override { return next("save", r); }
    void answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    const std::vector<FileDialogRequest>& requests() const { return requests_; }

private:
    std::optional<std::string> next(const char* kind, const FileDialogRequest& request);
    std::deque<std::optional<std::string>> answers_;
    std::vector<FileDialogRequest> requests_;
};

// Files in memory, with failures a test can plant.
class FakeFileSystem : public FileSystem, Logged {
public:
    using Logged::Logged;
    bool exists(const std::string& path) const override { return files_.count(path) != 0; }
    ReadResult readAll(const std::string& path, std::size_t maxBytes) const override;
    FileResult writeAtomically(const std::string& path, const std::string& bytes) override;
    FileResult appendText(const std::string& path, const std::string& text) override;

    void put(const std::string& path, const std::string& bytes) { files_[path] = bytes; }
    std::string contents(const std::string& path) const { return exists(path) ? files_.at(path) : ""; }
    // Every write or append from now on fails with this message; empty lets them succeed again.
    void failWrites(std::string error) { writeError_ = std::move(error); }

private:
    std::map<std::string, std::string> files_;
    std::string writeError_;
};

// The desktop with scripted results for documents and addresses (success unless told otherwise).
class FakeDesktop : public Desktop, Logged {
public:
    using Logged::Logged;
    int openDocument(const std::string& path) override { return next("open document " + path); }
    int openWebAddress(const std::string& address) override { return next("open address " + address); }
    bool startProgram(const std::string& path, const std::vector<std::string>& arguments) override;
    std::string programFolder() const override { return "/opt/tandora"; }
    std::string documentsFolder() const override { return "/home/player/Documents"; }
    std::string systemInformationTool() const override { return informationTool; }
    bool installerKeepsUninstallLog() const override { return keepsUninstallLog; }
    void result(int code) { results_.push_back(code); }
    bool programsStart = true;
    std::string informationTool = "/usr/bin/hardinfo";
    // As on Linux: no uninstall log.
    bool keepsUninstallLog = false;

private:
    int next(const std::string& line);
    std::deque<int> results_;
};

class FakeSettingsStore : public SettingsStore, Logged {
public:
    using Logged::Logged;
    std::string getSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    bool saveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void set(const std::string& section, const std::string& key, const std::string& value) {
        values_[{"Tandora", section, key}] = value;
    }
    std::string value(const std::string& section, const std::string& key) const {
        return values_.at({"Tandora", section, key});
    }
    // A read-only or full store: every write is refused.
    void refuseWrites(bool refuse) { refuseWrites_ = refuse; }
    int writes() const { return writes_; }
    int reads() const { return reads_; }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    bool refuseWrites_ = false;
    int writes_ = 0;
    mutable int reads_ = 0;
};

class FakeClock : public Clock {
public:
    explicit FakeClock(std::uint32_t start = 1000) : now_(start) {}
    // Writes every sleep to the transcript, so a test sees the pauses between pictures and sounds.
    FakeClock(Transcript& log, std::uint32_t start) : now_(start), log_(&log) {}
    std::uint32_t tickCount() const override { return now_; }
    void sleepMs(std::uint32_t ms) override;
    std::uint64_t slept() const { return slept_; }
    // Each sleep advances by at most this much, as a coarse real clock would.
    void setSleepGranularity(std::uint32_t ms) { granularity_ = ms; }

private:
    std::uint32_t now_, granularity_ = 0;
    Transcript* log_ = nullptr;
    std::uint64_t slept_ = 0;
};

// Random numbers for the cards: queued cards come first, then a seeded generator.
class FakeRandom : public UniformSource {
public:
    explicit FakeRandom(std::uint64_t seed) : fallback_(seed) {}
    double nextUniform() override;
    // The next draws give these codes in a deck of count codes starting at first.
    void cards(std::initializer_list<int> codes, DeckParams deck = {52, 1}) {
        for (const int code : codes)
            queued_.push_back((code - deck.first + 0.5) / deck.count);
    }

private:
    Mt19937Source fallback_;
    std::deque<double> queued_;
};

class FakeSoundDevice : public SoundDevice, Logged {
public:
    using Logged::Logged;
    int waveOutGetNumDevs() const override { return devices_; }
    void play(int wave, bool inBackground) override {
        log_.add("sound " + std::to_string(wave) + (inBackground ? " background" : " wait"));
    }
    void stop() override { log_.add("sound stop"); }
    void setDevices(int devices) { devices_ = devices; }

private:
    int devices_ = 1;
};

class FakeSystemInfo : public SystemInfo {
public:
    int twipsPerPixelX() const override { return twipsX; }
    int twipsPerPixelY() const override { return twipsY; }
    int screenWidth() const override { return width; }
    int screenHeight() const override { return height; }
    bool previousInstance() override { return otherCopyRunning; }
    bool handToRunningCopy(const std::string& path) override {
        handedOver.push_back(path);
        return runningCopyAnswers;
    }
    void listenForOtherCopies(std::function<void(const std::string&)> handler) override {
        fromOtherCopies = std::move(handler);
    }

    int twipsX = 15, twipsY = 15, width = 1920, height = 1080;
    bool otherCopyRunning = false, runningCopyAnswers = true;
    std::vector<std::string> handedOver;
    // What this copy does with a path a later copy hands over.
    std::function<void(const std::string&)> fromOtherCopies;
};

// A printer that records what it was given and answers as told (printed unless told otherwise).
class FakePrinter : public Printer, Logged {
public:
    using Logged::Logged;
    PrintResult printText(const std::string& title, const std::string& text) override;
    PrintResult answer = PrintResult::Printed;
    // The documents printed (or offered for printing), in order.
    struct Job {
        std::string title;
        std::string text;
    };
    std::vector<Job> jobs;
};

class FakeHelpViewer : public HelpViewer, Logged {
public:
    using Logged::Logged;
    void showHelp(const HelpBook& shown, const std::string& pageId) override {
        book = shown;
        log_.add("help " + pageId);
    }
    // The book last shown.
    HelpBook book;
};

class FakeSplashView : public SplashView, Logged {
public:
    using Logged::Logged;
    void showSplash() override { log_.add("splash show"); }
    void closeSplash() override {
        log_.add("splash close");
        if (onUnload_)
            onUnload_();
    }
    void startTimer(int ms, std::function<void()> onTick) override {
        onTick_ = std::move(onTick);
        log_.add("splash timer " + std::to_string(ms));
    }
    void setUnloadHandler(std::function<void()> onUnload) override { onUnload_ = std::move(onUnload); }
    void fireTimer() {
        if (onTick_)
            onTick_();
    }

private:
    std::function<void()> onTick_;
    std::function<void()> onUnload_;
};

// A whole platform of fakes sharing one transcript.
struct FakePlatform {
    Transcript log;
    FakeTableView view{log};
    FakeMessageBoxes messages{log};
    FakeDialogs dialogs{log};
    FakeFileDialogs fileDialogs{log};
    FakeFileSystem files{log};
    FakeDesktop desktop{log};
    FakeSettingsStore settings{log};
    FakeClock clock{log, 1000};
    FakeSoundDevice sound{log};
    FakeRandom random{1};
    FakeSystemInfo system;
    FakeSplashView splash{log};
    FakePrinter printer{log};
    FakeHelpViewer help{log};
    Platform platform{view,  messages, dialogs, fileDialogs, files,   desktop, settings,
                      sound, clock,    random,  system,      printer, help};
};

} // namespace tandora::testing_support
