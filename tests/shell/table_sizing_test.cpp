#include <gtest/gtest.h>

#include "platform/table_layout.h"
#include "platform/table_scale.h"
#include "shell/table_sizing.h"
#include "shell/tandora_app.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

bool inside(Rect r, int x, int y) {
    return Layout::contains(r, x, y);
}

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
                    ASSERT_EQ(inside(drawn, x, y), inside(design, scale.toDesign(x), scale.toDesign(y)))
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
    EXPECT_EQ(parse("50"), 50);
    EXPECT_EQ(parse("400"), 400);

    const Chrome chrome{6, 46};
    EXPECT_EQ(firstStart(chrome, {0, 0, 2560, 1440}), 200);
    EXPECT_EQ(firstStart(chrome, {0, 0, 1024, 768}), 125);
    EXPECT_EQ(firstStart(chrome, {0, 0, 800, 600}), 100);
    EXPECT_EQ(firstStart(chrome, {0, 0, 640, 480}), 100) << "fits, if not comfortably";
    EXPECT_EQ(firstStart(chrome, {0, 0, 600, 400}), 84);
    EXPECT_EQ(largestFitting(400, chrome, {0, 0, 1920, 1080}), 245);
    EXPECT_EQ(largestFitting(100, chrome, {0, 0, 100, 100}), Smallest);

    EXPECT_EQ(larger(100), 125);
    EXPECT_EQ(larger(130), 150);
    EXPECT_EQ(larger(300), 300);
    EXPECT_EQ(smaller(300), 200);
    EXPECT_EQ(smaller(100), 100);

    const Area screen{0, 27, 1366, 741}; // a panel along the top
    EXPECT_EQ(placeOnScreen({-6, -6, 547, 467}, screen).left, 0);
    EXPECT_EQ(placeOnScreen({-6, -6, 547, 467}, screen).top, 27);
    EXPECT_EQ(placeOnScreen({1200, 600, 547, 467}, screen).left, 1366 - 547);
    EXPECT_EQ(placeOnScreen({1200, 600, 547, 467}, screen).top, 27 + 741 - 467);
    EXPECT_EQ(placeOnScreen({300, 100, 547, 467}, screen).left, 300) << "already on the screen";
    EXPECT_EQ(placeOnScreen({300, 100, 2000, 900}, screen).top, 27) << "too big: the top stays on";
}

class TableSizingTest : public testing::Test {
protected:
    void start() { ASSERT_TRUE(app.start()); }

    testing_support::FakePlatform f;
    ShellHooks hooks;
    TandoraApp app{f.platform, f.splash, hooks};
};

// Guards the Scale setting: a stored size is used (the largest that fits when the screen is too small), a
// size chosen from the View menu is stored and survives, and the window stays on the screen at it.
TEST_F(TableSizingTest, StoredSizeRoundTrips) {
    f.settings.set("Display", "Scale", "400");
    f.settings.set("MainWindow", "Left", "27000"); // 1800 pixels: off the right edge
    start();
    EXPECT_EQ(f.view.tableScale(), 245);
    EXPECT_EQ(f.view.windowLeft() / 15 + f.view.windowWidthTwips() / 15, 1920);

    app.menuClick({MenuItem::ViewMenu_Size, 125});
    EXPECT_EQ(f.view.tableScale(), 125);
    app.menuClick({MenuItem::ViewMenu_Larger});
    EXPECT_EQ(f.view.tableScale(), 150);
    EXPECT_EQ(f.settings.value("Display", "Scale"), "150");
    app.menuClick({MenuItem::GameMenu_Exit});
    EXPECT_EQ(f.settings.value("Display", "Scale"), "150");
}

// Guards a hand-edited Scale: named to the player once, then ignored for the first start's choice.
TEST_F(TableSizingTest, BadStoredSizeIsNamedAndIgnored) {
    f.settings.set("Display", "Scale", "huge");
    start();
    EXPECT_EQ(f.view.tableScale(), 200);
    ASSERT_EQ(f.messages.shown().size(), 1u);
    EXPECT_NE(f.messages.shown()[0].find("Display/Scale is \"huge\""), std::string::npos);
}

} // namespace
} // namespace tandora
