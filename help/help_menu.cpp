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

// The shipped files are a few kilobytes; anything much larger is not one of them.
constexpr std::size_t MaxShippedFileBytes = 1024 * 1024;

// Plain text inside HTML: the markup characters as entities.
std::string escapedHtml(const std::string& text) {
    std::string html;
    html.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '\r': break;
        default: html += ch;
        }
    }
    return html;
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
    openShipped(ReadmeFile, "The Readme.txt file could not be found.",
                "A program association for text files could not be found.");
}

void HelpMenu::HelpMenu_GettingStarted_Click() {
    ctx_.messageBox(gettingStartedText(), MsgStyle::Information, GettingStartedTitle);
}

void HelpMenu::HelpMenu_Hands_Click() {
    const GameType game = ctx_.state.game();
    ctx_.messageBox(handsDefinedText(game), MsgStyle::Information, handsDefinedTitle(game));
}

void HelpMenu::HelpMenu_Support_Click() {
    openShipped(SupportPage, "The Technical Support page could not be found.",
                "A program association for Web pages could not be found.");
}

void HelpMenu::HelpMenu_OrrinSoft_Click() {
    openShipped(StorePage, "The store page could not be found.",
                "A program association for Web pages could not be found.");
}

void HelpMenu::HelpMenu_AboutTND_Click() {
    AboutDialog dialog(ctx_.platform);
    ctx_.platform.dialogs.showModal(dialog);
}

void HelpMenu::openShipped(const char* file, const std::string& missingMessage,
                           const char* noProgramMessage) {
    // The files are shipped with the program, so a missing one can be told apart from a desktop that will
    // not show it.
    const std::string path = ctx_.platform.desktop.programFolder() + "/" + file;
    if (!ctx_.platform.files.exists(path)) {
        ctx_.messageBox(missingMessage, MsgStyle::Exclamation, AppTitle);
        return;
    }
    Desktop& desktop = ctx_.platform.desktop;
    const bool readme = std::string_view(file) == ReadmeFile;
    const int result = readme ? desktop.openDocument(path) : desktop.openWebAddress(fileUrlOf(path));
    if (const char* message = shellMessage(result, noProgramMessage))
        ctx_.messageBox(message, MsgStyle::Exclamation, AppTitle);
    // Without a program for it, or without a launcher at all, the player still gets to read it.
    if (result == ShellResult::NoAssociation || result == ShellResult::AssociationIncomplete ||
        result == ShellResult::NoLauncher)
        showInHelpWindow(path, file);
}

void HelpMenu::showInHelpWindow(const std::string& path, const char* file) {
    const ReadResult read = ctx_.platform.files.readAll(path, MaxShippedFileBytes);
    if (!read.ok)
        return;
    const bool readme = std::string_view(file) == ReadmeFile;
    const std::string html =
        readme ? "<pre style=\"white-space: pre-wrap\">" + escapedHtml(read.bytes) + "</pre>" : read.bytes;
    const HelpBook book{std::string(AppTitle) + " - " + file, {{file, file, html}}};
    ctx_.platform.help.showHelp(book, file);
}

} // namespace tandora
