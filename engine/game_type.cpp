#include "game_type.h"

#include "ascii_text.h"

namespace tandora {

std::optional<GameType> parseGameType(std::string_view code) {
    for (GameType game : AllGames) {
        if (equalsIgnoringCase(code, gameCode(game)))
            return game;
    }
    return std::nullopt;
}

std::string_view gameCode(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85: return "jb85";
    case GameType::JacksOrBetter96: return "jb96";
    case GameType::DeucesWild: return "dw";
    case GameType::JokerPoker: return "jp";
    }
    return {};
}

std::string_view gameName(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85: return "8/5 Jacks or Better";
    case GameType::JacksOrBetter96: return "9/6 Jacks or Better";
    case GameType::DeucesWild: return "Deuces Wild";
    case GameType::JokerPoker: return "Joker Poker";
    }
    return {};
}

} // namespace tandora
