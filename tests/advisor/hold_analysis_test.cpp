#include <gtest/gtest.h>

#include "advisor/table_builds.h"
#include "advisor/trainer_dialog.h"
#include "tests/support/cards.h"

namespace tandora {
namespace {

using testing_support::handOf;

// Guards the worker thread: what it builds are the very tables every other reader shares.
TEST(TableBuilds, BackgroundBuildGivesTheSharedTables) {
    TableBuilds builds;
    EXPECT_EQ(builds.ifReady(GameType::DeucesWild), nullptr) << "nothing before a start";
    builds.start(GameType::DeucesWild);
    builds.start(GameType::DeucesWild);
    EXPECT_EQ(&builds.get(GameType::DeucesWild), &StrategyTables::forGame(GameType::DeucesWild));
    EXPECT_EQ(builds.ifReady(GameType::DeucesWild), &StrategyTables::forGame(GameType::DeucesWild));
    EXPECT_EQ(&builds.get(GameType::JokerPoker), &StrategyTables::forGame(GameType::JokerPoker))
        << "built at once when no build was started";
}

// Guards the Trainer's buttons: Change Hold is both Enter and Escape, so a learner's reflex keeps the hand;
// a best hold of no card has no row of pictures.
TEST(TrainerDialog, SafeDefaultAndNoPicturesForDrawingFive) {
    const PlayedHold hand{GameType::JacksOrBetter85, handOf("2c 4d 7h 9s 8c"), 0b01000, 5, {}};
    TrainerDialog dialog(analyse(StrategyTables::forGame(hand.game), hand), {102, 117, 107, 148, 134});
    const DialogLayout layout = dialog.layout();
    ASSERT_EQ(layout.rows.size(), 3u);
    const auto& buttons = layout.rows.back();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].text, "Draw Anyway");
    EXPECT_FALSE(buttons[0].isDefault || buttons[0].isCancel);
    EXPECT_EQ(buttons[1].text, "Change Hold");
    EXPECT_TRUE(buttons[1].isDefault && buttons[1].isCancel);
    EXPECT_FALSE(dialog.drawAnyway());
}

// Guards the amounts in sentences (a real but tiny cost is not shown as nothing) and the columns of the
// analysis, which count a suit sign as one character as a fixed-pitch font shows it.
TEST(HoldText, CostsCreditsAndWidths) {
    EXPECT_EQ(costText(0.004), "less than 0.01 credits");
    EXPECT_EQ(costText(4.5), "4.50 credits");
    EXPECT_EQ(creditsText(3908.0851), "3,908.09");
    EXPECT_EQ(cardText(10), "10\u2665");
    EXPECT_EQ(cardText(JokerCode), "Joker");
    EXPECT_EQ(shownWidth(cardText(10) + " " + cardText(JokerCode)), 9u);
    EXPECT_EQ(padShownLeft(cardText(52), 4), "  K\u2660");
}

} // namespace
} // namespace tandora
