#include "help/key_shortcuts_dialog.h"

#include "help/help_texts.h"

namespace tandora {

namespace {

constexpr ControlName ColumnNames[ShortcutColumns] = {ControlName{"Col1"}, ControlName{"Col2"},
                                                      ControlName{"Col3"}, ControlName{"Col4"}};

} // namespace

DialogLayout KeyShortcutsDialog::layout() const {
    std::vector<DialogControl> columns;
    for (const ControlName name : ColumnNames) {
        DialogControl c = label(name, "");
        c.minimumWidth = 90;
        columns.push_back(c);
    }
    return {"Keyboard Shortcuts", {columns, {button(btnOK, "OK", true, true)}}};
}

void KeyShortcutsDialog::load(DialogWindow& window) {
    window.setCaption("Keyboard Shortcuts");
    for (int i = 0; i < ShortcutColumns; ++i) {
        std::string text;
        for (const char* line : keyShortcutColumns()[static_cast<std::size_t>(i)]) {
            if (!text.empty())
                text += "\r\n";
            text += line;
        }
        window.setText(ColumnNames[static_cast<std::size_t>(i)], text);
    }
}

void KeyShortcutsDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button == btnOK)
        window.close();
}

} // namespace tandora
