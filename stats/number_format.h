#pragma once

#include <cstdint>
#include <string>

namespace tandora {

// Numbers as the statistics show them: comma thousands and a dot before the decimals, whatever the
// system's locale, so that a report reads the same everywhere.

// numerator / denominator with exactly `decimals` decimals, rounded half away from zero: (10, 4, 2)
// gives "2.50". Exact, so that 96.005 never turns into 96.00 through binary fractions. denominator > 0.
std::string decimalText(std::int64_t numerator, std::int64_t denominator, int decimals);

// Blanks added on the right (or left) up to width; a text that is already that long stays as it is.
std::string padRight(std::string text, std::size_t width);
std::string padLeft(std::string text, std::size_t width);

} // namespace tandora
