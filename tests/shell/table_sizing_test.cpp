#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "platform/table_layout.h"
#include "platform/table_scale.h"
#include "shell/table_sizing.h"
#include "shell/tandora_app.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

// Guards the mouse at every size: a window pixel reads as a design pixel inside a control, or inside the
// Double Up YES and NO areas, exactly when it lies in what the table draws there, and design pixels come
// back where they were drawn.
TEST(TableScale, WindowPixelsReadAsTheDesignPixelsDrawnThere) {
    const Rect question = Layout::DoubleUpQuestionPlace;
    auto onTable = [&](Rect area) {
        return Rect{question.left + area.left, question.top + area.top, area.width, area.height};
    };
    for (const TableScale scale :
         {TableScale::percent(50), TableScale::percent(100), TableScale::percent(125),
          TableScale::percent(150), TableScale::percent(237), TableScale::fitting(1000, 700, 541, 421),
          TableScale::fitting(813, 2000, 541, 421)}) {
        SCOPED_TRACE(scale.factor());
        for (const Rect design : {Layout::handPosPlace(3), Layout::holdPlace(5), Layout::DealPlace,
                                  onTable(Layout::DoubleUpYesArea), onTable(Layout::DoubleUpNoArea)}) {
            const Rect drawn = scale.toWindow(design);
            for (int y = drawn.top - 2; y < drawn.top + drawn.height + 2; ++y)
                for (int x = drawn.left - 2; x < drawn.left + drawn.width + 2; ++x)
                    ASSERT_EQ(Layout::contains(drawn, x, y),
                              Layout::contains(design, scale.toDesign(x), scale.toDesign(y)))
                        << x << "," << y;
        }
        for (int d = 0; d <= Layout::TableWidth && scale.factor() >= 1; ++d)
            ASSERT_EQ(scale.toDesign(scale.toWindow(d)), d);
    }
}

// Guards the size rules: what a stored Scale may be, the first start's choice by screen, the steps of
// Larger and Smaller, and a window kept wholly on small screens, caption and menu bar first.
TEST(TableSizes, RulesForSizesAndPlaces) {
    using namespace TableSizes;
    for (const char* bad : {"", "49", "401", "abc", "1e2", " 150", "150%", "-100", "99999999999"})
        EXPECT_EQ(parse(bad), std::nullopt) << bad;
    EXPECT_EQ(parse("400"), 400);

    const Chrome chrome{6, 46};
    for (const auto& [width, height, want] :
         {std::array{2560, 1440, 200}, {1024, 768, 125}, {640, 480, 100}, {600, 400, 84}})
        EXPECT_EQ(firstStart(chrome, {0, 0, width, height}), want) << width;
    EXPECT_EQ(largestFitting(400, chrome, {0, 0, 1920, 1080}), 245);
    EXPECT_EQ((std::array{larger(100), larger(130), larger(300), smaller(300), smaller(100)}),
              (std::array{125, 150, 300, 200, 100}));

    const Area screen{0, 27, 1366, 741}; // a panel along the top
    const auto corner = [&](Area window) {
        const Area placed = placeOnScreen(window, screen);
        return std::pair(placed.left, placed.top);
    };
    EXPECT_EQ(corner({-6, -6, 547, 467}), std::pair(0, 27));
    EXPECT_EQ(corner({1200, 600, 547, 467}), std::pair(1366 - 547, 27 + 741 - 467));
    EXPECT_EQ(corner({300, 100, 547, 467}), std::pair(300, 100)) << "already on the screen";
    EXPECT_EQ(corner({300, 100, 2000, 900}), std::pair(0, 27)) << "too big: the top-left stays on";
}

// Guards the Scale setting: a stored size is used (the largest that fits when the screen is too small), a
// size chosen from the View menu is stored and survives, the window stays on the screen at it, and a
// hand-edited size is named to the player and ignored for the first start's choice.
TEST(TableSizing, StoredSizeRoundTripsAndABadOneIsNamed) {
    testing_support::FakePlatform f;
    f.settings.set("Display", "Scale", "400");
    f.settings.set("MainWindow", "Left", "27000"); // 1800 pixels: off the right edge
    ShellHooks hooks;
    TandoraApp app{f.platform, f.splash, hooks};
    ASSERT_TRUE(app.start());
    EXPECT_EQ(f.view.tableScale(), 245);
    EXPECT_EQ(f.view.windowLeft() / 15 + f.view.windowWidthTwips() / 15, 1920);
    f.view.setWindowState(2);
    app.menuClick({MenuItem::ViewMenu_Size, 125});
    EXPECT_EQ(f.view.windowState(), 0) << "a maximised window is restored to take the size";
    app.menuClick({MenuItem::ViewMenu_Larger});
    EXPECT_EQ(f.view.tableScale(), 150);
    app.menuClick({MenuItem::GameMenu_Exit});
    EXPECT_EQ(f.settings.value("Display", "Scale"), "150");

    testing_support::FakePlatform bad;
    bad.settings.set("Display", "Scale", "huge");
    TandoraApp badApp{bad.platform, bad.splash, hooks};
    ASSERT_TRUE(badApp.start());
    EXPECT_EQ(bad.view.tableScale(), 200);
    ASSERT_EQ(bad.messages.shown().size(), 1u);
    EXPECT_NE(bad.messages.shown()[0].find("Display/Scale is \"huge\""), std::string::npos);
}

} // namespace
} // namespace tandora
