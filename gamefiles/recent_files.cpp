#include "gamefiles/recent_files.h"

#include <algorithm>

#include "gamefiles/file_paths.h"

namespace tandora {

void RecentFiles::UpdateRecentFiles(const std::string& Title, const std::string& Path) {
    GameState& s = ctx_.state;
    std::shift_right(s.RecentPaths.begin(), s.RecentPaths.end(), 1);
    std::shift_right(s.RecentTitles.begin(), s.RecentTitles.end(), 1);
    s.RecentPaths[0] = Path;
    s.RecentTitles[0] = Title;
    showMenu();
}

void RecentFiles::moveToTop(int Index) {
    if (Index < 1 || Index > RecentFileEntries)
        return;
    GameState& s = ctx_.state;
    const auto end = static_cast<std::ptrdiff_t>(Index);
    std::rotate(s.RecentPaths.begin(), s.RecentPaths.begin() + end - 1, s.RecentPaths.begin() + end);
    std::rotate(s.RecentTitles.begin(), s.RecentTitles.begin() + end - 1, s.RecentTitles.begin() + end);
    showMenu();
}

void RecentFiles::showMenu() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    s.RecentCount = 0;
    for (int i = 1; i <= RecentFileEntries; ++i) {
        const std::string& path = s.RecentPaths[static_cast<std::size_t>(i - 1)];
        const std::string& title = s.RecentTitles[static_cast<std::size_t>(i - 1)];
        view.setMenuCaption({MenuItem::mnuFileList, i}, recentCaption(i, path, title));
        view.setMenuVisible({MenuItem::mnuFileList, i}, isRecentFile(path));
        if (isRecentFile(path))
            ++s.RecentCount;
    }
    view.setMenuVisible({MenuItem::mnuFileList, 0}, s.RecentCount > 0);
}

} // namespace tandora
