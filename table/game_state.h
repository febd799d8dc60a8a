#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/card.h"
#include "engine/evaluation.h"
#include "engine/game_type.h"
#include "engine/pay_table.h"

namespace tandora {

inline constexpr const char* AppTitle = "Tandora";
inline constexpr int MaxGameCredits = 9999;
inline constexpr int RecentFileEntries = 4;

// Between hands the next click deals; after the deal it draws.
namespace HandStates {
inline constexpr std::int16_t Dealt = 1;
inline constexpr std::int16_t BetweenHands = 2;
} // namespace HandStates

// What a pending New, Open or Exit asks about unsaved changes.
namespace PendingActions {
inline constexpr int NewGame = 1;
inline constexpr int OpenGame = 2;
inline constexpr int Exit = 3;
} // namespace PendingActions

// The whole state of the game in progress and the program-wide flags, in one place.
struct GameState {
    // The table.
    tandora::Hand Hand{};
    std::array<bool, HandSize> Held{};
    EvalState eval;
    std::int16_t HandState = HandStates::BetweenHands;
    std::int16_t CoinsBet = 0;
    std::int32_t PaidAmount = 0;
    std::int32_t vPoints = 0;

    // Statistics of the game.
    std::int64_t vHandsPlayed = 0;
    std::int64_t vHandsWon = 0;
    std::int64_t vAmtPlayed = 0;
    std::int64_t vAmtWon = 0;
    std::int64_t CreditsIn = 0;
    tandora::HandCounts HandCounts{};

    std::int16_t iDefaultPoints = 80;
    bool bChange = false;
    bool DoubleUpOn = true;
    bool DoubleUpOffered = false;
    bool DoubleUpPending = false;
    bool SoundOn = true;
    bool Restarting = false;
    int PendingAction = 0;

    std::array<std::string, RecentFileEntries> RecentPaths{"-", "-", "-", "-"};
    std::array<std::string, RecentFileEntries> RecentTitles{"-", "-", "-", "-"};
    int RecentCount = 0;

    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;

    // Program-wide flags of the game in play and the deck.
    bool DeucesWildGame = false;
    bool JokerPokerGame = false;
    int WildDeucePictureOffset = 0;
    int DeckPictureBase = RedDeckPictureBase;
    bool AlreadyRunning = false;

    tandora::CardRank CardRank;
    tandora::PayTable PayTable = payTableFor(GameType::JacksOrBetter85);

    GameFlags flags() const { return {DeucesWildGame, JokerPokerGame}; }
};

} // namespace tandora
