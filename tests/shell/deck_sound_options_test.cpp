#include <gtest/gtest.h>

#include "shell/tandora_app.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;
using testing_support::lines;

class DeckOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.start());
        app.state().vPoints = 57;
    }

    // The steps that tell a deck change: questions and the deck the table shows.
    std::string deckSteps(std::size_t from) const {
        std::string text;
        for (std::size_t i = from; i < f.log.size(); ++i) {
            const std::string& line = f.log.lines()[i];
            for (const char* prefix : {"message", "answer", "deck"}) {
                if (line.rfind(prefix, 0) == 0)
                    text += line + "\n";
            }
        }
        return text;
    }

    FakePlatform f;
    ShellHooks hooks;
    TandoraApp app{f.platform, f.splash, hooks};
};

// Guards Yes on an unchanged game: New Game with the old deck, the marks move, New Game again lays out the
// new backs; credits start from zero.
TEST_F(DeckOptionsTest, YesRestartsTheGameWithTheNewDeck) {
    const std::size_t mark = f.log.size();
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    // The first New Game resets the game with the red deck; the deck changes between the two.
    EXPECT_EQ(deckSteps(mark), lines({"message Changing Decks: Changing decks will start a new game.\r\n\r\n"
                                      " Do you want to continue?",
                                      "answer Yes", "deck blue"}));
    EXPECT_EQ(f.messages.shown().back(), "Changing Decks|36|Changing decks will start a new game.\r\n\r\n"
                                         " Do you want to continue?");
    EXPECT_EQ(app.state().options.deck, Deck::Blue);
    EXPECT_EQ(app.state().vPoints, 0);
    EXPECT_EQ(f.view.scene().cards[4], CardBackCode);
    EXPECT_TRUE(app.state().Restarting);
    EXPECT_TRUE(f.log.matching("window at").size() == 1) << "the window stays where it is";
}

// Guards No, and the deck already chosen: nothing changes and nothing more is asked.
TEST_F(DeckOptionsTest, NoAndTheCurrentDeckChangeNothing) {
    const std::size_t mark = f.log.size();
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_RedDeck});
    EXPECT_TRUE(f.messages.shown().empty()) << "the red deck is already in use";
    f.messages.answer({MsgAnswer::No});
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    EXPECT_EQ(deckSteps(mark), lines({"message Changing Decks: Changing decks will start a new game.\r\n\r\n"
                                      " Do you want to continue?",
                                      "answer No"}));
    EXPECT_EQ(app.state().options.deck, Deck::Red);
    EXPECT_EQ(app.state().vPoints, 57);
    EXPECT_EQ(f.view.scene().deck, Deck::Red);
}

// Guards a cancelled save question: both New Games are refused, the old game stays on the table, and the new
// deck is chosen and shown.
TEST_F(DeckOptionsTest, CancelledSaveKeepsTheGameButChangesTheDeck) {
    app.state().bChange = true;
    // Yes to the deck question, then Cancel to both save questions.
    f.messages.answer({MsgAnswer::Yes, MsgAnswer::Cancel, MsgAnswer::Cancel});
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    EXPECT_EQ(f.log.matching("message Tandora: Do you want to save the current game?").size(), 2u);
    EXPECT_EQ(app.state().vPoints, 57);
    EXPECT_TRUE(app.state().bChange) << "the game was not set up again";
    EXPECT_EQ(f.view.scene().deck, Deck::Blue);
}

// Guards the way back, whose question has no leading blank: blue to red restores the red backs.
TEST_F(DeckOptionsTest, RedDeckAsksItsOwnQuestion) {
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_RedDeck});
    EXPECT_EQ(f.messages.shown().back(), "Changing Decks|36|Changing decks will start a new game.\r\n\r\n"
                                         "Do you want to continue?");
    EXPECT_EQ(f.view.scene().deck, Deck::Red);
}

// Guards the sound switch without an output device: the notice every time, the mark and the game untouched.
TEST_F(DeckOptionsTest, SoundWithoutADeviceSaysSoEveryTime) {
    f.sound.setDevices(0);
    for (int i = 0; i < 3; ++i)
        app.menuClick({MenuItem::OptionsMenu_SoundEffects});
    EXPECT_EQ(f.messages.shown(),
              std::vector<std::string>(3, "Sound Effects|64|No Wave audio device available"));
    EXPECT_TRUE(f.view.scene().marks.soundEffects);
    EXPECT_FALSE(app.state().bChange);
}

} // namespace
} // namespace tandora
