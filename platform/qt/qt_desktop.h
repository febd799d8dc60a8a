#pragma once

#include <QStringList>
#include <QUrl>

#include "platform/desktop.h"

namespace tandora {

// Documents and addresses go to the desktop's own applications.
class QtDesktop : public Desktop {
public:
    // toolFolders: where to look for the programs it starts (the system information tool, the desktop's
    // launcher); empty for the system's search path.
    explicit QtDesktop(QStringList toolFolders = {}) : toolFolders_(std::move(toolFolders)) {}

    int openDocument(const std::string& path) override;
    int openWebAddress(const std::string& address) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& arguments) override;
    std::string programFolder() const override;
    std::string documentsFolder() const override;
    std::string systemInformationTool() const override;
    bool installerKeepsUninstallLog() const override;

private:
    // Hands an address to the desktop's launcher.
    int open(const QUrl& url) const;

    QStringList toolFolders_;
};

} // namespace tandora
