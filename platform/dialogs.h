#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace tandora {

// A small modal dialog as a humble view: the subsystem that owns the dialog describes its controls
// and decides what every button does; the view only shows them, reports the buttons and closes.

enum class DialogControlKind { Label, TextBox, ComboBox, Button, Picture, Rule };

// A dialog control's name. Each dialog names its controls once, as constants, and every call takes one, so
// a misspelt name is a compile error rather than a control that is silently not there.
class ControlName {
public:
    constexpr ControlName() = default;
    explicit constexpr ControlName(std::string_view name) : name_(name) {}
    constexpr std::string_view text() const { return name_; }
    constexpr bool empty() const { return name_.empty(); }
    friend constexpr bool operator==(ControlName, ControlName) = default;
    friend constexpr auto operator<=>(ControlName, ControlName) = default;

private:
    std::string_view name_;
};

// The buttons most dialogs have.
inline constexpr ControlName btnOK{"btnOK"};
inline constexpr ControlName btnCancel{"btnCancel"};
enum class TextAlign { Left, Right, Center };

struct DialogControl {
    DialogControlKind kind = DialogControlKind::Label;
    // The control's name, by which the logic reads and writes it.
    ControlName name;
    // A label's or button's caption, a text box's or combo box's text. Lines break at "\r\n".
    std::string text;
    // A combo box's list.
    std::vector<std::string> items;
    // A combo box whose text is always one of its items; the player picks, never types.
    bool listOnly = false;
    TextAlign align = TextAlign::Left;
    // A label whose lines are wrapped to the dialog's width.
    bool wrap = false;
    // Labels in a fixed-width font keep their columns, for reports.
    bool fixedPitch = false;
    // Buttons: Enter presses the default one; Escape and the close box press the cancel one.
    bool isDefault = false;
    bool isCancel = false;
    // A picture control shows this picture number.
    int picture = 0;
    // Wider than the text needs, in pixels; 0 lets the view choose.
    int minimumWidth = 0;
};

inline DialogControl label(ControlName name, std::string text, TextAlign align = TextAlign::Left) {
    DialogControl c;
    c.name = name;
    c.text = std::move(text);
    c.align = align;
    return c;
}

inline DialogControl button(ControlName name, std::string caption, bool isDefault = false,
                            bool isCancel = false) {
    DialogControl c;
    c.kind = DialogControlKind::Button;
    c.name = name;
    c.text = std::move(caption);
    c.isDefault = isDefault;
    c.isCancel = isCancel;
    return c;
}

// A label of instructions, wrapped to the dialog's width.
inline DialogControl wrappedLabel(ControlName name) {
    DialogControl c = label(name, "");
    c.wrap = true;
    return c;
}

// The usual last row: OK (Enter) and Cancel (Escape).
inline std::vector<DialogControl> okCancelButtons() {
    return {button(btnOK, "OK", true), button(btnCancel, "Cancel", false, true)};
}

// Rows top to bottom, controls of a row left to right. A row of buttons only is the button row.
struct DialogLayout {
    std::string caption;
    std::vector<std::vector<DialogControl>> rows;
};

// The open dialog, as its logic drives it.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setText(ControlName control, const std::string& text) = 0;
    virtual std::string text(ControlName control) const = 0;
    // Puts the focus in a text or combo box and selects its whole text.
    virtual void selectAll(ControlName control) = 0;
    virtual void close() = 0;
};

// What the owning subsystem implements for one dialog.
class DialogLogic {
public:
    virtual ~DialogLogic() = default;
    virtual DialogLayout layout() const = 0;
    // Runs once before the dialog shows.
    virtual void load(DialogWindow& window) = 0;
    // The player pressed a button (also Enter for the default one, Escape or the close box for the cancel
    // one). The dialog stays open until the logic closes it.
    virtual void buttonClicked(DialogWindow& window, ControlName button) = 0;
    // The player typed in a text box or picked in a combo box (the logic's own setText does not call it).
    virtual void textChanged(DialogWindow& window, ControlName control) {
        (void)window;
        (void)control;
    }
    // Called every DialogPollInterval while the dialog is open, for work done off the interface thread:
    // shows what has finished, and says whether anything is still under way.
    virtual bool poll(DialogWindow& window) {
        (void)window;
        return false;
    }
};

inline constexpr std::chrono::milliseconds DialogPollInterval{40};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the dialog modally over the game table and returns when it has closed.
    virtual void showModal(DialogLogic& logic) = 0;
};

} // namespace tandora
