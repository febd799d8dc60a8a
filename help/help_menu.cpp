#include "help/help_menu.h"

#include "help/about_dialog.h"
#include "help/help_book.h"
#include "help/help_texts.h"
#include "help/key_shortcuts_dialog.h"

namespace tandora {

namespace {

constexpr const char* AccessDenied = "Access was denied. The file may be in use by another application.";
constexpr const char* NotEnoughMemory = "Not enough memory available.";

// The shell's answer as the player reads it; nothing for success and for codes it has no words for.
const char* shellMessage(int result, const char* noAssociation) {
    switch (result) {
    case ShellResult::AccessDenied: return AccessDenied;
    case ShellResult::OutOfMemory: return NotEnoughMemory;
    case ShellResult::AssociationIncomplete:
    case ShellResult::NoAssociation: return noAssociation;
    default: return nullptr;
    }
}

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
}

} // namespace

std::string fileUrlOf(const std::string& path) {
    std::string url = "file://";
    if (path.empty() || (path[0] != '/' && path[0] != '\\'))
        url += '/';
    constexpr const char* Hex = "0123456789ABCDEF";
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\')
            url += '/';
        else if (unreserved(c))
            url += ch;
        else
            url.append({'%', Hex[c >> 4], Hex[c & 15]});
    }
    return url;
}

void HelpMenu::HelpMenu_Contents_Click() {
    const HelpBook book = helpBook();
    ctx_.platform.help.showHelp(book, book.pages.front().id);
}

void HelpMenu::HelpMenu_KeyShortcuts_Click() {
    KeyShortcutsDialog dialog;
    ctx_.platform.dialogs.showModal(dialog);
}

void HelpMenu::HelpMenu_Readme_Click() {
    const std::string path = ctx_.platform.desktop.programFolder() + "/" + ReadmeFile;
    if (!ctx_.platform.files.exists(path)) {
        ctx_.messageBox("The Readme.txt file could not be found.", MsgStyle::Exclamation, AppTitle);
        return;
    }
    const int result = ctx_.platform.desktop.openDocument(path);
    if (const char* message =
            shellMessage(result, "A program association for text files could not be found."))
        ctx_.messageBox(message, MsgStyle::Exclamation, AppTitle);
}

void HelpMenu::HelpMenu_GettingStarted_Click() {
    ctx_.messageBox(gettingStartedText(), MsgStyle::Information, GettingStartedTitle);
}

void HelpMenu::HelpMenu_Hands_Click() {
    const GameType game = ctx_.state.game();
    ctx_.messageBox(handsDefinedText(game), MsgStyle::Information, handsDefinedTitle(game));
}

void HelpMenu::HelpMenu_Support_Click() {
    openPage(SupportPage, "The Technical Support page could not be found.");
}

void HelpMenu::HelpMenu_OrrinSoft_Click() {
    openPage(StorePage, "The store page could not be found.");
}

void HelpMenu::HelpMenu_AboutTND_Click() {
    AboutDialog dialog(ctx_.platform);
    ctx_.platform.dialogs.showModal(dialog);
}

void HelpMenu::openPage(const char* file, const std::string& missingMessage) {
    // The pages are files shipped with the program, so a missing one can be told apart from a browser
    // that will not start.
    const std::string path = ctx_.platform.desktop.programFolder() + "/" + file;
    if (!ctx_.platform.files.exists(path)) {
        ctx_.messageBox(missingMessage, MsgStyle::Exclamation, AppTitle);
        return;
    }
    const int result = ctx_.platform.desktop.openWebAddress(fileUrlOf(path));
    if (const char* message = shellMessage(result, "A program association for Web pages could not be found."))
        ctx_.messageBox(message, MsgStyle::Exclamation, AppTitle);
}

} // namespace tandora
