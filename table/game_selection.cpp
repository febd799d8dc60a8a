#include "table/game_selection.h"

#include "engine/pay_table.h"

namespace tandora {

namespace {

struct SideLabel {
    int picture;
    Rect place;
};

struct GameLayout {
    SideLabel left;
    SideLabel right; // picture 0: the game has none
};

GameLayout layoutFor(GameType game) {
    switch (game) {
    case GameType::DeucesWild: return {{4006, {30, 115, 16, 120}}, {4007, {488, 135, 24, 84}}};
    case GameType::JokerPoker: return {{5006, {28, 115, 18, 103}}, {5007, {492, 115, 18, 103}}};
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96: break;
    }
    return {{2000, {161, 170, 220, 19}}, {0, {1, 1, 1, 1}}};
}

constexpr MenuItem GameItems[] = {MenuItem::OptionsMenu_JacksOrBetter, MenuItem::OptionsMenu_JacksOrBetter96,
                                  MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JokerPoker};

} // namespace

MenuItem menuItemFor(GameType game) {
    return GameItems[static_cast<int>(game)];
}

std::optional<GameType> checkedGame(const TableView& view) {
    for (GameType game : AllGames) {
        if (view.isMenuChecked({menuItemFor(game)}))
            return game;
    }
    return std::nullopt;
}

void GameSelection::applyGameFlags(GameState& state, GameType game) {
    const GameFlags flags = flagsFor(game);
    state.DeucesWildGame = flags.DeucesWildGame;
    state.JokerPokerGame = flags.JokerPokerGame;
    state.WildDeucePictureOffset = wildDeucePictureOffsetFor(game);
}

bool GameSelection::SetGame(std::string_view TheGame) {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    if (s.TwipsPerPixelX > 100 || s.TwipsPerPixelY > 100)
        return false;
    const auto game = parseGameType(TheGame);
    if (!game)
        return false;

    const PayTableArt art = payTableArtFor(*game);
    const GameLayout layout = layoutFor(*game);
    view.setGeometry({Control::GridLabel}, {PayTableLeft, PayTableTop, PayTableWidth, 156});
    s.PayTable = payTableFor(*game);
    view.setGeometry({Control::LabelLeft}, layout.left.place);
    view.setGeometry({Control::LabelRight}, layout.right.place);

    view.setVisible({Control::imgDoubleUp}, false);
    view.setVisible({Control::WinHighlight}, false);
    view.setVisible({Control::CoinHighlight}, false);

    view.setPicture({Control::GridLabel}, art.tablePicture);
    view.setVisible({Control::GridLabel}, true);
    view.setPicture({Control::LabelLeft}, layout.left.picture);
    view.repaint();

    if (layout.right.picture == 0) {
        view.setVisible({Control::LabelRight}, false);
    } else {
        view.setPicture({Control::LabelRight}, layout.right.picture);
        view.setVisible({Control::LabelRight}, true);
    }
    view.repaint();

    const bool credits = s.vPoints > 0;
    view.setPicture({Control::CashOut}, credits ? CashOutPictures.enabled : CashOutPictures.disabled);
    view.setEnabled({Control::CashOut}, credits);
    view.repaint();

    for (int i = 1; i <= HandSize; ++i) {
        view.setPicture({Control::HandPos, i}, s.DeckPictureBase);
        view.setEnabled({Control::HandPos, i}, false);
        s.Hand[static_cast<std::size_t>(i - 1)] = CardBackCode;
        s.Held[static_cast<std::size_t>(i - 1)] = false;
        view.setPicture({Control::Hold, i}, HoldEmptyPicture);
        counters_.UpdateNumbers("Paid", 0);
        counters_.UpdateNumbers("Coins", 0);
    }
    view.repaint();
    return true;
}

void GameSelection::chooseGame(GameType game) {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    if (s.HandState != HandStates::BetweenHands) {
        ctx_.messageBox("Please finish the current hand before changing games.", MsgStyle::Information,
                        "Options");
        return;
    }
    const MenuItem chosen = menuItemFor(game);
    if (view.isMenuChecked({chosen}))
        return;
    for (MenuItem item : GameItems)
        view.setMenuChecked({item}, item == chosen);
    applyGameFlags(s, game);
    s.CardRank = tandora::CardRank(game);
    s.bChange = true;
    if (!SetGame(gameCode(game))) {
        ctx_.messageBox("Fatal Error: Probably invalid Game Type", MsgStyle::Critical, AppTitle);
        if (onFatal_)
            onFatal_();
        return;
    }
    view.setVisible({Control::GameOver}, false);
}

} // namespace tandora
