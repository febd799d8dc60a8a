#pragma once

#include <QStringList>

#include "platform/desktop.h"

namespace tandora {

// Documents and addresses go to the desktop's own applications.
class QtDesktop : public Desktop {
public:
    // toolFolders: where to look for the system information tool; empty for the system's search path.
    explicit QtDesktop(QStringList toolFolders = {}) : toolFolders_(std::move(toolFolders)) {}

    int openDocument(const std::string& path) override;
    int openWebAddress(const std::string& address) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& arguments) override;
    std::string programFolder() const override;
    std::string documentsFolder() const override;
    std::string systemInformationTool() const override;
    bool installerKeepsUninstallLog() const override;

private:
    QStringList toolFolders_;
};

} // namespace tandora
