#pragma once

#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/system_info.h"
#include "shell/settings_registry.h"
#include "table/table_context.h"

namespace tandora {

// The rules for the table's size and the window's place, in pixels, apart from any window.
namespace TableSizes {

// The sizes the View menu lists, in percent of the designed table.
inline constexpr int Listed[] = {100, 125, 150, 200};
inline constexpr int Smallest = 50;
inline constexpr int Largest = 400;
// A first start picks a size whose window leaves at least this share of the screen free each way.
inline constexpr double ComfortableShare = 0.85;

using Area = SystemInfo::Area;
// What the window adds around the table: its frame, caption and menu bar.
struct Chrome {
    int width = 0;
    int height = 0;
};

// A stored Scale: a whole number from 50 to 400, nothing else.
std::optional<int> parse(const std::string& stored);
// The window's outer width and height with the table at percent.
Area windowSize(int percent, Chrome chrome);
// The largest percentage from 50 up to wanted whose window fits area (50 when none does).
int largestFitting(int wanted, Chrome chrome, const Area& area);
// The largest listed size whose window fits comfortably; on a screen too small for 100 %, the largest that
// fits at all.
int firstStart(Chrome chrome, const Area& area);
// The next listed size above or below current (current itself at the ends).
int larger(int current);
int smaller(int current);
// The window moved the least distance that puts all of it on area; a window bigger than the area keeps
// its top-left corner (and so its caption and menu bar) on it.
Area placeOnScreen(const Area& window, const Area& area);

} // namespace TableSizes

// The table's size: the stored Scale at start, the View menu's sizes, and the window kept on the screen.
class TableSizing {
public:
    TableSizing(TableContext context, SettingsRegistry& settings) : ctx_(context), settings_(settings) {}

    // Sizes the table from the store; a value that is not a size is named to the player and ignored.
    void applyStoredScale();
    // Puts the window at left, top (twips), or as near there as keeps all of it on the screen.
    void placeAt(double leftTwips, double topTwips);
    void ViewMenu_Click(MenuRef item);

private:
    void resize(int percent);
    TableSizes::Chrome chrome() const;
    // The screen area that holds the window's top-left corner, or the one the stored place is on.
    SystemInfo::Area area(double leftTwips, double topTwips) const;

    TableContext ctx_;
    SettingsRegistry& settings_;
};

} // namespace tandora
