#include "table/game_selection.h"

#include "platform/table_layout.h"
#include "table/option_marks.h"

namespace tandora {

bool GameSelection::SetGame(std::string_view TheGame) {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    if (s.TwipsPerPixelX > 100 || s.TwipsPerPixelY > 100)
        return false;
    const auto game = parseGameType(TheGame);
    if (!game)
        return false;

    s.setGame(*game);
    const Layout::SideLabels labels = Layout::sideLabelsFor(*game);
    view.setGeometry({Control::GridLabel}, Layout::GridLabelPlace);
    view.setGeometry({Control::LabelLeft}, labels.left.place);
    view.setGeometry({Control::LabelRight}, labels.right.place);

    view.setVisible({Control::imgDoubleUp}, false);
    view.setVisible({Control::WinHighlight}, false);
    view.setVisible({Control::CoinHighlight}, false);

    view.setPicture({Control::GridLabel}, payTableArtFor(s.game()).tablePicture);
    view.setVisible({Control::GridLabel}, true);
    view.setPicture({Control::LabelLeft}, labels.left.picture);
    view.repaint();

    if (labels.right.picture == 0) {
        view.setVisible({Control::LabelRight}, false);
    } else {
        view.setPicture({Control::LabelRight}, labels.right.picture);
        view.setVisible({Control::LabelRight}, true);
    }
    view.repaint();

    ctx_.setButton(Control::CashOut, CashOutPictures, s.vPoints > 0);
    view.repaint();

    for (int i = 1; i <= HandSize; ++i) {
        view.setPicture({Control::HandPos, i}, s.DeckPictureBase());
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
    // Coins already bet belong to the hand about to be dealt, so they count as a hand under way.
    if (s.HandState != HandStates::BetweenHands || s.CoinsBet > 0) {
        ctx_.messageBox("Please finish the current hand before changing games.", MsgStyle::Information,
                        "Options");
        return;
    }
    if (s.game() == game)
        return;
    s.setGame(game);
    showOptionMarks(ctx_.view(), s);
    s.bChange = true;
    if (!SetGame(gameCode(game))) {
        ctx_.messageBox("Fatal Error: Probably invalid Game Type", MsgStyle::Critical, AppTitle);
        if (onFatal_)
            onFatal_();
        return;
    }
    ctx_.view().setVisible({Control::GameOver}, false);
}

} // namespace tandora
