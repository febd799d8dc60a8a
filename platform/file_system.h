#pragma once

#include <cstddef>
#include <string>

namespace tandora {

// The outcome of a file operation; error is a sentence for the player when ok is false.
struct FileResult {
    bool ok = true;
    std::string error;
};

struct ReadResult {
    bool ok = true;
    std::string bytes;
    std::string error;
};

// Files as the program uses them. Failures are reported in the result, never thrown.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& path) const = 0;
    // The whole file, refused when it is larger than maxBytes.
    virtual ReadResult readAll(const std::string& path, std::size_t maxBytes) const = 0;
    // Writes a temporary file beside path, flushes it and renames it over path, so that a failure at any
    // moment leaves the old file as it was.
    virtual FileResult writeAtomically(const std::string& path, const std::string& bytes) = 0;
    // Appends to an existing file; refused when the file does not exist.
    virtual FileResult appendText(const std::string& path, const std::string& text) = 0;
};

} // namespace tandora
