#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "shell/tandora_app.h"
#include "tests/support/cards.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora::testing_support {

// The whole program on fakes, started, with the table shown and the transcript cleared.
class Play {
public:
    Play() {
        EXPECT_TRUE(app.start());
        f.splash.fireTimer();
        f.log.clear();
    }

    // Adds the default credits with the dollar button (80 unless changed).
    void addDefault() { app.click({Control::CashIn}); }
    // The next cards drawn, in the deck of the game in play: any number of card words.
    void nextCards(const std::string& cards) {
        std::istringstream in(cards);
        for (std::string word; in >> word;)
            f.random.cards({parseCard(word).value()}, s.rules().deck);
    }
    void key(char c) { app.keyPress(c); }
    void clickDoubleUp(int x, int y, int button = 1, int shift = 0) {
        app.mouseUp({Control::imgDoubleUp}, button, shift, x, y);
    }
    // Bets five coins on this deal, holds all five cards and draws, so the final hand is the dealt one.
    void playHeldHand(const std::string& cards) {
        nextCards(cards);
        app.click({Control::MaxBet});
        for (int i = 1; i <= HandSize; ++i)
            app.click({Control::Hold, i});
        app.click({Control::Deal});
    }
    std::size_t mark() const { return f.log.size(); }
    std::string since(std::size_t at) const { return f.log.textFrom(at); }
    // What the player sees now.
    const TableScene& table() const { return f.view.scene(); }

    FakePlatform f;
    ShellHooks hooks;
    TandoraApp app{f.platform, f.splash, hooks};
    GameState& s = app.state();
};

class PlayTest : public ::testing::Test, public Play {};

} // namespace tandora::testing_support
