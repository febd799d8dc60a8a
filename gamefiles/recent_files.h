#pragma once

#include <string>

#include "table/table_context.h"

namespace tandora {

// The last four game files opened, most recent first, as entries 1 to 4 of the Game menu.
class RecentFiles {
public:
    explicit RecentFiles(TableContext context) : ctx_(context) {}

    // A file opened from outside the list goes on top; the oldest entry drops off. The list is not
    // searched first, so a file opened twice is listed twice.
    void UpdateRecentFiles(const std::string& Title, const std::string& Path);
    // Entry Index (1 to 4) becomes entry 1, the entries above it move down by one.
    void moveToTop(int Index);

private:
    TableContext ctx_;
};

} // namespace tandora
