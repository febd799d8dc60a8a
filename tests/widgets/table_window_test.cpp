// The real window driven by the real logic, offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "platform/qt/picture_control.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_table_window.h"
#include "platform/table_presenter.h"
#include "resources/resource_catalogue.h"
#include "shell/tandora_app.h"
#include "tests/platform_qt/qt_test_app.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using namespace testing_support;

class RelayToApp : public TableEvents {
public:
    TandoraApp* app = nullptr;
    void click(ControlRef c) override { app->click(c); }
    void mouseDown(ControlRef c, int b, int s, int x, int y) override { app->mouseDown(c, b, s, x, y); }
    void mouseUp(ControlRef c, int b, int s, int x, int y) override { app->mouseUp(c, b, s, x, y); }
    void keyPress(int code) override { app->keyPress(code); }
    void menuClick(MenuRef item) override { app->menuClick(item); }
    bool queryUnload() override { return app->queryUnload(); }
    void lostFocus() override { app->lostFocus(); }
};

class TableWindowTest : public ::testing::Test {
protected:
    TableWindowTest() {
        // The designed size, whatever the test screen's size would choose.
        (void)settings.saveSetting("Tandora", "Display", "Scale", "100");
        app.emplace(platform, fakes.splash, hooks);
        relay.app = &*app;
    }

    int picture(ControlRef ref) const {
        return static_cast<PictureControl*>(window.controlWidget(ref))->picture();
    }
    // What the window shows where a control sits, as the player sees it.
    QImage shown(ControlRef ref) {
        return window.controlWidget({Control::pbMain})
            ->parentWidget()
            ->grab(window.controlWidget(ref)->geometry())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    QApplication& qt = test::qtApp(); // before any widget
    FakePlatform fakes;
    QTemporaryDir folder;
    QtSettingsStore settings{folder.path()};
    RelayToApp relay;
    QtTableWindow window{relay};
    TablePresenter presenter{window};
    ShellHooks hooks;
    Platform platform{.view = presenter,
                      .messages = fakes.messages,
                      .dialogs = fakes.dialogs,
                      .fileDialogs = fakes.fileDialogs,
                      .files = fakes.files,
                      .desktop = fakes.desktop,
                      .settings = settings,
                      .sound = fakes.sound,
                      .clock = fakes.clock,
                      .random = fakes.random,
                      .system = fakes.system,
                      .printer = fakes.printer,
                      .help = fakes.help};
    std::optional<TandoraApp> app;
};

// Guards the whole start: the logic's set-up reaches the real widgets, and the table appears after the
// splash.
TEST_F(TableWindowTest, StartsWithTheTableAsDesigned) {
    ASSERT_TRUE(app->start());
    EXPECT_FALSE(window.QMainWindow::isVisible());
    fakes.splash.fireTimer();
    EXPECT_TRUE(window.QMainWindow::isVisible());
    EXPECT_EQ(window.windowTitle(), "Tandora - [untitled]");
    EXPECT_EQ(picture({Control::HandPos, 2}), 100);
    EXPECT_EQ(window.controlWidget({Control::HandPos, 2})->geometry(), QRect(140, 198, 83, 116));
    EXPECT_TRUE(window.menuAction({MenuItem::OptionsMenu_JacksOrBetter})->isChecked());
    EXPECT_TRUE(window.menuAction({MenuItem::GameMenu_Stats})->isEnabled());

    const QImage card = ResourceCatalogue::instance().picture(100).convertToFormat(QImage::Format_RGB32);
    const QImage onScreen = shown({Control::HandPos, 2});
    // The card's rounded corners let the table show through; its middle must be the card itself.
    EXPECT_EQ(onScreen.pixel(41, 58), card.pixel(41, 58));
    EXPECT_EQ(onScreen.pixel(20, 80), card.pixel(20, 80));
}

// Guards a game change from the real menu: the new pay table is on screen, and exiting stores the choice.
TEST_F(TableWindowTest, GameMenuSwitchesAndExitSavesTheChoice) {
    ASSERT_TRUE(app->start());
    fakes.splash.fireTimer();
    window.menuAction({MenuItem::OptionsMenu_JokerPoker})->trigger();
    EXPECT_EQ(picture({Control::GridLabel}), 5000);
    EXPECT_TRUE(window.menuAction({MenuItem::OptionsMenu_JokerPoker})->isChecked());
    EXPECT_FALSE(window.menuAction({MenuItem::OptionsMenu_JacksOrBetter})->isChecked());
    const QImage table = ResourceCatalogue::instance().picture(5000).convertToFormat(QImage::Format_RGB32);
    const QImage onScreen = shown({Control::GridLabel});
    EXPECT_EQ(onScreen.pixel(100, 60), table.pixel(100, 60));
    EXPECT_EQ(onScreen.pixel(300, 150), table.pixel(300, 150));

    fakes.messages.answer({MsgAnswer::No}); // the game changed: leave it unsaved
    window.menuAction({MenuItem::GameMenu_Exit})->trigger();
    EXPECT_FALSE(window.QMainWindow::isVisible());
    QSettings ini(folder.filePath("Tandora.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Options/JokerPoker").toString(), "True");
    EXPECT_EQ(ini.value("Options/JacksOrBetter").toString(), "False");
}

// Guards a hand played on the real window: typed keys and mouse clicks reach the game, the cards and
// counters appear on screen, and the Double Up question answers to a click in its YES area.
TEST_F(TableWindowTest, HandPlaysWithTheKeyboardAndTheMouse) {
    ASSERT_TRUE(app->start());
    fakes.splash.fireTimer();
    QTest::keyClick(&window, Qt::Key_Dollar, Qt::ShiftModifier);
    for (const char* card : {"Kh", "Kd", "Jh", "Ks", "5c"})
        fakes.random.cards({*parseCard(card)});
    QTest::keyClicks(&window, "p124");
    EXPECT_EQ(picture({Control::HandPos, 4}), 152);
    EXPECT_EQ(picture({Control::Hold, 2}), 6103);
    EXPECT_EQ(picture({Control::Credits, 3}), 1007);
    const QImage king = ResourceCatalogue::instance().picture(152).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown({Control::HandPos, 4}).pixel(41, 58), king.pixel(41, 58));

    fakes.random.cards({*parseCard("Qd"), *parseCard("3d")});
    QTest::mouseClick(window.controlWidget({Control::Deal}), Qt::LeftButton);
    ASSERT_TRUE(window.controlWidget({Control::imgDoubleUp})->isVisible());
    fakes.random.cards({*parseCard("Tc")});
    QTest::mouseClick(window.controlWidget({Control::imgDoubleUp}), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(picture({Control::HandPos, 1}), 136);
    EXPECT_EQ(picture({Control::imgDoubleUp}), 2002);
    EXPECT_TRUE(window.controlWidget({Control::Hold, 3})->isEnabled());
}

// Guards F1 on the real window: it opens the help as Help Topics does.
TEST_F(TableWindowTest, F1OpensTheHelp) {
    ASSERT_TRUE(app->start());
    fakes.splash.fireTimer();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(fakes.log.matching("help "), (std::vector<std::string>{"help welcome"}));
}

} // namespace
} // namespace tandora
