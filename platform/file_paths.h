#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tandora {

// The characters that end a folder in a path on this system.
#ifdef _WIN32
inline constexpr std::string_view PathSeparators = "/\\";
#else
inline constexpr std::string_view PathSeparators = "/";
#endif

// The folder of path up to and including its last separator; empty when it has none.
std::string GetFilePath(std::string_view path, std::string_view separators = PathSeparators);
// The part of path after its last separator; empty when it has none.
std::string GetFileName(std::string_view path, std::string_view separators = PathSeparators);

// Paths are UTF-8: lengths count characters, and a cut never falls inside one.
std::size_t characterCount(std::string_view text);
std::string firstCharacters(std::string_view text, std::size_t count);

// What a shortened path keeps of its start: "/" on Linux; the drive ("C:\") or the share
// ("\\server\share\") on Windows; nothing for a relative path.
std::string pathRoot(std::string_view path, std::string_view separators = PathSeparators);

// How the Game menu shows a recent file: the whole path up to 40 characters, otherwise its root,
// "..." and the name (itself cut to 40 characters and "...").
std::string recentDisplayText(std::string_view path, std::string_view title,
                              std::string_view separators = PathSeparators);
// "&1 " to "&4 " and the display text, or the path itself when it is too short to be a file ("-" marks
// an empty entry).
std::string recentCaption(int entry, std::string_view path, std::string_view title,
                          std::string_view separators = PathSeparators);
// Whether an entry holds a file and is shown.
bool isRecentFile(std::string_view path);

} // namespace tandora
