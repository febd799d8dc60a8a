#include "platform/table_presenter.h"

#include <algorithm>
#include <string>

#include "engine/pay_table.h"
#include "platform/key_bindings.h"
#include "platform/pictures.h"
#include "platform/table_layout.h"

namespace tandora {

namespace {

Control controlOf(Button button) {
    switch (button) {
    case Button::CashOut: return Control::CashOut;
    case Button::Bet1: return Control::Bet1;
    case Button::MaxBet: return Control::MaxBet;
    case Button::Deal: return Control::Deal;
    case Button::CashIn: return Control::CashIn;
    }
    return Control::CashIn;
}

ButtonPictures picturesOf(Button button, const TableScene& scene) {
    switch (button) {
    case Button::CashOut: return CashOutPictures;
    case Button::Bet1: return Bet1Pictures;
    case Button::MaxBet: return MaxBetPictures;
    case Button::Deal: return scene.dealFace == DealFace::Deal ? DealPictures : DrawPictures;
    case Button::CashIn: break;
    }
    // The dollar button has no greyed look.
    return {CashInPressedPicture, CashInPicture, CashInPicture};
}

int holdPicture(HoldLabel label) {
    switch (label) {
    case HoldLabel::Empty: return HoldEmptyPicture;
    case HoldLabel::Held: return HoldHeldPicture;
    case HoldLabel::Dealer: return HoldDealerPicture;
    case HoldLabel::Pick: return HoldPickPicture;
    case HoldLabel::Hint: return HoldHintPicture;
    case HoldLabel::DrawHint: return HoldDrawHintPicture;
    }
    return HoldEmptyPicture;
}

// The menu commands a Double Up under way shuts, in the order they are shut and opened again.
constexpr MenuItem DoubleUpLockedMenus[] = {
    MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JacksOrBetter, MenuItem::OptionsMenu_DoubleUp,
    MenuItem::OptionsMenu_SelectDeck, MenuItem::OptionsMenu_SoundEffects,  MenuItem::AddCreditsMenu,
    MenuItem::GameMenu_SaveGame,      MenuItem::GameMenu_SaveGameAs,
};

int printedTablePicture(const TableScene& scene) {
    return payTablePicture(scene.game, scene.payTable.value_or(payTableFor(scene.game)));
}

constexpr Button AllButtons[] = {Button::CashOut, Button::Bet1, Button::MaxBet, Button::Deal, Button::CashIn};

} // namespace

TablePresenter::TablePresenter(ControlSurface& surface) : surface_(surface) {
    layOut();
}

// The places that never change, and the table before the game's first scene.
void TablePresenter::layOut() {
    surface_.setPicture({Control::pbMain}, TableBackgroundPicture);
    surface_.setGeometry({Control::pbMain}, Layout::TablePlace);
    surface_.setTableSize(Layout::TableWidth, Layout::TableHeight);
    surface_.setGeometry({Control::CashOut}, Layout::CashOutPlace);
    surface_.setGeometry({Control::Bet1}, Layout::Bet1Place);
    surface_.setGeometry({Control::MaxBet}, Layout::MaxBetPlace);
    surface_.setGeometry({Control::Deal}, Layout::DealPlace);
    surface_.setGeometry({Control::CashIn}, Layout::CashInPlace);
    surface_.setGeometry({Control::GameOver}, Layout::GameOverPlace);
    surface_.setPicture({Control::GameOver}, GameOverPicture);
    surface_.setVisible({Control::GameOver}, false);
    surface_.setGeometry({Control::CreditsHint}, Layout::AddCreditsHintPlace);
    surface_.setPicture({Control::CreditsHint}, AddCreditsHintPicture);
    surface_.setVisible({Control::CreditsHint}, false);
    surface_.setGeometry({Control::GridLabel}, Layout::GridLabelPlace);
    for (int i = 1; i <= HandSize; ++i) {
        surface_.setGeometry({Control::HandPos, i}, Layout::handPosPlace(i));
        surface_.setGeometry({Control::Hold, i}, Layout::holdPlace(i));
        surface_.setToolTip({Control::HandPos, i}, cardToolTip(i));
        surface_.setToolTip({Control::Hold, i}, cardToolTip(i));
    }
    for (const Button button : AllButtons)
        surface_.setToolTip({controlOf(button)}, buttonToolTip(button));
    for (int i = Layout::FirstCreditDigit; i <= Layout::CounterDigits; ++i)
        surface_.setToolTip({Control::Credits, i}, "The credits in the game");
    for (int i = 1; i <= Layout::CounterDigits; ++i)
        surface_.setToolTip({Control::Paid, i}, "What the hand paid");
    surface_.setToolTip({Control::Coins}, "The coins bet on the hand");
    for (int i = Layout::FirstCreditDigit; i <= Layout::CounterDigits; ++i)
        surface_.setGeometry({Control::Credits, i}, Layout::creditsDigitPlace(i));
    for (int i = 1; i <= Layout::CounterDigits; ++i)
        surface_.setGeometry({Control::Paid, i}, Layout::paidDigitPlace(i));
    surface_.setGeometry({Control::Coins}, Layout::CoinsPlace);
    // The digit that credits from 10,000 on light; dark until then.
    for (int i = Layout::FirstCreditDigit; i < 1; ++i)
        surface_.setVisible({Control::Credits, i}, false);
    for (const Control hidden : {Control::WinHighlight, Control::CoinHighlight, Control::imgDoubleUp})
        surface_.setVisible({hidden}, false);
}

void TablePresenter::show(const TableScene& scene) {
    const TableScene* last = last_ ? &*last_ : nullptr;
    const bool gameChanged = !last || last->game != scene.game || last->payTable != scene.payTable;
    const bool deckChanged = !last || last->deck != scene.deck;
    if (!last || last->caption != scene.caption)
        surface_.setCaption(scene.caption);
    if (gameChanged)
        showPayTable(scene);
    for (int i = 1; i <= HandSize; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        const Card card = scene.cards[at];
        // A deuce's picture depends on the game, every picture on the deck.
        if (gameChanged || deckChanged || last->cards[at] != card) {
            surface_.setPicture({Control::HandPos, i}, cardPicture(card, scene.deck, scene.game));
        }
        if (!last || last->labels[at] != scene.labels[at])
            surface_.setPicture({Control::Hold, i}, holdPicture(scene.labels[at]));
        if (!last || last->positionsEnabled[at] != scene.positionsEnabled[at]) {
            surface_.setEnabled({Control::HandPos, i}, scene.positionsEnabled[at]);
            surface_.setEnabled({Control::Hold, i}, scene.positionsEnabled[at]);
        }
    }
    for (const Button button : AllButtons) {
        if (!last || last->enabled(button) != scene.enabled(button) ||
            (button == Button::Deal && last->dealFace != scene.dealFace))
            showButton(button, scene);
    }
    if (!last || last->credits != scene.credits)
        UpdateNumbers(Counter::Credits, scene.credits);
    if (!last || last->paid != scene.paid)
        UpdateNumbers(Counter::Paid, scene.paid);
    if (!last || last->coins != scene.coins)
        UpdateNumbers(Counter::Coins, scene.coins);
    if (gameChanged || last->winStrip != scene.winStrip)
        showStrip(scene);
    if (gameChanged || last->coinColumn != scene.coinColumn)
        showColumn(scene);
    if (!last || last->gameOver != scene.gameOver)
        surface_.setVisible({Control::GameOver}, scene.gameOver);
    if (!last || last->addCreditsHint != scene.addCreditsHint)
        surface_.setVisible({Control::CreditsHint}, scene.addCreditsHint);
    if (!last || last->doubleUp != scene.doubleUp)
        showDoubleUp(scene.doubleUp);
    showMenus(scene, last);
    last_ = scene;
}

void TablePresenter::showPressed(Button button, bool pressed) {
    pressed_[static_cast<std::size_t>(button)] = pressed;
    if (last_)
        showButton(button, *last_);
}

void TablePresenter::showButton(Button button, const TableScene& scene) {
    const ButtonPictures pictures = picturesOf(button, scene);
    const bool enabled = scene.enabled(button);
    // A button that stops taking input while held down shows its greyed look.
    const bool pressed = pressed_[static_cast<std::size_t>(button)] && enabled;
    surface_.setPicture({controlOf(button)},
                        pressed ? pictures.pressed : (enabled ? pictures.enabled : pictures.disabled));
    surface_.setEnabled({controlOf(button)}, enabled);
}

void TablePresenter::showPayTable(const TableScene& scene) {
    const Layout::SideLabels labels = Layout::sideLabelsFor(scene.game);
    surface_.setPicture({Control::GridLabel}, printedTablePicture(scene));
    surface_.setVisible({Control::GridLabel}, true);
    surface_.setGeometry({Control::LabelLeft}, labels.left.place);
    surface_.setPicture({Control::LabelLeft}, labels.left.picture);
    surface_.setGeometry({Control::LabelRight}, labels.right.place);
    surface_.setVisible({Control::LabelRight}, labels.right.picture != 0);
    if (labels.right.picture != 0)
        surface_.setPicture({Control::LabelRight}, labels.right.picture);
}

void TablePresenter::showStrip(const TableScene& scene) {
    if (scene.winStrip == HandCategory::NoWin) {
        surface_.setVisible({Control::WinHighlight}, false);
        return;
    }
    surface_.setGeometry({Control::WinHighlight}, Layout::winHighlightPlace(scene.winStrip, scene.game));
    surface_.setPicture({Control::WinHighlight}, rowLabelPicture(scene.winStrip, scene.game));
    surface_.setVisible({Control::WinHighlight}, true);
}

void TablePresenter::showColumn(const TableScene& scene) {
    const int coins = std::clamp(scene.coinColumn, 0, MaxCoins);
    if (coins == 0) {
        surface_.setVisible({Control::CoinHighlight}, false);
        return;
    }
    surface_.setGeometry({Control::CoinHighlight}, Layout::coinHighlightPlace(scene.game, coins));
    surface_.setPicture({Control::CoinHighlight}, printedTablePicture(scene) + coins);
    surface_.setVisible({Control::CoinHighlight}, true);
}

void TablePresenter::showDoubleUp(DoubleUpPanel panel) {
    if (panel == DoubleUpPanel::None) {
        surface_.setVisible({Control::imgDoubleUp}, false);
        return;
    }
    const bool question = panel == DoubleUpPanel::Question;
    surface_.setGeometry({Control::imgDoubleUp},
                         question ? Layout::DoubleUpQuestionPlace : Layout::DoubleUpPickPlace);
    surface_.setPicture({Control::imgDoubleUp}, question ? DoubleUpQuestionPicture : DoubleUpPickPicture);
    surface_.setVisible({Control::imgDoubleUp}, true);
}

void TablePresenter::showMenus(const TableScene& scene, const TableScene* last) {
    if (!last || last->doubleUpLocksMenus != scene.doubleUpLocksMenus) {
        for (const MenuItem item : DoubleUpLockedMenus)
            surface_.setMenuEnabled({item}, !scene.doubleUpLocksMenus);
    }
    if (!last || last->game != scene.game || last->payTable != scene.payTable || last->deck != scene.deck ||
        last->marks != scene.marks) {
        // A game's item is checked while its designed table is in play; Pay Table while another is.
        const bool designed = !scene.payTable;
        for (const GameType game : AllGames)
            surface_.setMenuChecked({gameMenuItem(game)}, game == scene.game && designed);
        surface_.setMenuChecked({MenuItem::OptionsMenu_PayTable}, !designed);
        const MenuMarks& m = scene.marks;
        surface_.setMenuChecked({MenuItem::OptionsMenu_DoubleUp}, m.doubleUp);
        surface_.setMenuChecked({MenuItem::OptionsMenu_SelectDeck_BlueDeck}, scene.deck == Deck::Blue);
        surface_.setMenuChecked({MenuItem::OptionsMenu_SelectDeck_RedDeck}, scene.deck == Deck::Red);
        surface_.setMenuChecked({MenuItem::OptionsMenu_SoundEffects}, m.soundEffects);
        surface_.setMenuChecked({MenuItem::GameMenu_LoadLastFile}, m.loadLastGame);
        surface_.setMenuChecked({MenuItem::StrategyMenu_ShowBestHold}, m.showBestHold);
        surface_.setMenuChecked({MenuItem::StrategyMenu_Trainer}, m.trainer);
    }
    if (!last || last->recentFiles != scene.recentFiles) {
        bool any = false;
        for (int i = 1; i <= static_cast<int>(scene.recentFiles.size()); ++i) {
            const std::string& caption = scene.recentFiles[static_cast<std::size_t>(i - 1)];
            surface_.setMenuCaption({MenuItem::mnuFileList, i}, caption);
            surface_.setMenuVisible({MenuItem::mnuFileList, i}, !caption.empty());
            any = any || !caption.empty();
        }
        surface_.setMenuVisible({MenuItem::mnuFileList, 0}, any);
    }
}

void TablePresenter::UpdateNumbers(Counter LCD, std::int64_t NewAmt) {
    if (LCD == Counter::Coins) {
        surface_.setPicture({Control::Coins},
                            DigitPictureBase + static_cast<int>(std::clamp<std::int64_t>(NewAmt, 0, 9)));
        return;
    }
    // The game never holds more than its counters show; anything else would be a fault, shown as the most.
    const bool credits = LCD == Counter::Credits;
    const std::int64_t largest = credits ? 99'999 : 9'999;
    std::string digits = std::to_string(std::clamp<std::int64_t>(NewAmt, 0, largest));
    if (digits.size() < Layout::CounterDigits)
        digits.insert(0, Layout::CounterDigits - digits.size(), '0');
    const Control control = credits ? Control::Credits : Control::Paid;
    const int first = Layout::CounterDigits - static_cast<int>(digits.size()) + 1;
    for (int i = first; i <= Layout::CounterDigits; ++i)
        surface_.setPicture({control, i},
                            DigitPictureBase + (digits[static_cast<std::size_t>(i - first)] - '0'));
    if (credits) {
        const bool fifth = digits.size() > Layout::CounterDigits;
        if (fifth != fifthCreditDigit_)
            surface_.setVisible({Control::Credits, 0}, fifth);
        fifthCreditDigit_ = fifth;
    }
}

} // namespace tandora
