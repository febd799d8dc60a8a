#pragma once

#include <string>

#include "table/table_context.h"

namespace tandora {

// The files shipped beside the program that the Help menu opens.
inline constexpr const char* ReadmeFile = "readme.txt";
inline constexpr const char* SupportPage = "support.html";
inline constexpr const char* StorePage = "store.html";

// A local path as a file:// address: "/opt/my games/x.html" gives "file:///opt/my%20games/x.html",
// "C:\Games\x.html" gives "file:///C:/Games/x.html".
std::string fileUrlOf(const std::string& path);

// The Help menu. Nothing here changes the game.
class HelpMenu {
public:
    explicit HelpMenu(TableContext context) : ctx_(context) {}

    // Help Topics and F1: the program's own help window, at its first page.
    void HelpMenu_Contents_Click();
    void HelpMenu_KeyShortcuts_Click();
    void HelpMenu_Readme_Click();
    void HelpMenu_GettingStarted_Click();
    void HelpMenu_Hands_Click();
    void HelpMenu_Support_Click();
    void HelpMenu_OrrinSoft_Click();
    void HelpMenu_AboutTND_Click();

private:
    // A file shipped with the program, handed to the desktop: the readme as a document, the pages as
    // addresses for the web browser.
    void openShipped(const char* file, const std::string& missingMessage, const char* noProgramMessage);
    // The file in the program's own help window, for when the desktop cannot show it.
    void showInHelpWindow(const std::string& path, const char* file);

    TableContext ctx_;
};

} // namespace tandora
