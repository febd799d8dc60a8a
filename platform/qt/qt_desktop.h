#pragma once

#include "platform/desktop.h"

namespace tandora {

// Documents and addresses go to the desktop's own applications.
class QtDesktop : public Desktop {
public:
    int openDocument(const std::string& path) override;
    int openWebAddress(const std::string& address) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& arguments) override;
    std::string programFolder() const override;
    std::string documentsFolder() const override;
};

} // namespace tandora
