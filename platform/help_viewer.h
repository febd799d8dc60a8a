#pragma once

#include <string>
#include <vector>

namespace tandora {

// One page of the program's help: links between pages are written as "help:<id>".
struct HelpPage {
    std::string id;
    std::string title;
    std::string html;
};

// The whole help, in the order of its contents list.
struct HelpBook {
    std::string title;
    std::vector<HelpPage> pages;
};

// A window beside the game table that shows the help; the game goes on while it is open.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the book at the page with this id (the first page when there is none) and brings the window
    // to the front.
    virtual void showHelp(const HelpBook& book, const std::string& pageId) = 0;
};

} // namespace tandora
