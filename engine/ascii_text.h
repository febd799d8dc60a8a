#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace tandora {

// Letter case of the program's own codes and keys, which are plain ASCII.
inline std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    for (char& ch : result)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return result;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace tandora
