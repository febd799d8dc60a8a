#include <gtest/gtest.h>

#include <tuple>

#include "table/sound_effects.h"
#include "table/timing.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using namespace std::chrono_literals;
using testing_support::FakePlatform;

// Guards that the wait lasts exactly as long as asked, without real waiting, also across the tick counter's
// wrap and with a coarse sleep that must not end it early; and an animation's length: time spent painting a
// step (here slept by hand) comes out of the next wait, a step painted too slowly is not waited for at all,
// and the whole still ends on time.
TEST(Timing, PausesAndSchedulesWaitOnTheClockAcrossTheWrap) {
    // The tick count at the start, the wait asked for, the milliseconds slept.
    using Row = std::tuple<std::uint32_t, std::chrono::milliseconds, std::uint64_t>;
    for (const auto& [start, wait, waited] :
         {Row{1000, 0ms, 0}, Row{1000, 100ms, 100}, Row{1000, 2s, 2000}, Row{1000, -5ms, 0},
          Row{0xFFFFFFF0u, 100ms, 100}, Row{0xFFFFFFFFu, 50ms, 50}}) {
        testing_support::FakeClock clock(start);
        clock.setSleepGranularity(7);
        Pause(clock, wait);
        EXPECT_EQ(clock.slept(), waited) << start << " " << wait.count();
    }

    testing_support::FakeClock clock(0xFFFFFF00u);
    Schedule schedule(clock);
    clock.sleepMs(30);
    schedule.next(100ms);
    clock.sleepMs(120);
    schedule.next(50ms);
    EXPECT_EQ(clock.slept(), 220u);
    schedule.next(100ms);
    EXPECT_EQ(clock.slept(), 250u);
}

// Guards the no-device check and which sounds let the window go on.
TEST(Sound, PlaysOnlyWithADevice) {
    for (const int devices : {1, 0}) {
        FakePlatform f;
        f.sound.setDevices(devices);
        SoundEffects sound(f.sound, f.view);
        sound.PlayResSound(3, true);
        sound.PlayResSound(11, false);
        sound.StopSound();
        const std::vector<std::string> played{"sound 3 background", "sound 11 wait", "sound stop"};
        EXPECT_EQ(f.log.matching("sound"), devices == 0 ? std::vector<std::string>{} : played);
        EXPECT_EQ(f.view.repaints(), devices) << "only background play lets the window repaint";
    }
}

// Guards the win sounds, which go by the row a hand is shown on, not by the hand: a three of a kind plays
// another sound in every kind of game, and a hand that does not pay plays none. (Jacks or Better's three
// of a kind and high pair are the draw's and the Double Up's transcripts'.)
TEST(WinSound, FollowsTheRowOfTheGamesTable) {
    using G = GameType;
    using H = HandCategory;
    const std::tuple<G, H, int> rows[] = {
        {G::JacksOrBetter85, H::NaturalRoyalFlush, 19},
        {G::JokerPoker, H::ThreeOfAKind, 12},
        {G::JokerPoker, H::FiveOfAKind, 17},
        {G::DeucesWild, H::ThreeOfAKind, 11},
        {G::DeucesWild, H::FullHouse, 15},
        {G::DeucesWild, H::TwoPair, 0},
        {G::JokerPoker, H::NoWin, 0},
    };
    for (const auto& [game, category, wave] : rows)
        EXPECT_EQ(winSound(category, game), wave) << gameCode(game) << " " << categoryName(category);
}

} // namespace
} // namespace tandora
