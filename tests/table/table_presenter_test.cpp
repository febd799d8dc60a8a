#include <gtest/gtest.h>

#include <map>

#include "platform/key_bindings.h"
#include "platform/table_presenter.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

// The classic table's controls as plain values, counting every call that reaches them.
class RecordingSurface : public ControlSurface {
public:
    struct State {
        int picture = 0;
        bool visible = true, enabled = true;
        std::string tip;
    };
    struct Menu {
        bool checked = false, enabled = true, visible = true;
        std::string caption;
    };
    void setPicture(ControlRef c, int p) override { at(c).picture = p; }
    void setGeometry(ControlRef, Rect) override {}
    void setVisible(ControlRef c, bool v) override { at(c).visible = v; }
    void setEnabled(ControlRef c, bool e) override { at(c).enabled = e; }
    void setToolTip(ControlRef c, const std::string& text) override { at(c).tip = text; }
    void setMenuChecked(MenuRef m, bool v) override { menu(m).checked = v; }
    void setMenuEnabled(MenuRef m, bool v) override { menu(m).enabled = v; }
    void setMenuVisible(MenuRef m, bool v) override { menu(m).visible = v; }
    void setMenuCaption(MenuRef m, const std::string& text) override { menu(m).caption = text; }
    void setCaption(const std::string&) override {}
    void setBusyPointer(bool) override {}
    void setTableSize(int, int) override {}
    void setWindowState(int) override {}
    int windowState() const override { return 0; }
    void setWindowPosition(double, double) override {}
    double windowLeft() const override { return 0; }
    double windowTop() const override { return 0; }
    void setTableScale(int) override {}
    int tableScale() const override { return 100; }
    int windowWidthTwips() const override { return 0; }
    int windowHeightTwips() const override { return 0; }
    void repaint() override {}
    void showWindow() override {}
    void closeWindow() override {}

    State& at(ControlRef c) {
        ++calls;
        return controls[{static_cast<int>(c.control), c.index}];
    }
    Menu& menu(MenuRef m) {
        ++calls;
        return menus[{static_cast<int>(m.item), m.index}];
    }
    // The digits a counter lights, from its leftmost shown cell.
    std::string digits(Control c, int first) {
        std::string text;
        for (int i = first; i <= 4; ++i)
            if (at({c, i}).visible)
                text += static_cast<char>('0' + at({c, i}).picture - 1000);
        return text;
    }

    std::map<std::pair<int, int>, State> controls;
    std::map<std::pair<int, int>, Menu> menus;
    int calls = 0;
};

class TablePresenterTest : public ::testing::Test {
protected:
    RecordingSurface surface;
    TablePresenter presenter{surface};
    TableScene scene;
};

// Guards the counters: four digits padded, a fifth CREDITS digit lit from 10,000 and dark again below it,
// and lit again for the next game's amount (it once showed 5000 for 15,000); the hint for a game without
// credits.
TEST_F(TablePresenterTest, CountersLightTheirDigits) {
    const std::pair<std::int64_t, const char*> credits[] = {
        {7, "0007"}, {12000, "12000"}, {500, "0500"}, {15000, "15000"}};
    for (const auto& [amount, shown] : credits) {
        scene.credits = amount;
        presenter.show(scene);
        EXPECT_EQ(surface.digits(Control::Credits, 0), shown);
    }
    scene.paid = 4000;
    scene.coins = 5;
    presenter.show(scene);
    EXPECT_EQ(surface.digits(Control::Paid, 1), "4000");
    EXPECT_EQ(surface.at({Control::Coins}).picture, 1005);
    EXPECT_FALSE(surface.at({Control::CreditsHint}).visible);
    scene.addCreditsHint = true;
    presenter.show(scene);
    EXPECT_TRUE(surface.at({Control::CreditsHint}).visible);
}

// Guards the menus: a Double Up locks exactly its eight commands, the marks follow the scene, recent entries
// show with their separator only when there are any; the tooltips; and a scene shown twice touches nothing
// the second time.
TEST_F(TablePresenterTest, MenusFollowTheSceneAndOnlyChangesReachTheControls) {
    scene.doubleUpLocksMenus = true;
    scene.marks.doubleUp = true;
    scene.recentFiles[0] = "&1 /g/a.tn2";
    presenter.show(scene);
    for (const MenuItem m : {MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JacksOrBetter,
                             MenuItem::OptionsMenu_DoubleUp, MenuItem::OptionsMenu_SelectDeck,
                             MenuItem::OptionsMenu_SoundEffects, MenuItem::AddCreditsMenu,
                             MenuItem::GameMenu_SaveGame, MenuItem::GameMenu_SaveGameAs})
        EXPECT_FALSE(surface.menu({m}).enabled);
    EXPECT_TRUE(surface.menu({MenuItem::OptionsMenu_JokerPoker}).enabled);
    EXPECT_TRUE(surface.menu({MenuItem::OptionsMenu_DoubleUp}).checked);
    EXPECT_TRUE(surface.menu({MenuItem::OptionsMenu_JacksOrBetter}).checked);
    EXPECT_TRUE(surface.menu({MenuItem::mnuFileList, 0}).visible);
    EXPECT_EQ(surface.menu({MenuItem::mnuFileList, 1}).caption, "&1 /g/a.tn2");
    EXPECT_FALSE(surface.menu({MenuItem::mnuFileList, 2}).visible);
    EXPECT_EQ(surface.at({Control::MaxBet}).tip, "Play Max: bet five coins and deal (key P or M)");
    EXPECT_EQ(surface.at({Control::HandPos, 4}).tip, "Hold or release this card (key 4)");
    const int calls = surface.calls;
    presenter.show(scene);
    EXPECT_EQ(surface.calls, calls);
    scene.recentFiles[0].clear();
    scene.doubleUpLocksMenus = false;
    presenter.show(scene);
    EXPECT_FALSE(surface.menu({MenuItem::mnuFileList, 0}).visible);
    EXPECT_TRUE(surface.menu({MenuItem::AddCreditsMenu}).enabled);
}

} // namespace
} // namespace tandora
