#pragma once

#include "platform/file_system.h"

namespace tandora {

class QtFileSystem : public FileSystem {
public:
    bool exists(const std::string& path) const override;
    ReadResult readAll(const std::string& path, std::size_t maxBytes) const override;
    FileResult writeAtomically(const std::string& path, const std::string& bytes) override;
    FileResult appendText(const std::string& path, const std::string& text) override;
};

} // namespace tandora
