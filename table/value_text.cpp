#include "table/value_text.h"

#include "engine/ascii_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tandora {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string booleanText(bool value) {
    return value ? "True" : "False";
}

std::optional<bool> parseBoolean(std::string_view text) {
    const std::string_view t = trimmed(text);
    if (equalsIgnoringCase(t, "true"))
        return true;
    if (equalsIgnoringCase(t, "false"))
        return false;
    if (const auto number = parseNumber(t))
        return *number != 0.0;
    return std::nullopt;
}

std::optional<double> parseNumber(std::string_view text) {
    std::string_view t = trimmed(text);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    if (t.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (error != std::errc{} || end != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> parseInt16(std::string_view text) {
    const auto number = parseNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default rounding mode rounds halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::string numberText(double value) {
    if (std::nearbyint(value) == value && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

double leadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    std::string number;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        number += text[at++];
    bool point = false;
    bool digits = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            digits = true;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (number.front() == '+')
        number.erase(0, 1);
    // from_chars, unlike strtod, does not follow the desktop's locale.
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

std::string groupedNumber(std::int64_t value) {
    // Negating the smallest int64 overflows; its magnitude still fits unsigned.
    const auto magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return value < 0 ? "-" + digits : digits;
}

std::string groupedOrEmpty(std::int64_t value) {
    return value == 0 ? std::string() : groupedNumber(value);
}

} // namespace tandora
