#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tandora {

struct FileFilter {
    std::string description; // "Game Files (*.tn2)"
    std::string pattern;     // "*.tn2"
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string initialFolder;
    // Added to a typed name that has no extension, when saving.
    std::string defaultSuffix;
};

// The common open and save dialogs. Nothing means the player cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
    // Asks before replacing an existing file.
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;
};

} // namespace tandora
