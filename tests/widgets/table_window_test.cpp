// The table window offscreen: alone with a recorder of what it reports, and driven by the real logic.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>

#include "app/event_relay.h"
#include "platform/qt/picture_control.h"
#include "platform/qt/qt_table_window.h"
#include "platform/table_presenter.h"
#include "shell/tandora_app.h"
#include "tests/platform_qt/qt_test_app.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using namespace testing_support;

// Writes what the window reports, one line per event.
class Recorder : public TableEvents {
public:
    std::vector<std::string> log;
    void click(ControlRef c) override { log.push_back(name(c) + " click"); }
    void mouseDown(ControlRef c, int b, int s, int x, int y) override { mouse(c, "down", b, s, x, y); }
    void mouseUp(ControlRef c, int b, int s, int x, int y) override { mouse(c, "up", b, s, x, y); }
    void keyPress(int code) override { log.push_back("key " + std::to_string(code)); }
    void menuClick(MenuRef m) override { log.push_back("menu " + std::string(menuItemName(m.item))); }
    bool queryUnload() override { return log.push_back("queryUnload"), false; } // the game says stay
    void lostFocus() override {}

private:
    static std::string name(ControlRef c) {
        return std::string(controlName(c.control)) + std::to_string(c.index);
    }
    void mouse(ControlRef c, const char* what, int b, int s, int x, int y) {
        log.push_back(name(c) + QString::asprintf(" %s %d %d %d,%d", what, b, s, x, y).toStdString());
    }
};

// Guards the window's mapping at a scale other than 1: presses and releases report their button, shift
// and the design's pixels, only a left press and release on the control clicks, a disabled control says
// nothing, typed characters reach the game and menu shortcuts and Alt keys the menus; the window's states; a
// window dragged wider keeps the table's proportions, centred. And the menu bar's order and the Strategy
// items, a click never flipping a check mark behind the game's back, and the close box asking the game once
// (never when the game closes the window itself).
TEST(QtTableWindow, MapsInputAtAnyScaleReportsMenusAsTheyAreAndAsksBeforeClosing) {
    test::qtApp();
    Recorder events;
    QtTableWindow window(events, [](int) { return QImage(600, 450, QImage::Format_RGB32); });
    window.setTableSize(541, 421);
    window.setGeometry({Control::HandPos, 3}, {228, 198, 83, 116});
    window.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.setTableScale(150);
    QWidget* card = window.controlWidget({Control::HandPos, 3});
    EXPECT_EQ(card->geometry(), QRect(342, 297, 124, 174));
    QTest::mouseClick(card, Qt::LeftButton, Qt::ShiftModifier, QPoint(61, 87));
    QTest::mouseClick(card, Qt::RightButton, {}, QPoint(3, 3));
    QTest::mousePress(card, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(card, Qt::LeftButton, {}, QPoint(150, 3));
    window.setEnabled({Control::HandPos, 3}, false);
    QTest::mouseClick(card, Qt::LeftButton);
    QTest::keyClicks(&window, "d\r");
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Z, Qt::AltModifier); // the menu bar's, never typed into the game
    window.resize(1200, window.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.tableScale(), 150);
    EXPECT_EQ(card->parentWidget()->geometry(), QRect((1200 - 811) / 2, 0, 811, 631));
    for (const int state : {1, 2, 0}) { // minimised, maximised, normal
        window.setWindowState(state);
        EXPECT_EQ(window.windowState(), state);
    }

    QStringList bar, items;
    for (const QAction* menu : window.menuBar()->actions())
        bar << menu->text();
    EXPECT_EQ(bar, (QStringList{"&Game", "&Options", "Add &Credits", "&Strategy", "&View", "&Help"}));
    for (const QAction* item : window.menuAction({MenuItem::StrategyMenu})->menu()->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(items,
              (QStringList{"Show &Best Hold", "&Trainer", "-", "Hold &Analysis...", "Strategy &Chart..."}));
    const MenuRef doubleUp{MenuItem::OptionsMenu_DoubleUp};
    for (bool checked : {true, false}) {
        window.setMenuChecked(doubleUp, checked);
        window.menuAction(doubleUp)->trigger();
        EXPECT_EQ(window.menuAction(doubleUp)->isChecked(), checked);
    }
    EXPECT_FALSE(window.close());
    window.closeWindow();
    EXPECT_FALSE(window.QWidget::isVisible());
    EXPECT_EQ(events.log, (std::vector<std::string>{
                              "HandPos3 down 1 1 41,58", "HandPos3 up 1 1 41,58", "HandPos3 click",
                              "HandPos3 down 2 0 2,2", "HandPos3 up 2 0 2,2", "HandPos3 down 1 0 2,2",
                              "HandPos3 up 1 0 100,2", "key 100", "key 13", "menu GameMenu_NewGame",
                              "menu OptionsMenu_DoubleUp", "menu OptionsMenu_DoubleUp", "queryUnload"}));
}

// Guards hands played on the real window at one and a half times the size, wired as the program wires it:
// typed keys and mouse clicks reach the game, and the Double Up question answers a click in its YES area,
// not one between YES and NO.
TEST(TableWindow, HandPlaysWithTheKeyboardAndTheMouseAndDoubleUpAnswersItsYesArea) {
    test::qtApp(); // before any widget
    FakePlatform fakes;
    fakes.settings.set("Display", "Scale", "150");
    EventRelay relay;
    QtTableWindow window{relay};
    TablePresenter presenter{window};
    // Every member has its own type, so the order cannot be mixed up unnoticed.
    Platform platform{presenter,     fakes.messages, fakes.dialogs, fakes.fileDialogs, fakes.files,
                      fakes.desktop, fakes.settings, fakes.sound,   fakes.clock,       fakes.random,
                      fakes.system,  fakes.printer,  fakes.help};
    ShellHooks hooks;
    TandoraApp app(platform, fakes.splash, hooks);
    relay.setTarget(&app);
    ASSERT_TRUE(app.start());
    fakes.splash.fireTimer();
    const auto picture = [&](ControlRef c) {
        return static_cast<PictureControl*>(window.controlWidget(c))->picture();
    };
    QTest::keyClick(&window, Qt::Key_Dollar, Qt::ShiftModifier);
    for (const char* card : {"Kh", "Kd", "Jh", "Ks", "5c", "Qd", "3d", "Tc"}) // the deal, then the draw
        fakes.random.cards({*parseCard(card)});
    QTest::keyClicks(&window, "p124");
    EXPECT_EQ(picture({Control::HandPos, 4}), 152);
    EXPECT_EQ(picture({Control::Hold, 2}), 6103);
    QTest::mouseClick(window.controlWidget({Control::Deal}), Qt::LeftButton);
    QWidget* panel = window.controlWidget({Control::imgDoubleUp});
    ASSERT_TRUE(panel->isVisible());
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(225, 150)); // between YES and NO
    EXPECT_EQ(picture({Control::imgDoubleUp}), 2001);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(picture({Control::HandPos, 1}), 136);
    EXPECT_EQ(picture({Control::imgDoubleUp}), 2002);
}

} // namespace
} // namespace tandora
