#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tandora {

// The four games; the text codes are what settings, game files and tools use.
enum class GameType : std::uint8_t { JacksOrBetter85, JacksOrBetter96, DeucesWild, JokerPoker };

inline constexpr std::array<GameType, 4> AllGames{GameType::JacksOrBetter85, GameType::JacksOrBetter96,
                                                  GameType::DeucesWild, GameType::JokerPoker};

// "jb85", "jb96", "dw" or "jp" in any letter case.
std::optional<GameType> parseGameType(std::string_view code);
std::string_view gameCode(GameType game);
// The game's name as the player reads it, e.g. "8/5 Jacks or Better".
std::string_view gameName(GameType game);

// The two wild-card flags every card routine consults.
struct GameFlags {
    bool DeucesWildGame = false;
    bool JokerPokerGame = false;
};

constexpr GameFlags flagsFor(GameType game) {
    return {game == GameType::DeucesWild, game == GameType::JokerPoker};
}

} // namespace tandora
