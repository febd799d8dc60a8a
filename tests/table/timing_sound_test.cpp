#include <gtest/gtest.h>

#include "table/sound_effects.h"
#include "table/timing.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

// Guards the unit table, case-insensitivity, and the 32-bit overflow that leaves the amount as is.
TEST(Pause, ConvertsUnits) {
    struct Row {
        std::int32_t amount;
        const char* unit;
        std::int32_t ms;
    };
    const Row rows[] = {{0, "Milliseconds", 0},
                        {100, "Milliseconds", 100},
                        {2, "seconds", 2000},
                        {3, "MINUTES", 180000},
                        {1, "Hours", 3600000},
                        {2, "days", 172800000},
                        {25, "DAYS", 25},
                        {24, "days", 2073600000},
                        {50, "fortnights", 50},
                        {-3, "seconds", -3000},
                        {2147483, "seconds", 2147483000},
                        {2147484, "Seconds", 2147484}};
    for (const Row& r : rows)
        EXPECT_EQ(pauseMilliseconds(r.amount, r.unit), r.ms) << r.amount << " " << r.unit;
}

// Guards that the wait lasts exactly as long as asked, without real waiting, also across the wrap.
TEST(Pause, WaitsOnTheClockAcrossTheWrap) {
    struct Row {
        std::uint32_t start;
        std::int32_t amount;
        const char* unit;
        std::uint64_t waited;
    };
    const Row rows[] = {{1000, 0, "Milliseconds", 0},
                        {1000, 100, "Milliseconds", 100},
                        {1000, 2, "seconds", 2000},
                        {1000, 25, "DAYS", 25},
                        {0xFFFFFFF0u, 100, "Milliseconds", 100},
                        {0xFFFFFFFFu, 50, "Milliseconds", 50}};
    for (const Row& r : rows) {
        testing_support::FakeClock clock(r.start);
        clock.setSleepGranularity(7); // a coarse sleep must not end the wait early
        Pause(clock, r.amount, r.unit);
        EXPECT_EQ(clock.slept(), r.waited) << r.start << " " << r.amount;
    }
}

// Guards the no-device check and which sounds let the window go on.
TEST(Sound, PlaysOnlyWithADevice) {
    FakePlatform f;
    SoundEffects sound(f.sound, f.view);
    sound.PlayResSound(3, true);
    sound.PlayResSound(11, false);
    sound.StopSound();
    EXPECT_EQ(f.log.matching("sound"),
              (std::vector<std::string>{"sound 3 background", "sound 11 wait", "sound stop"}));
    EXPECT_EQ(f.view.repaints(), 1) << "only background play lets the window repaint";

    f.log.clear();
    f.sound.setDevices(0);
    sound.PlayResSound(3, true);
    sound.PlayResSound(19, false);
    sound.StopSound();
    EXPECT_TRUE(f.log.matching("sound").empty());
}

// Guards the win sounds, which go by the row a hand is shown on, not by the hand: a three of a kind plays
// another sound in every kind of game, and a hand that does not pay plays none.
TEST(WinSound, FollowsTheRowOfTheGamesTable) {
    using G = GameType;
    using H = HandCategory;
    struct Row {
        G game;
        H category;
        int wave;
    };
    const Row rows[] = {
        {G::JacksOrBetter85, H::NaturalRoyalFlush, 19},
        {G::JacksOrBetter96, H::FourOfAKind, 18},
        {G::JacksOrBetter85, H::ThreeOfAKind, 15},
        {G::JacksOrBetter85, H::HighPair, 11},
        {G::JokerPoker, H::ThreeOfAKind, 12},
        {G::JokerPoker, H::FiveOfAKind, 17},
        {G::JokerPoker, H::TwoPair, 11},
        {G::DeucesWild, H::ThreeOfAKind, 11},
        {G::DeucesWild, H::AceHighStraight, 12},
        {G::DeucesWild, H::FullHouse, 15},
        {G::DeucesWild, H::WildRoyalFlush, 18},
        {G::DeucesWild, H::TwoPair, 0},
        {G::JokerPoker, H::NoWin, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(winSound(r.category, r.game), r.wave)
            << gameCode(r.game) << " " << categoryName(r.category);
}

} // namespace
} // namespace tandora
