#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/card.h"
#include "engine/game_type.h"
#include "engine/hand_category.h"
#include "engine/pay_table.h"

namespace tandora {

// What a hold label under a card reads.
// Hint: a card of the best hold; DrawHint: the best hold keeps nothing, every card is best drawn.
enum class HoldLabel : std::uint8_t { Empty, Held, Dealer, Pick, Hint, DrawHint };
// The Deal button deals between hands and draws after the deal.
enum class DealFace : std::uint8_t { Deal, Draw };
// The Double Up's picture over the pay table: the question, or the banner while the player picks.
enum class DoubleUpPanel : std::uint8_t { None, Question, Pick };
// The picture buttons below the cards.
enum class Button : std::uint8_t { CashOut, Bet1, MaxBet, Deal, CashIn };

// The check marks of the Options, Game and Strategy menus besides the game and the deck.
struct MenuMarks {
    bool doubleUp = false;
    bool soundEffects = false;
    bool loadLastGame = false;
    bool showBestHold = false;
    bool trainer = false;
    friend bool operator==(const MenuMarks&, const MenuMarks&) = default;
};

// Everything the game table shows, in the game's own terms: no picture numbers and no pixels. The logic
// derives it from the game's state in one function; the view draws it and keeps nothing else.
struct TableScene {
    std::string caption;
    GameType game = GameType::JacksOrBetter85; // its side labels and rows
    std::optional<PayTable> payTable;          // the amounts printed, when not the game's designed table
    Deck deck = Deck::Red;
    // Positions 1..5: CardBackCode shows the back.
    std::array<Card, HandSize> cards{CardBackCode, CardBackCode, CardBackCode, CardBackCode, CardBackCode};
    std::array<HoldLabel, HandSize> labels{};
    // A card and its hold label take clicks together.
    std::array<bool, HandSize> positionsEnabled{};
    DealFace dealFace = DealFace::Deal;
    bool dealEnabled = false;
    bool bet1Enabled = false;
    bool maxBetEnabled = false;
    bool cashOutEnabled = false;
    bool cashInEnabled = true;
    std::int64_t credits = 0;
    std::int64_t paid = 0;
    int coins = 0;
    // The pay table row lit for a winning hand; NoWin lights none.
    HandCategory winStrip = HandCategory::NoWin;
    // The lit coin column 1..5; 0 lights none.
    int coinColumn = 0;
    bool gameOver = false;
    // How to add credits, shown while the game has none to bet.
    bool addCreditsHint = false;
    DoubleUpPanel doubleUp = DoubleUpPanel::None;
    // The menu commands a Double Up under way shuts: the games it may not change, the options, Add Credits
    // and saving.
    bool doubleUpLocksMenus = false;
    MenuMarks marks;
    // The recent files entries 1..4; an empty caption hides the entry.
    std::array<std::string, 4> recentFiles{};

    bool enabled(Button button) const {
        switch (button) {
        case Button::CashOut: return cashOutEnabled;
        case Button::Bet1: return bet1Enabled;
        case Button::MaxBet: return maxBetEnabled;
        case Button::Deal: return dealEnabled;
        case Button::CashIn: return cashInEnabled;
        }
        return false;
    }
    friend bool operator==(const TableScene&, const TableScene&) = default;
};

} // namespace tandora
