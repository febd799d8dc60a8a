#include <gtest/gtest.h>

#include <map>

#include "platform/key_bindings.h"
#include "platform/pictures.h"
#include "platform/table_presenter.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

// The classic table's controls as plain values, counting every call that reaches them.
class RecordingSurface : public ControlSurface {
public:
    struct State {
        int picture = 0;
        Rect rect;
        bool visible = true;
        bool enabled = true;
        std::string tip;
    };
    struct Menu {
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        std::string caption;
    };
    void setPicture(ControlRef c, int p) override { at(c).picture = p; }
    void setGeometry(ControlRef c, Rect r) override { at(c).rect = r; }
    void setVisible(ControlRef c, bool v) override { at(c).visible = v; }
    void setEnabled(ControlRef c, bool e) override { at(c).enabled = e; }
    void setToolTip(ControlRef c, const std::string& text) override { at(c).tip = text; }
    void setMenuChecked(MenuRef m, bool v) override { menu(m).checked = v; }
    void setMenuEnabled(MenuRef m, bool v) override { menu(m).enabled = v; }
    void setMenuVisible(MenuRef m, bool v) override { menu(m).visible = v; }
    void setMenuCaption(MenuRef m, const std::string& text) override { menu(m).caption = text; }
    void setCaption(const std::string& text) override { caption = text; }
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
    const State& of(Control c, int index = 0) { return controls[{static_cast<int>(c), index}]; }
    const Menu& menuOf(MenuItem m, int index = 0) { return menus[{static_cast<int>(m), index}]; }
    // The digits a counter lights, from its leftmost shown cell.
    std::string digits(Control c, int first) {
        std::string text;
        for (int i = first; i <= 4; ++i)
            if (of(c, i).visible)
                text += static_cast<char>('0' + of(c, i).picture - 1000);
        return text;
    }

    std::map<std::pair<int, int>, State> controls;
    std::map<std::pair<int, int>, Menu> menus;
    std::string caption;
    int calls = 0;
};

class TablePresenterTest : public ::testing::Test {
protected:
    RecordingSurface surface;
    TablePresenter presenter{surface};
    TableScene scene;
};

// Guards each game's pay table and side labels, with their places.
TEST_F(TablePresenterTest, ShowsTheGamesTableAndSideLabels) {
    struct Row {
        GameType game;
        int table, left;
        Rect leftPlace;
        int right; // 0: none
    };
    for (const Row& r : {Row{GameType::JacksOrBetter85, 8500, 2000, {161, 170, 220, 19}, 0},
                         Row{GameType::JacksOrBetter96, 9600, 2000, {161, 170, 220, 19}, 0},
                         Row{GameType::DeucesWild, 4000, 4006, {30, 115, 16, 120}, 4007},
                         Row{GameType::JokerPoker, 5000, 5006, {28, 115, 18, 103}, 5007}}) {
        SCOPED_TRACE(gameCode(r.game));
        scene.game = r.game;
        presenter.show(scene);
        EXPECT_EQ(surface.of(Control::GridLabel).picture, r.table);
        EXPECT_EQ(surface.of(Control::GridLabel).rect, (Rect{54, 33, 431, 156}));
        EXPECT_EQ(surface.of(Control::LabelLeft).picture, r.left);
        EXPECT_EQ(surface.of(Control::LabelLeft).rect, r.leftPlace);
        EXPECT_EQ(surface.of(Control::LabelRight).visible, r.right != 0);
        if (r.right != 0) {
            EXPECT_EQ(surface.of(Control::LabelRight).picture, r.right);
        }
    }
}

// Guards the card pictures: the deck's back and faces, the wild deuces of Deuces Wild only (also for a card
// already on the table when the game changes), the joker.
TEST_F(TablePresenterTest, CardsFollowTheDeckAndTheGame) {
    scene.cards = {CardBackCode, 15, 0, 1, 52};
    presenter.show(scene);
    EXPECT_EQ(surface.of(Control::HandPos, 1).picture, 100);
    EXPECT_EQ(surface.of(Control::HandPos, 2).picture, 115);
    EXPECT_EQ(surface.of(Control::HandPos, 3).picture, 153);
    scene.game = GameType::DeucesWild;
    presenter.show(scene);
    EXPECT_EQ(surface.of(Control::HandPos, 2).picture, 315);
    scene.deck = Deck::Blue;
    presenter.show(scene);
    EXPECT_EQ(surface.of(Control::HandPos, 1).picture, 200);
    EXPECT_EQ(surface.of(Control::HandPos, 2).picture, 415);
    EXPECT_EQ(surface.of(Control::HandPos, 5).picture, 252);
}

// Guards the counters: four digits padded, a fifth CREDITS digit lit from 10,000 and dark again below it,
// and lit again for the next game's amount (it once showed 5000 for 15,000).
TEST_F(TablePresenterTest, CountersLightTheirDigits) {
    const std::pair<std::int64_t, const char*> credits[] = {{7, "0007"},      {12000, "12000"}, {500, "0500"},
                                                            {15000, "15000"}, {99999, "99999"}, {0, "0000"}};
    for (const auto& [amount, shown] : credits) {
        scene.credits = amount;
        presenter.show(scene);
        EXPECT_EQ(surface.digits(Control::Credits, 0), shown);
    }
    scene.paid = 4000;
    scene.coins = 5;
    presenter.show(scene);
    EXPECT_EQ(surface.digits(Control::Paid, 1), "4000");
    EXPECT_EQ(surface.of(Control::Coins).picture, 1005);
}

// Guards the buttons' three looks: enabled, greyed, pressed (never pressed while greyed), the Deal button's
// Deal and Draw faces, and the dollar button's two pictures.
TEST_F(TablePresenterTest, ButtonsShowTheirLooks) {
    scene.bet1Enabled = true;
    scene.dealEnabled = true;
    scene.dealFace = DealFace::Draw;
    presenter.show(scene);
    EXPECT_EQ(surface.of(Control::Bet1).picture, 6006);
    EXPECT_EQ(surface.of(Control::MaxBet).picture, 6008);
    EXPECT_FALSE(surface.of(Control::MaxBet).enabled);
    EXPECT_EQ(surface.of(Control::Deal).picture, 6015);
    EXPECT_EQ(surface.of(Control::CashOut).picture, 6002);
    EXPECT_EQ(surface.of(Control::CashIn).picture, 6016);
    EXPECT_EQ(surface.of(Control::MaxBet).tip, "Play Max: bet five coins and deal (key P or M)");
    EXPECT_EQ(surface.of(Control::HandPos, 4).tip, "Hold or release this card (key 4)");
    presenter.showPressed(Button::Deal, true);
    EXPECT_EQ(surface.of(Control::Deal).picture, 6013);
    presenter.showPressed(Button::CashIn, true);
    EXPECT_EQ(surface.of(Control::CashIn).picture, 6017);
    scene.dealEnabled = false;
    scene.dealFace = DealFace::Deal;
    presenter.show(scene);
    EXPECT_EQ(surface.of(Control::Deal).picture, 6011);
    presenter.showPressed(Button::Deal, false);
    scene.dealEnabled = true;
    presenter.show(scene);
    EXPECT_EQ(surface.of(Control::Deal).picture, 6012);
}

// Guards where the marks of a hand sit: the strip on its row of each game's table, the coin column by
// game and coins, the Double Up question and pick banner; and the hint for a game without credits.
TEST_F(TablePresenterTest, StripColumnAndDoubleUpSitWhereTheTableSays) {
    scene.winStrip = HandCategory::FullHouse;
    scene.coinColumn = 3;
    scene.doubleUp = DoubleUpPanel::Question;
    presenter.show(scene);
    EXPECT_EQ(surface.of(Control::WinHighlight).picture, 3008);
    EXPECT_EQ(surface.of(Control::WinHighlight).rect, (Rect{57, 76, 136, 13}));
    EXPECT_EQ(surface.of(Control::CoinHighlight).picture, 8503);
    EXPECT_EQ(surface.of(Control::CoinHighlight).rect, (Rect{310, 35, 57, 124}));
    EXPECT_EQ(surface.of(Control::imgDoubleUp).picture, 2001);
    EXPECT_EQ(surface.of(Control::imgDoubleUp).rect, (Rect{120, 55, 304, 129}));
    scene.game = GameType::JokerPoker;
    scene.winStrip = HandCategory::HighPair;
    scene.doubleUp = DoubleUpPanel::Pick;
    presenter.show(scene);
    EXPECT_EQ(surface.of(Control::WinHighlight).picture, 3012);
    EXPECT_EQ(surface.of(Control::WinHighlight).rect.top, 174);
    EXPECT_EQ(surface.of(Control::CoinHighlight).picture, 5003);
    EXPECT_EQ(surface.of(Control::CoinHighlight).rect.height, 152);
    EXPECT_EQ(surface.of(Control::imgDoubleUp).rect, (Rect{154, 106, 240, 38}));
    EXPECT_FALSE(surface.of(Control::CreditsHint).visible);
    scene.winStrip = HandCategory::NoWin;
    scene.coinColumn = 0;
    scene.doubleUp = DoubleUpPanel::None;
    scene.addCreditsHint = true;
    presenter.show(scene);
    EXPECT_TRUE(surface.of(Control::CreditsHint).visible);
    EXPECT_EQ(surface.of(Control::CreditsHint).picture, AddCreditsHintPicture);
    EXPECT_FALSE(surface.of(Control::WinHighlight).visible || surface.of(Control::CoinHighlight).visible ||
                 surface.of(Control::imgDoubleUp).visible);
}

// Guards the menus: a Double Up locks exactly its eight commands, the marks follow the scene, recent entries
// show with their separator only when there are any; and a scene shown twice touches nothing the second time.
TEST_F(TablePresenterTest, MenusFollowTheSceneAndOnlyChangesReachTheControls) {
    scene.doubleUpLocksMenus = true;
    scene.marks.doubleUp = true;
    scene.recentFiles[0] = "&1 /g/a.tn2";
    presenter.show(scene);
    for (const MenuItem m : {MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JacksOrBetter,
                             MenuItem::OptionsMenu_DoubleUp, MenuItem::OptionsMenu_SelectDeck,
                             MenuItem::OptionsMenu_SoundEffects, MenuItem::AddCreditsMenu,
                             MenuItem::GameMenu_SaveGame, MenuItem::GameMenu_SaveGameAs})
        EXPECT_FALSE(surface.menuOf(m).enabled);
    EXPECT_TRUE(surface.menuOf(MenuItem::OptionsMenu_JokerPoker).enabled);
    EXPECT_TRUE(surface.menuOf(MenuItem::OptionsMenu_DoubleUp).checked);
    EXPECT_TRUE(surface.menuOf(MenuItem::OptionsMenu_JacksOrBetter).checked);
    EXPECT_TRUE(surface.menuOf(MenuItem::mnuFileList, 0).visible);
    EXPECT_EQ(surface.menuOf(MenuItem::mnuFileList, 1).caption, "&1 /g/a.tn2");
    EXPECT_FALSE(surface.menuOf(MenuItem::mnuFileList, 2).visible);
    const int calls = surface.calls;
    presenter.show(scene);
    EXPECT_EQ(surface.calls, calls);
    scene.recentFiles[0].clear();
    scene.doubleUpLocksMenus = false;
    presenter.show(scene);
    EXPECT_FALSE(surface.menuOf(MenuItem::mnuFileList, 0).visible);
    EXPECT_TRUE(surface.menuOf(MenuItem::AddCreditsMenu).enabled);
}

} // namespace
} // namespace tandora
