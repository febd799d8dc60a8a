#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/card.h"
#include "engine/evaluation.h"
#include "engine/game_rules.h"
#include "platform/table_layout.h"

namespace tandora {

inline constexpr const char* AppTitle = "Tandora";
// Adding credits stops at 9,999; wins may take the game beyond it, up to what the CREDITS counter shows.
inline constexpr int MaxGameCredits = 9999;
inline constexpr std::int64_t MaxShownCredits = Layout::largestShown(Layout::MaxCreditDigits);
// The most one hand can pay with a designed table: a five-coin royal flush, doubled.
inline constexpr std::int64_t MaxHandWin = 2 * NaturalRoyalMaxBetPayout;
// The most one hand can take the credits up by under a table whose largest pay is largestPay: that pay
// doubled in the Double Up; for a table that pays so much that this would leave too little room to play,
// the pay alone, and the Double Up is then offered only while the doubled win fits on the CREDITS counter.
constexpr std::int64_t largestWin(std::int64_t largestPay) {
    return 2 * largestPay <= MaxShownCredits - MaxGameCredits ? 2 * largestPay : largestPay;
}
inline constexpr int MaxBankCredits = 999999;
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

// The player's options (the check marks of the Options and Game menus) and the default credits,
// with what a new user starts with.
struct GameOptions {
    bool LoadLastGame = false;
    bool DoubleUpOn = true;
    bool SoundEffects = true;
    Deck deck = Deck::Red;
    std::int16_t iDefaultPoints = 80;
    // The Strategy menu's options, beside the classic ones; game files do not keep them.
    bool ShowBestHold = false;
    bool Trainer = false;
    // The pay table each game plays when it is not its designed one (Options > Pay Table).
    std::array<std::optional<PayTable>, AllGames.size()> payTables{};
    friend bool operator==(const GameOptions&, const GameOptions&) = default;
};

// One draw as the player made it: the dealt cards, the positions held and the bet.
struct PlayedHold {
    GameType game = GameType::JacksOrBetter85;
    tandora::Hand dealt{};
    std::uint8_t heldMask = 0; // bit i set: position i + 1 was held
    std::int16_t coins = 0;
    // The table it was paid by, when not the game's designed one.
    std::optional<PayTable> table;
};

// What the player's holds have cost against best play in this game, in credits. Game files do not keep it.
struct HoldCosts {
    double credits = 0;
    // Draws not priced yet, because their game's strategy tables were not built when they were made.
    std::vector<PlayedHold> unpriced;
    // The last draw, for the hold analysis between hands.
    std::optional<PlayedHold> last;
};

// The one record of the game: the game in play, the options, the table and the statistics. The window
// shows it; nothing is ever read back from the window to decide anything.
struct GameState {
    GameType game() const { return rules_.game; }
    // The wild-card flags, ranks, deck and pay table of the game in play.
    const GameRules& rules() const { return rules_; }
    // Makes the game the one in play, with the table options.payTables chose for it.
    void setGame(GameType game) {
        const auto& chosen = options.payTables[static_cast<std::size_t>(game)];
        rules_ = rulesFor(game, chosen.value_or(payTableFor(game)));
    }
    GameFlags flags() const { return rules_.flags; }
    // The table in play when it is not the game's designed one.
    std::optional<PayTable> chosenTable() const {
        if (rules_.PayTable == payTableFor(game()))
            return std::nullopt;
        return rules_.PayTable;
    }
    // Remembers the table as the one the game plays (nothing: its designed table) and puts it in play.
    void choosePayTable(GameType game, const std::optional<PayTable>& table) {
        options.payTables[static_cast<std::size_t>(game)] =
            table && *table != payTableFor(game) ? table : std::nullopt;
        setGame(game);
    }
    // The most one hand can take the credits up by under the table in play.
    std::int64_t largestWinInPlay() const { return largestWin(largestHandPay(game(), rules_.PayTable)); }

    GameOptions options;

    // The table.
    tandora::Hand Hand{};
    std::array<bool, HandSize> Held{};
    EvalState eval;
    std::int16_t HandState = HandStates::BetweenHands;
    std::int16_t CoinsBet = 0;
    std::int64_t PaidAmount = 0;
    std::int64_t vPoints = 0;

    // What the table still shows of the hand last played, until the next bet, game change or game.
    HandCategory WinStrip = HandCategory::NoWin; // the pay table row lit for a win
    int CoinColumn = 0;                          // the lit coin column; Play Max lights the fifth
    bool GameOverShown = false;
    std::int16_t LastCoinsBet = 0; // the COINS counter between hands
    int DoubleUpPick = 0;          // the position picked in this hand's Double Up, 0 before the pick
    // The best hold the advisor marks after the deal, bit i for position i + 1 (no bit: draw five);
    // nothing while none is marked.
    std::optional<std::uint8_t> HoldHints;

    // Statistics of the game.
    std::int64_t vHandsPlayed = 0;
    std::int64_t vHandsWon = 0;
    std::int64_t vAmtPlayed = 0;
    std::int64_t vAmtWon = 0;
    std::int64_t CreditsIn = 0;
    tandora::HandCounts HandCounts{};
    HoldCosts holdCosts;

    // The sound the player hears: the option, when the system has an output device.
    bool SoundOn = true;
    bool bChange = false;
    bool DoubleUpOffered = false;
    bool DoubleUpPending = false;
    bool Restarting = false;
    int PendingAction = 0;

    std::array<std::string, RecentFileEntries> RecentPaths{"-", "-", "-", "-"};
    std::array<std::string, RecentFileEntries> RecentTitles{"-", "-", "-", "-"};
    // The game's file ("" until it has one) and the name the caption shows for it.
    std::string GameFile;
    std::string GameTitle = "[untitled]";

    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;
    bool AlreadyRunning = false;

private:
    GameRules rules_ = rulesFor(GameType::JacksOrBetter85);
};

} // namespace tandora
