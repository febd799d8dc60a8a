#include "platform/file_paths.h"

namespace tandora {

namespace {

constexpr std::size_t ShortPathCharacters = 40;
constexpr std::size_t ShortNameCharacters = 40;
constexpr std::size_t MinimumRecentPath = 4;

// A byte that starts a character: anything but a UTF-8 continuation byte.
bool startsCharacter(char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
}

bool isSeparator(char ch, std::string_view separators) {
    return separators.find(ch) != std::string_view::npos;
}

// Menus take "&" for the access key that follows it; "&&" shows the character itself.
std::string menuText(std::string_view text) {
    std::string escaped;
    for (const char ch : text) {
        escaped += ch;
        if (ch == '&')
            escaped += '&';
    }
    return escaped;
}

} // namespace

std::string GetFilePath(std::string_view path, std::string_view separators) {
    const std::size_t last = path.find_last_of(separators);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string GetFileName(std::string_view path, std::string_view separators) {
    const std::size_t last = path.find_last_of(separators);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(last + 1));
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char ch : text)
        count += startsCharacter(ch) ? 1 : 0;
    return count;
}

std::string firstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end) {
        if (startsCharacter(text[end]) && seen++ == count)
            break;
    }
    return std::string(text.substr(0, end));
}

std::string pathRoot(std::string_view path, std::string_view separators) {
    if (path.empty())
        return {};
    const bool windows = separators.find('\\') != std::string_view::npos;
    if (!windows)
        return isSeparator(path[0], separators) ? std::string(1, path[0]) : std::string();
    if (path.size() >= 2 && path[1] == ':')
        return std::string(path.substr(0, path.size() > 2 && isSeparator(path[2], separators) ? 3 : 2));
    if (path.size() >= 2 && isSeparator(path[0], separators) && isSeparator(path[1], separators)) {
        // \\server\share\ : the root ends after the separator that follows the share's name.
        std::size_t end = path.find_first_of(separators, 2);
        if (end != std::string_view::npos)
            end = path.find_first_of(separators, end + 1);
        return std::string(end == std::string_view::npos ? path : path.substr(0, end + 1));
    }
    return isSeparator(path[0], separators) ? std::string(1, path[0]) : std::string();
}

std::string recentDisplayText(std::string_view path, std::string_view title, std::string_view separators) {
    if (characterCount(path) <= ShortPathCharacters)
        return std::string(path);
    const std::size_t last = path.find_last_of(separators);
    const char separator = last == std::string_view::npos ? separators.back() : path[last];
    std::string name = characterCount(title) <= ShortNameCharacters
                           ? std::string(title)
                           : firstCharacters(title, ShortNameCharacters) + "...";
    return pathRoot(path, separators) + "..." + separator + name;
}

std::string recentCaption(int entry, std::string_view path, std::string_view title,
                          std::string_view separators) {
    if (!isRecentFile(path))
        return std::string(path);
    std::string caption("&");
    caption.append(std::to_string(entry))
        .append(" ")
        .append(menuText(recentDisplayText(path, title, separators)));
    return caption;
}

bool isRecentFile(std::string_view path) {
    return characterCount(path) >= MinimumRecentPath;
}

} // namespace tandora
