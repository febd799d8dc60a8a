#pragma once

#include <string>
#include <vector>

#include "table/table_context.h"

namespace tandora {

// The uninstaller removes what the setup's log lists. The setup cannot list the settings the program
// creates itself, so the first run appends them.
class UninstallLog {
public:
    explicit UninstallLog(TableContext context) : ctx_(context) {}

    // Appends a line for every settings section and key to the log in the program's folder. Where the
    // installer keeps no log (Linux), there is nothing to add to and nothing to warn about.
    void AppendUninstallLog();

    // The 27 lines, without line ends.
    static std::vector<std::string> lines();

    static constexpr const char* FileName = "st6unst.log";

private:
    void warn();

    TableContext ctx_;
};

} // namespace tandora
