#include "platform/qt/qt_table_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/qt/screen_units.h"
#include "qt_test_app.h"

namespace tandora {
namespace {

std::string name(ControlRef c) {
    return std::string(controlName(c.control)) + (c.index > 0 ? std::to_string(c.index) : "");
}

// Writes what the window reports as one line per event.
class RecordingEvents : public TableEvents {
public:
    std::vector<std::string> log;
    bool allowUnload = true;

    void click(ControlRef c) override { log.push_back(name(c) + " click"); }
    void mouseDown(ControlRef c, int button, int shift, int x, int y) override {
        log.push_back(name(c) + " down " + mouse(button, shift, x, y));
    }
    void mouseUp(ControlRef c, int button, int shift, int x, int y) override {
        log.push_back(name(c) + " up " + mouse(button, shift, x, y));
    }
    void keyPress(int code) override { log.push_back("key " + std::to_string(code)); }
    void menuClick(MenuRef m) override {
        log.push_back("menu " + std::string(menuItemName(m.item)) + " " + std::to_string(m.index));
    }
    bool queryUnload() override {
        log.push_back("queryUnload");
        return allowUnload;
    }
    void lostFocus() override {}

private:
    static std::string mouse(int button, int shift, int x, int y) {
        return std::to_string(button) + " " + std::to_string(shift) + " " + std::to_string(x) + "," +
               std::to_string(y);
    }
};

// Plain colours instead of the artwork: picture n is a solid image whose red channel is n % 256.
QImage colourPicture(int number) {
    QImage image(600, 450, QImage::Format_RGB32);
    image.fill(QColor(number % 256, 40, 80));
    return image;
}

// A shown table with the pictures and places the game gives it at start.
class QtTableWindowTest : public testing::Test {
protected:
    QtTableWindowTest() : window(events, colourPicture) {
        window.setTableSize(541, 421);
        window.setGeometry({Control::pbMain}, {0, 0, 541, 421});
        window.setPicture({Control::pbMain}, 200);
        for (int i = 1; i <= 5; ++i) {
            window.setGeometry({Control::HandPos, i}, {52 + 88 * (i - 1), 198, 83, 116});
            window.setPicture({Control::HandPos, i}, 100 + i);
        }
        window.showWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        events.log.clear();
    }

    QApplication& app = test::qtApp();
    RecordingEvents events;
    QtTableWindow window;
};

// Guards against controls landing elsewhere than the game put them, or painting another picture.
TEST_F(QtTableWindowTest, ControlsShowTheirPictureWhereTheyWerePut) {
    EXPECT_EQ(window.controlWidget({Control::HandPos, 3})->geometry(), QRect(228, 198, 83, 116));
    EXPECT_EQ(window.centralWidget()->size(), QSize(541, 421));
    const QImage shown = window.grab().toImage();
    const QPoint inCard = window.centralWidget()->mapTo(&window, QPoint(228 + 5, 198 + 5));
    EXPECT_EQ(QColor(shown.pixel(inCard)).red(), 103);
    const QPoint onTable = window.centralWidget()->mapTo(&window, QPoint(5, 5));
    EXPECT_EQ(QColor(shown.pixel(onTable)).red(), 200);
}

// Guards the line above the recent files: a plain separator, never a menu entry reading "-".
TEST_F(QtTableWindowTest, RecentFilesSeparatorIsALine) {
    QAction* separator = window.menuAction({MenuItem::mnuFileList, 0});
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_TRUE(separator->text().isEmpty());
}

// Guards against the window showing another picture than the game's icon, 503.
TEST_F(QtTableWindowTest, WindowIconIsTheIconPicture) {
    ASSERT_FALSE(window.windowIcon().isNull());
    const QImage icon = window.windowIcon().pixmap(QSize(600, 450)).toImage();
    EXPECT_EQ(QColor(icon.pixel(10, 10)).red(), 503 % 256);
}

// Guards against the pay table, its highlights or the Double Up panel hiding behind one another.
TEST_F(QtTableWindowTest, OverlappingControlsStackAsTheTableNeeds) {
    const Rect grid{54, 33, 431, 156};
    const std::vector<Control> bottomToTop{Control::pbMain, Control::GridLabel, Control::WinHighlight,
                                           Control::imgDoubleUp};
    for (Control c : bottomToTop) {
        window.setGeometry({c}, grid);
    }
    for (auto top = bottomToTop.rbegin(); top != bottomToTop.rend(); ++top) {
        EXPECT_EQ(window.centralWidget()->childAt(100, 100), window.controlWidget({*top}))
            << controlName(*top);
        window.setVisible({*top}, false);
    }
}

struct MouseCase {
    const char* name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    QPoint releaseAt;
    bool enabled;
    std::vector<std::string> log;
};

void PrintTo(const MouseCase& c, std::ostream* os) {
    *os << c.name;
}

class QtTableWindowMouse : public QtTableWindowTest, public testing::WithParamInterface<MouseCase> {};

// Guards against a wrong order, button, shift or position code, against a click from anything but a left
// press and release on the control, and against a disabled control reacting at all.
TEST_P(QtTableWindowMouse, ReportsPressReleaseAndClick) {
    const MouseCase& c = GetParam();
    window.setEnabled({Control::HandPos, 3}, c.enabled);
    QWidget* card = window.controlWidget({Control::HandPos, 3});
    QTest::mousePress(card, c.button, c.modifiers, QPoint(10, 20));
    QTest::mouseRelease(card, c.button, c.modifiers, c.releaseAt);
    EXPECT_EQ(events.log, c.log);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, QtTableWindowMouse,
    testing::Values(
        MouseCase{"left", Qt::LeftButton, {}, {10, 20}, true,
                  {"HandPos3 down 1 0 10,20", "HandPos3 up 1 0 10,20", "HandPos3 click"}},
        MouseCase{"shiftLeft", Qt::LeftButton, Qt::ShiftModifier, {10, 20}, true,
                  {"HandPos3 down 1 1 10,20", "HandPos3 up 1 1 10,20", "HandPos3 click"}},
        MouseCase{"right", Qt::RightButton, {}, {10, 20}, true, {"HandPos3 down 2 0 10,20", "HandPos3 up 2 0 10,20"}},
        MouseCase{"releasedOutside", Qt::LeftButton, {}, {100, 20}, true,
                  {"HandPos3 down 1 0 10,20", "HandPos3 up 1 0 100,20"}},
        MouseCase{"disabled", Qt::LeftButton, {}, {10, 20}, false, {}}),
    [](const testing::TestParamInfo<MouseCase>& row) { return std::string(row.param.name); });
// clang-format on

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::vector<std::string> log;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class QtTableWindowKeys : public QtTableWindowTest, public testing::WithParamInterface<KeyCase> {};

// Guards against typed characters not reaching the game, and against the game eating the menu shortcuts.
TEST_P(QtTableWindowKeys, TypedCharactersAndShortcutsGoTheirWays) {
    const KeyCase& c = GetParam();
    QTest::keyClick(&window, c.key, c.modifiers);
    EXPECT_EQ(events.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QtTableWindowKeys,
    testing::Values(KeyCase{"d", Qt::Key_D, {}, {"key 100"}}, KeyCase{"three", Qt::Key_3, {}, {"key 51"}},
                    KeyCase{"enter", Qt::Key_Return, {}, {"key 13"}},
                    KeyCase{"ctrlN", Qt::Key_N, Qt::ControlModifier, {"menu GameMenu_NewGame 0"}},
                    KeyCase{"ctrlA", Qt::Key_A, Qt::ControlModifier, {"menu mnuAddCredits_AddDefault 0"}},
                    KeyCase{"f1", Qt::Key_F1, {}, {"menu HelpMenu_Contents 0"}}),
    [](const testing::TestParamInfo<KeyCase>& row) { return std::string(row.param.name); });

// Guards against a click flipping an option's check mark behind the game's back.
TEST_F(QtTableWindowTest, MenuClicksReportWithoutTouchingCheckMarks) {
    const MenuRef doubleUp{MenuItem::OptionsMenu_DoubleUp};
    const MenuRef recent{MenuItem::mnuFileList, 2};
    for (bool checked : {true, false}) {
        window.setMenuChecked(doubleUp, checked);
        window.menuAction(doubleUp)->trigger();
        EXPECT_EQ(window.menuAction(doubleUp)->isChecked(), checked);
    }
    window.setMenuVisible(recent, true);
    window.menuAction(recent)->trigger();
    EXPECT_EQ(events.log, (std::vector<std::string>{"menu OptionsMenu_DoubleUp 0",
                                                    "menu OptionsMenu_DoubleUp 0", "menu mnuFileList 2"}));
}

// Guards the menu bar's order: the designed menus keep their places and captions, the Strategy menu comes
// between Add Credits and Help, and its items, marks and Ctrl+H are as the help describes them.
TEST_F(QtTableWindowTest, StrategyMenuSitsBeforeHelp) {
    QStringList bar;
    for (const QAction* menu : window.menuBar()->actions())
        bar << menu->text();
    EXPECT_EQ(bar, (QStringList{"&Game", "&Options", "Add &Credits", "&Strategy", "&View", "&Help"}));

    QStringList items;
    for (const QAction* item : window.menuAction({MenuItem::StrategyMenu})->menu()->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(items,
              (QStringList{"Show &Best Hold", "&Trainer", "-", "Hold &Analysis...", "Strategy &Chart..."}));
    EXPECT_TRUE(window.menuAction({MenuItem::StrategyMenu_Trainer})->isCheckable());
    EXPECT_EQ(window.menuAction({MenuItem::StrategyMenu_HoldAnalysis})->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_H));

    window.menuAction({MenuItem::StrategyMenu_HoldAnalysis})->trigger();
    EXPECT_EQ(events.log, (std::vector<std::string>{"menu StrategyMenu_HoldAnalysis 0"}));
}

// Guards the table at other sizes: a chosen size and a dragged window both show the whole table scaled to
// fit, centred on the cabinet's grey, and a press on a card reports the design's pixels within it.
TEST_F(QtTableWindowTest, ScaledTableFillsTheWindowAndMapsTheMouse) {
    window.setTableScale(150);
    EXPECT_EQ(window.tableScale(), 150);
    EXPECT_EQ(window.centralWidget()->size(), QSize(811, 631));
    QWidget* card = window.controlWidget({Control::HandPos, 3});
    EXPECT_EQ(card->geometry(), QRect(342, 297, 124, 174));
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(61, 87));
    EXPECT_EQ(events.log, (std::vector<std::string>{"HandPos3 down 1 0 41,58", "HandPos3 up 1 0 41,58",
                                                    "HandPos3 click"}));

    // Wider than the table's proportions: the height decides, the spare width is split on both sides.
    window.resize(1200, window.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.tableScale(), 150);
    const QWidget* table = card->parentWidget();
    EXPECT_EQ(table->geometry(), QRect((1200 - 811) / 2, 0, 811, 631));
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(window.centralWidget()->mapTo(&window, QPoint(5, 300)))),
              QColor(96, 100, 110));
}

// Guards against the close box closing a game the player chose to keep, and against asking twice when the
// game closes the window itself.
TEST_F(QtTableWindowTest, CloseAsksTheGameUnlessTheGameCloses) {
    events.allowUnload = false;
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.QWidget::isVisible());
    window.closeWindow();
    EXPECT_FALSE(window.QWidget::isVisible());
    EXPECT_EQ(events.log, std::vector<std::string>{"queryUnload"});
}

// Guards against placing the window in pixels where the game speaks twips.
TEST_F(QtTableWindowTest, WindowPositionIsInTwips) {
    const int tx = twipsPerPixelX();
    const int ty = twipsPerPixelY();
    window.setWindowPosition(100.0 * tx, 60.0 * ty);
    EXPECT_EQ(window.pos(), QPoint(100, 60));
    EXPECT_EQ(window.windowLeft(), 100.0 * tx);
    EXPECT_EQ(window.windowTop(), 60.0 * ty);
    EXPECT_GE(window.windowWidthTwips(), 541 * tx);
}

} // namespace
} // namespace tandora
