#pragma once

#include <string>
#include <vector>

namespace tandora {

// Results of handing a document or address to the desktop, numbered as the classic shell numbered them:
// anything above 32 is success.
namespace ShellResult {
inline constexpr int FileNotFound = 2;
inline constexpr int AccessDenied = 5;
inline constexpr int OutOfMemory = 8;
inline constexpr int AssociationIncomplete = 27;
inline constexpr int NoAssociation = 31;
inline constexpr int Success = 42;
// Nothing on this system hands documents to other programs (no desktop launcher).
inline constexpr int NoLauncher = -1;
} // namespace ShellResult

// The desktop around the program: documents, web addresses, other programs and the program's folders.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual int openDocument(const std::string& path) = 0;
    virtual int openWebAddress(const std::string& address) = 0;
    // False when the program could not be started.
    virtual bool startProgram(const std::string& path, const std::vector<std::string>& arguments) = 0;
    // Where the files shipped with the program lie: the executable's folder, or the installed data folder
    // when the program runs installed; no trailing separator.
    virtual std::string programFolder() const = 0;
    // The user's documents folder, where game files go by default; the home folder when it does not exist.
    virtual std::string documentsFolder() const = 0;
    // The path of the system's own information tool; empty when the system has none.
    virtual std::string systemInformationTool() const = 0;
    // True where the program's installer keeps an uninstall log in the program's folder.
    virtual bool installerKeepsUninstallLog() const = 0;
};

} // namespace tandora
