#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tandora {

// Text forms of the values the settings store keeps.
std::string booleanText(bool value);
// "True"/"False" in any case, or a number (0 is False, any other True); nothing otherwise.
std::optional<bool> parseBoolean(std::string_view text);
// A decimal number, surrounding blanks allowed.
std::optional<double> parseNumber(std::string_view text);
// A number rounded half to even, as long as it fits in 16 signed bits.
std::optional<std::int16_t> parseInt16(std::string_view text);
// Whole numbers without a decimal point, others as the shortest decimal.
std::string numberText(double value);

} // namespace tandora
