#include "stats/number_format.h"

namespace tandora {

namespace {

std::uint64_t magnitude(std::int64_t value) {
    // Negating the smallest int64 overflows; its magnitude still fits unsigned.
    return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                     : static_cast<std::uint64_t>(value);
}

} // namespace

std::string decimalText(std::int64_t numerator, std::int64_t denominator, int decimals) {
    if (denominator <= 0)
        return "0";
    const std::uint64_t n = magnitude(numerator);
    const auto d = static_cast<std::uint64_t>(denominator);
    std::uint64_t whole = n / d;
    std::uint64_t rest = n % d;
    std::string fraction;
    for (int i = 0; i < decimals; ++i) {
        rest *= 10;
        fraction += static_cast<char>('0' + rest / d);
        rest %= d;
    }
    if (rest >= d - rest) {
        // Round up, carrying through the decimals into the whole part.
        int i = static_cast<int>(fraction.size()) - 1;
        for (; i >= 0 && fraction[static_cast<std::size_t>(i)] == '9'; --i)
            fraction[static_cast<std::size_t>(i)] = '0';
        if (i >= 0)
            ++fraction[static_cast<std::size_t>(i)];
        else
            ++whole;
    }
    std::string text = std::to_string(whole);
    if (decimals > 0)
        text += "." + fraction;
    const bool zero = whole == 0 && fraction.find_first_not_of('0') == std::string::npos;
    return numerator < 0 && !zero ? "-" + text : text;
}

std::string padRight(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string padLeft(std::string text, std::size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

} // namespace tandora
