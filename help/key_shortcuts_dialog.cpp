#include "help/key_shortcuts_dialog.h"

#include "help/help_texts.h"

namespace tandora {

namespace {

const char* const ColumnNames[ShortcutColumns] = {"Col1", "Col2", "Col3", "Col4"};

} // namespace

DialogLayout KeyShortcutsDialog::layout() const {
    std::vector<DialogControl> columns;
    for (const char* name : ColumnNames) {
        DialogControl c = label(name, "");
        c.minimumWidth = 90;
        columns.push_back(c);
    }
    return {"Keyboard Shortcuts", {columns, {button("btnOK", "OK", true, true)}}};
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
        window.setText(ColumnNames[i], text);
    }
}

void KeyShortcutsDialog::buttonClicked(DialogWindow& window, const std::string& button) {
    if (button == "btnOK")
        window.close();
}

} // namespace tandora
