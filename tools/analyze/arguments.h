#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/card.h"
#include "engine/game_type.h"
#include "engine/pay_table.h"

namespace tandora {

inline constexpr int BadArguments = 2;

// Prints "tandora-analyze: message" on stderr; returns the exit status for bad arguments.
int badArguments(const std::string& message);

// The words of a line, split at blanks.
std::vector<std::string_view> splitWords(std::string_view line);

// Five card words checked for the game: the hand, or a one-line reason why it is not one.
std::variant<Hand, std::string> parseHand(const std::vector<std::string_view>& words, GameType game);

// Takes "NAME VALUE" out of args (the last one counts): the value, nothing when absent, or a one-line
// reason when NAME ends the arguments.
std::variant<std::optional<std::string_view>, std::string> takeOption(std::vector<std::string_view>& args,
                                                                      std::string_view name);

// Takes "NAME N" out of args: N when it is a whole number from min to max, fallback when absent, or a
// one-line reason.
std::variant<std::int64_t, std::string> takeNumberOption(std::vector<std::string_view>& args,
                                                         std::string_view name, std::int64_t min,
                                                         std::int64_t max, std::int64_t fallback);

// Takes "--coins N" out of args. The coins (5 when absent), or a one-line reason why N is not 1 to 5.
std::variant<int, std::string> takeCoinsOption(std::vector<std::string_view>& args);

// Takes "--pays P1,...,Pn" and "--royal5 N" out of args: the one-coin pays of the game's rows from the top
// down and the five-coin royal flush (4000 when absent). The table (the game's designed one without
// --pays), or a one-line reason why there is none.
std::variant<PayTable, std::string> takePayTableOptions(std::vector<std::string_view>& args, GameType game);

} // namespace tandora
