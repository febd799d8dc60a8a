#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "table/game_state.h"

namespace tandora {

// A game file is a few hundred bytes; anything much larger is not one, and is never read whole.
inline constexpr std::size_t MaxGameFileBytes = 64 * 1024;

// The buttons of the table a game file records; the game's state does not hold them.
struct TableButtons {
    bool dealEnabled = false;
    bool bet1Enabled = false;
    bool maxBetEnabled = false;
    bool holdsEnabled = false;
    friend bool operator==(const TableButtons&, const TableButtons&) = default;
};

// Everything one game file holds, checked and converted. See game_file_format.md.
struct GameFileRecord {
    GameType game = GameType::JacksOrBetter85;
    bool DoubleUpOn = true;
    Deck deck = Deck::Red;
    bool SoundEffects = true;
    std::int16_t iDefaultPoints = GameOptions{}.iDefaultPoints;
    // Nothing: the five card backs of a table before its first deal.
    std::optional<tandora::Hand> Hand;
    std::int64_t vPoints = 0;
    std::int64_t vAmtPlayed = 0;
    std::int64_t CreditsIn = 0;
    std::int16_t HandState = HandStates::BetweenHands;
    // The Deal button shows "Deal" (true) or "Draw".
    bool dealFace = true;
    std::int16_t CoinsBet = 0;
    std::int64_t PaidAmount = 0;
    TableButtons buttons;
    std::int64_t vHandsPlayed = 0;
    std::int64_t vHandsWon = 0;
    std::int64_t vAmtWon = 0;
    std::array<bool, HandSize> Held{};
    // Nothing: a file that ends after the holds, which leaves the game's counts as they are.
    std::optional<tandora::HandCounts> HandCounts;
    // Line 43: the table the game is played by, when not its designed one.
    std::optional<PayTable> payTable;
    friend bool operator==(const GameFileRecord&, const GameFileRecord&) = default;
};

GameFileRecord recordOf(const GameState& state, const TableButtons& buttons);

// The file's exact bytes: 42 lines (29 without hand counts), each ending in CR LF, and line 43 for a table
// other than the game's designed one.
std::string writeGameFile(const GameFileRecord& record);

// The whole file checked and converted, or nothing when any part of it is not a game file.
std::optional<GameFileRecord> parseGameFile(std::string_view bytes);

} // namespace tandora
