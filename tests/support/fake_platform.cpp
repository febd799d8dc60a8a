#include "fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <sstream>
#include <thread>

#include "platform/table_layout.h"
#include "platform/table_scale.h"

namespace tandora::testing_support {

namespace {

// The queue's first entry, taken off it, or otherwise when it is empty.
template <typename T> T takeFirst(std::deque<T>& queue, T otherwise) {
    if (!queue.empty()) {
        otherwise = std::move(queue.front());
        queue.pop_front();
    }
    return otherwise;
}

} // namespace

std::vector<std::string> Transcript::matching(const std::string& prefix) const {
    std::vector<std::string> result;
    std::copy_if(lines_.begin(), lines_.end(), std::back_inserter(result),
                 [&](const std::string& line) { return line.starts_with(prefix); });
    return result;
}

std::string Transcript::textFrom(std::size_t index) const {
    std::string text;
    for (std::size_t i = index; i < lines_.size(); ++i)
        text.append(lines_[i]).append("\n");
    return text;
}

std::string lines(std::initializer_list<std::string> expected) {
    std::string text;
    for (const auto& line : expected)
        text.append(line).append("\n");
    return text;
}

namespace {

std::string onOff(bool v) {
    return v ? "on" : "off";
}

std::string labelText(HoldLabel label) {
    return std::array{"-", "HELD", "DEALER", "PICK", "HOLD?", "DRAW?"}[static_cast<std::size_t>(label)];
}

std::string buttonName(Button button) {
    return std::array{"cashout", "bet1", "maxbet", "deal", "cashin"}[static_cast<std::size_t>(button)];
}

std::string cardText(Card card) {
    return card == CardBackCode ? "back" : cardName(card);
}

} // namespace

void FakeTableView::show(const TableScene& t) {
    const bool first = scenes_++ == 0;
    const TableScene& o = scene_;
    auto note = [&](bool changed, const std::string& line) {
        if (first || changed)
            log_.add(line);
    };
    note(o.caption != t.caption, "caption " + t.caption);
    note(o.game != t.game, "game " + std::string(gameCode(t.game)));
    note(o.deck != t.deck, std::string("deck ") + (t.deck == Deck::Blue ? "blue" : "red"));
    std::string positions;
    for (std::size_t i = 0; i < HandSize; ++i)
        positions += t.positionsEnabled[i] ? '1' : '0';
    for (std::size_t i = 0; i < HandSize; ++i) {
        note(o.cards[i] != t.cards[i], "card " + std::to_string(i + 1) + " " + cardText(t.cards[i]));
        note(o.labels[i] != t.labels[i], "label " + std::to_string(i + 1) + " " + labelText(t.labels[i]));
    }
    note(o.positionsEnabled != t.positionsEnabled, "positions " + positions);
    note(o.dealFace != t.dealFace || o.dealEnabled != t.dealEnabled,
         std::string("deal ") + (t.dealFace == DealFace::Deal ? "Deal " : "Draw ") + onOff(t.dealEnabled));
    for (const Button b : {Button::Bet1, Button::MaxBet, Button::CashOut, Button::CashIn})
        note(o.enabled(b) != t.enabled(b), buttonName(b) + " " + onOff(t.enabled(b)));
    note(o.credits != t.credits, "credits " + std::to_string(t.credits));
    note(o.paid != t.paid, "paid " + std::to_string(t.paid));
    note(o.coins != t.coins, "coins " + std::to_string(t.coins));
    note(o.winStrip != t.winStrip,
         "strip " + (t.winStrip == HandCategory::NoWin ? std::string("none")
                                                       : std::string(categoryName(t.winStrip))));
    note(o.coinColumn != t.coinColumn, "column " + std::to_string(t.coinColumn));
    note(o.gameOver != t.gameOver, "game over " + onOff(t.gameOver));
    note(o.addCreditsHint != t.addCreditsHint, "add credits hint " + onOff(t.addCreditsHint));
    note(o.doubleUp != t.doubleUp,
         "double up " +
             std::string(std::array{"none", "question", "pick"}[static_cast<std::size_t>(t.doubleUp)]));
    note(o.doubleUpLocksMenus != t.doubleUpLocksMenus,
         std::string("menus ") + (t.doubleUpLocksMenus ? "locked" : "open"));
    const MenuMarks& m = t.marks;
    note(o.marks != t.marks, "marks doubleup " + onOff(m.doubleUp) + " sound " + onOff(m.soundEffects) +
                                 " lastgame " + onOff(m.loadLastGame) + " besthold " + onOff(m.showBestHold) +
                                 " trainer " + onOff(m.trainer));
    for (std::size_t i = 0; i < t.recentFiles.size(); ++i)
        note(o.recentFiles[i] != t.recentFiles[i],
             "recent " + std::to_string(i + 1) + " " + t.recentFiles[i]);
    scene_ = t;
}

void FakeTableView::showPressed(Button button, bool pressed) {
    pressed_[static_cast<std::size_t>(button)] = pressed;
    log_.add(buttonName(button) + (pressed ? " pressed" : " released"));
}

void FakeTableView::setWindowState(int state) {
    windowState_ = state;
    log_.add("window state " + std::to_string(state));
}

void FakeTableView::setWindowPosition(double left, double top) {
    left_ = left;
    top_ = top;
    std::ostringstream line;
    line << "window at " << left << "," << top;
    log_.add(line.str());
}

int FakeTableView::windowWidthTwips() const {
    return (TableScale::percent(scale_).toWindow(Layout::TableWidth) + Layout::WindowExtraWidth) * 15;
}

int FakeTableView::windowHeightTwips() const {
    return (TableScale::percent(scale_).toWindow(Layout::TableHeight) + Layout::WindowExtraHeight) * 15;
}

void FakeTableView::repaint() {
    ++repaints_;
    while (!pending_.empty()) {
        auto event = std::move(pending_.front());
        pending_.pop_front();
        event();
    }
}

int FakeMessageBoxes::messageBox(const std::string& text, int style, const std::string& title) {
    shown_.push_back(title + "|" + std::to_string(style) + "|" + text);
    log_.add("message " + title + ": " + text);
    const int buttons = style & 7;
    const int answer =
        takeFirst(answers_, buttons == MsgStyle::YesNo || buttons == MsgStyle::YesNoCancel ? MsgAnswer::Yes
                                                                                           : MsgAnswer::Ok);
    if (buttons != MsgStyle::OkOnly)
        log_.add(std::string("answer ") + std::array{"", "OK", "Cancel", "", "", "", "Yes", "No"}.at(answer));
    return answer;
}

namespace {

// The open dialog as the fake keeps it: the texts of its controls by name.
class FakeDialogWindow : public DialogWindow {
public:
    FakeDialogWindow(Transcript& log, const DialogLayout& layout) : log_(log) {
        shown_.caption = layout.caption;
        for (const auto& row : layout.rows) {
            for (const DialogControl& c : row) {
                const std::string name(c.name.text());
                names_[name] = c.name;
                shown_.texts[name] = c.text;
                if (c.kind == DialogControlKind::Picture)
                    shown_.pictures[name] = c.picture;
                if (c.isCancel)
                    cancel = c.name;
            }
        }
    }
    void setCaption(const std::string& caption) override { shown_.caption = caption; }
    void setText(ControlName control, const std::string& text) override {
        shown_.texts[std::string(control.text())] = text;
    }
    std::string text(ControlName control) const override {
        const auto found = shown_.texts.find(std::string(control.text()));
        return found == shown_.texts.end() ? std::string() : found->second;
    }
    void selectAll(ControlName control) override { shown_.selections.emplace_back(control.text()); }
    // The dialog's control a script names; a name the dialog does not have fails the test.
    ControlName named(const std::string& name) const {
        const auto found = names_.find(name);
        if (found == names_.end()) {
            ADD_FAILURE() << "the dialog " << shown_.caption << " has no control " << name;
            return {};
        }
        return found->second;
    }
    void close() override {
        closed = true;
        log_.add("dialog " + shown_.caption + " closed");
    }

    FakeDialogs::Shown shown_;
    Transcript& log_;
    std::map<std::string, ControlName> names_;
    ControlName cancel;
    bool closed = false;
};

} // namespace

void FakeDialogs::showModal(DialogLogic& logic) {
    FakeDialogWindow window(log_, logic.layout());
    logic.load(window);
    log_.add("dialog " + window.shown_.caption + " shown");
    for (const DialogAction& action : takeFirst(scripts_, {})) {
        if (window.closed)
            break;
        if (action.kind == DialogAction::Kind::Type) {
            window.setText(window.named(action.control), action.text);
            log_.add("dialog type " + action.control + "=" + action.text);
            logic.textChanged(window, window.named(action.control));
        } else if (action.kind == DialogAction::Kind::Wait) {
            while (logic.poll(window))
                std::this_thread::sleep_for(DialogPollInterval);
        } else {
            log_.add("dialog press " + action.control);
            logic.buttonClicked(window, window.named(action.control));
        }
    }
    if (!window.closed) {
        // The player closes the window: its cancel button, or simply the window when it has none.
        const bool box = window.cancel.empty();
        log_.add("dialog press " + (box ? std::string("close box") : std::string(window.cancel.text())));
        if (!box)
            logic.buttonClicked(window, window.cancel);
    }
    if (!window.closed)
        window.close();
    shown_.push_back(window.shown_);
}

std::optional<std::string> FakeFileDialogs::next(const char* kind, const FileDialogRequest& request) {
    requests_.push_back(request);
    const std::optional<std::string> path = takeFirst(answers_, {});
    log_.add(std::string("file dialog ") + kind + " " + request.title + " -> " + (path ? *path : "cancel"));
    return path;
}

ReadResult FakeFileSystem::readAll(const std::string& path, std::size_t maxBytes) const {
    const auto found = files_.find(path);
    if (found == files_.end())
        return {false, {}, "No such file."};
    if (found->second.size() > maxBytes)
        return {false, {}, "The file is too large."};
    return {true, found->second, {}};
}

FileResult FakeFileSystem::writeAtomically(const std::string& path, const std::string& bytes) {
    if (!writeError_.empty()) {
        log_.add("file write " + path + " failed");
        return {false, writeError_};
    }
    files_[path] = bytes;
    log_.add("file write " + path);
    return {};
}

FileResult FakeFileSystem::appendText(const std::string& path, const std::string& text) {
    if (!writeError_.empty() || !exists(path)) {
        log_.add("file append " + path + " failed");
        return {false, writeError_.empty() ? "The file does not exist." : writeError_};
    }
    files_[path] += text;
    log_.add("file append " + path);
    return {};
}

int FakeDesktop::next(const std::string& line) {
    log_.add(line);
    return takeFirst(results_, ShellResult::Success);
}

bool FakeDesktop::startProgram(const std::string& path, const std::vector<std::string>& arguments) {
    std::string line = "start program " + path;
    for (const auto& a : arguments)
        line += " " + a;
    log_.add(line);
    return programsStart;
}

std::string FakeSettingsStore::getSetting(const std::string& app, const std::string& section,
                                          const std::string& key, const std::string& defaultValue) const {
    ++reads_;
    const auto it = values_.find({app, section, key});
    return it == values_.end() ? defaultValue : it->second;
}

bool FakeSettingsStore::saveSetting(const std::string& app, const std::string& section,
                                    const std::string& key, const std::string& value) {
    if (refuseWrites_) {
        log_.add("setting " + section + "/" + key + " refused");
        return false;
    }
    ++writes_;
    values_[{app, section, key}] = value;
    log_.add("setting " + section + "/" + key + "=" + value);
    return true;
}

void FakeClock::sleepMs(std::uint32_t ms) {
    const std::uint32_t step = granularity_ != 0 && ms > granularity_ ? granularity_ : ms;
    now_ += step;
    slept_ += step;
    if (log_)
        log_->add("sleep " + std::to_string(step));
}

double FakeRandom::nextUniform() {
    return queued_.empty() ? fallback_.nextUniform() : takeFirst(queued_, 0.0);
}

PrintResult FakePrinter::printText(const std::string& title, const std::string& text) {
    jobs.push_back({title, text});
    log_.add("print " + title + " -> " +
             std::array{"printed", "cancelled", "failed"}[static_cast<std::size_t>(answer)]);
    return answer;
}

} // namespace tandora::testing_support
