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
// The value of the number a typed text starts with (blanks, a sign, digits and one decimal point), 0 when
// it starts with none: "2.5 credits" is 2.5, "abc" is 0.
double leadingNumber(std::string_view text);
// Digits in groups of three with a comma, whatever the system's locale: "1,234". The "###,###" form shows
// nothing for zero, "#,##0" shows "0".
std::string groupedNumber(std::int64_t value);
std::string groupedOrEmpty(std::int64_t value);

} // namespace tandora
