#include "shell/deck_sound_options.h"

namespace tandora {

void DeckAndSoundOptions::chooseDeck(Deck deck) {
    GameState& s = ctx_.state;
    if (s.options.deck == deck)
        return;
    // The leading blank of the Blue Deck question is deliberate: both questions keep their exact texts.
    const std::string question =
        deck == Deck::Blue ? " Do you want to continue?" : "Do you want to continue?";
    if (ctx_.messageBox("Changing decks will start a new game.\r\n\r\n" + question,
                        MsgStyle::YesNo + MsgStyle::Question, "Changing Decks") != MsgAnswer::Yes)
        return;
    // The first New Game may save the game and resets it with the old deck; the second lays out the new
    // backs. When the player cancels the save, the deck still changes and the old game stays.
    newGame_();
    s.options.deck = deck;
    ctx_.show();
    newGame_();
}

void DeckAndSoundOptions::OptionsMenu_SoundEffects_Click() {
    if (ctx_.platform.sound.waveOutGetNumDevs() == 0) {
        ctx_.messageBox("No Wave audio device available", MsgStyle::Information, "Sound Effects");
        return;
    }
    GameState& s = ctx_.state;
    s.options.SoundEffects = !s.options.SoundEffects;
    s.SoundOn = s.options.SoundEffects;
    s.bChange = true;
    ctx_.show();
}

} // namespace tandora
