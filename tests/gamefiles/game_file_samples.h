#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "table/game_state.h"

namespace tandora::testing_support {

// The parts of text between the bars.
std::vector<std::string> splitAt(char bar, std::string_view text);
// A Deuces Wild game after the deal with two cards held, as the file format's table describes it:
// 42 lines, typed by hand rather than produced by the writer.
std::vector<std::string> sampleLines();
// The same game as a state, with Deal and the holds enabled and both bet buttons disabled.
GameState sampleState();
// Lines joined with CR LF after each, as a game file stores them.
std::string fileOf(const std::vector<std::string>& lines);
// Every field of a game's state, one per line, so that two states compare with a readable difference.
std::string stateText(const GameState& state);

} // namespace tandora::testing_support
