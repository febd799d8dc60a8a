#include "shell/table_sizing.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/settings_keys.h"
#include "platform/table_layout.h"
#include "platform/table_scale.h"
#include "shell/settings_keys.h"
#include "table/value_text.h"

namespace tandora {

namespace TableSizes {

std::optional<int> parse(const std::string& stored) {
    int value = 0;
    const char* end = stored.data() + stored.size();
    const auto [stop, error] = std::from_chars(stored.data(), end, value);
    if (stored.empty() || error != std::errc() || stop != end || value < Smallest || value > Largest)
        return std::nullopt;
    return value;
}

Area windowSize(int percent, Chrome chrome) {
    const TableScale scale = TableScale::percent(percent);
    return {0, 0, scale.toWindow(Layout::TableWidth) + chrome.width,
            scale.toWindow(Layout::TableHeight) + chrome.height};
}

namespace {

bool fits(int percent, Chrome chrome, const Area& area, double share) {
    const Area window = windowSize(percent, chrome);
    return window.width <= area.width * share && window.height <= area.height * share;
}

} // namespace

int largestFitting(int wanted, Chrome chrome, const Area& area) {
    for (int percent = std::min(wanted, Largest); percent > Smallest; --percent)
        if (fits(percent, chrome, area, 1.0))
            return percent;
    return Smallest;
}

int firstStart(Chrome chrome, const Area& area) {
    for (auto size = std::rbegin(Listed); size != std::rend(Listed); ++size)
        if (fits(*size, chrome, area, ComfortableShare))
            return *size;
    return largestFitting(Listed[0], chrome, area);
}

int larger(int current) {
    for (const int size : Listed)
        if (size > current)
            return size;
    return std::max(current, Listed[std::size(Listed) - 1]);
}

int smaller(int current) {
    for (auto size = std::rbegin(Listed); size != std::rend(Listed); ++size)
        if (*size < current)
            return *size;
    return std::min(current, Listed[0]);
}

Area placeOnScreen(const Area& window, const Area& area) {
    Area placed = window;
    placed.left = std::max(area.left, std::min(window.left, area.left + area.width - window.width));
    placed.top = std::max(area.top, std::min(window.top, area.top + area.height - window.height));
    return placed;
}

} // namespace TableSizes

TableSizes::Chrome TableSizing::chrome() const {
    const TableView& view = ctx_.view();
    const TableScale now = TableScale::percent(view.tableScale());
    const GameState& s = ctx_.state;
    return {static_cast<int>(std::lround(static_cast<double>(view.windowWidthTwips()) / s.TwipsPerPixelX)) -
                now.toWindow(Layout::TableWidth),
            static_cast<int>(std::lround(static_cast<double>(view.windowHeightTwips()) / s.TwipsPerPixelY)) -
                now.toWindow(Layout::TableHeight)};
}

SystemInfo::Area TableSizing::area(double leftTwips, double topTwips) const {
    const GameState& s = ctx_.state;
    // A little inside the corner: on the screen whose caption holds it.
    return ctx_.platform.system.availableArea(static_cast<int>(std::lround(leftTwips / s.TwipsPerPixelX)) + 8,
                                              static_cast<int>(std::lround(topTwips / s.TwipsPerPixelY)) + 8);
}

void TableSizing::applyStoredScale() {
    // The screen the window was on; errors in the stored place are for the placing to name.
    const auto left = parseNumber(settings_.get(Settings::MainWindow, Settings::Left, "0"));
    const auto top = parseNumber(settings_.get(Settings::MainWindow, Settings::Top, "0"));
    const SystemInfo::Area screen = area(left.value_or(0), top.value_or(0));
    const std::string stored = settings_.get(Settings::Display, Settings::Scale, "");
    std::optional<int> percent = TableSizes::parse(stored);
    if (!percent && !stored.empty())
        ctx_.messageBox(std::string("The saved setting ") + Settings::Display + "/" + Settings::Scale +
                            " is \"" + stored +
                            "\", which is not a size from 50 to 400 percent. The table starts at the " +
                            "largest listed size that fits the screen.",
                        MsgStyle::Exclamation, AppTitle);
    const int chosen = percent ? TableSizes::largestFitting(*percent, chrome(), screen)
                               : TableSizes::firstStart(chrome(), screen);
    ctx_.view().setTableScale(chosen);
}

void TableSizing::placeAt(double leftTwips, double topTwips) {
    const GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    const TableSizes::Area window{
        static_cast<int>(std::lround(leftTwips / s.TwipsPerPixelX)),
        static_cast<int>(std::lround(topTwips / s.TwipsPerPixelY)),
        static_cast<int>(std::lround(static_cast<double>(view.windowWidthTwips()) / s.TwipsPerPixelX)),
        static_cast<int>(std::lround(static_cast<double>(view.windowHeightTwips()) / s.TwipsPerPixelY))};
    const TableSizes::Area placed = TableSizes::placeOnScreen(window, area(leftTwips, topTwips));
    // A place already on the screen keeps its twips exactly.
    view.setWindowPosition(placed.left == window.left ? leftTwips : placed.left * s.TwipsPerPixelX,
                           placed.top == window.top ? topTwips : placed.top * s.TwipsPerPixelY);
}

void TableSizing::resize(int percent) {
    TableView& view = ctx_.view();
    const int fitting =
        TableSizes::largestFitting(percent, chrome(), area(view.windowLeft(), view.windowTop()));
    if (view.windowState() != 0)
        view.setWindowState(0);
    view.setTableScale(fitting);
    placeAt(view.windowLeft(), view.windowTop());
    (void)settings_.save(Settings::Display, Settings::Scale, std::to_string(fitting));
}

void TableSizing::ViewMenu_Click(MenuRef item) {
    const int now = ctx_.view().tableScale();
    switch (item.item) {
    case MenuItem::ViewMenu_Larger: resize(TableSizes::larger(now)); break;
    case MenuItem::ViewMenu_Smaller: resize(TableSizes::smaller(now)); break;
    case MenuItem::ViewMenu_Size: resize(item.index); break;
    case MenuItem::ViewMenu_FitToScreen: resize(TableSizes::Largest); break;
    default: break;
    }
}

} // namespace tandora
