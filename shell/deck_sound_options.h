#pragma once

#include <functional>

#include "table/table_context.h"

namespace tandora {

// The Options menu's deck choice and sound switch.
class DeckAndSoundOptions {
public:
    // newGame is the New Game command: it asks about saving and, when allowed, sets the table up again.
    DeckAndSoundOptions(TableContext context, std::function<void()> newGame)
        : ctx_(context), newGame_(std::move(newGame)) {}

    void OptionsMenu_SelectDeck_BlueDeck_Click() { chooseDeck(Deck::Blue); }
    void OptionsMenu_SelectDeck_RedDeck_Click() { chooseDeck(Deck::Red); }
    void OptionsMenu_SoundEffects_Click();

private:
    void chooseDeck(Deck deck);

    TableContext ctx_;
    std::function<void()> newGame_;
};

} // namespace tandora
