#include "gamefiles/recent_files.h"

#include <algorithm>

namespace tandora {

void RecentFiles::UpdateRecentFiles(const std::string& Title, const std::string& Path) {
    GameState& s = ctx_.state;
    std::shift_right(s.RecentPaths.begin(), s.RecentPaths.end(), 1);
    std::shift_right(s.RecentTitles.begin(), s.RecentTitles.end(), 1);
    s.RecentPaths[0] = Path;
    s.RecentTitles[0] = Title;
    ctx_.show();
}

void RecentFiles::moveToTop(int Index) {
    if (Index < 1 || Index > RecentFileEntries)
        return;
    GameState& s = ctx_.state;
    const auto end = static_cast<std::ptrdiff_t>(Index);
    std::rotate(s.RecentPaths.begin(), s.RecentPaths.begin() + end - 1, s.RecentPaths.begin() + end);
    std::rotate(s.RecentTitles.begin(), s.RecentTitles.begin() + end - 1, s.RecentTitles.begin() + end);
    ctx_.show();
}

} // namespace tandora
