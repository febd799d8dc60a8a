#include "shell/uninstall_log.h"

#include "shell/settings_keys.h"

namespace tandora {

namespace {

constexpr const char* StoreRoot = R"(HKEY_CURRENT_USER\Software\VB and VBA Program Settings)";

std::string keyLine(const std::string& section) {
    return std::string(R"(ACTION: RegKey: ")") + StoreRoot + R"(", ")" + AppTitle + "\\" + section + "\"";
}

std::string valueLine(const std::string& section, const std::string& key) {
    return std::string(R"(ACTION: RegValue: ")") + StoreRoot + "\\" + AppTitle + "\\" + section + R"(", ")" +
           key + "\"";
}

} // namespace

std::vector<std::string> UninstallLog::lines() {
    struct Section {
        const char* name;
        std::vector<std::string> keys;
    };
    // The uninstaller matches value names without regard to case, so "Jokerpoker" removes "JokerPoker".
    const Section sections[] = {
        {Settings::MainWindow, {Settings::FirstTime, Settings::Left, Settings::Top, Settings::WindowState}},
        {Settings::Options,
         {"BlueDeck", Settings::DefPoints, "DeucesWild", "DoubleUp", "JacksOrBetter", "JacksOrBetter96",
          "Jokerpoker", "LoadLastGame", "RedDeck", "SoundEffects"}},
        {Settings::RecentFiles,
         {"File 1", "File 2", "File 3", "File 4", "Title 1", "Title 2", "Title 3", "Title 4"}},
        {Settings::Bank, {Settings::Credits}},
        // Our own section, after the designed lines, so that an uninstall removes it too.
        {Settings::Strategy, {Settings::StrategyKeys[0].key, Settings::StrategyKeys[1].key}},
    };
    std::vector<std::string> result;
    for (const Section& section : sections) {
        result.push_back(keyLine(section.name));
        for (const std::string& key : section.keys)
            result.push_back(valueLine(section.name, key));
    }
    return result;
}

void UninstallLog::AppendUninstallLog() {
    if (!ctx_.platform.desktop.installerKeepsUninstallLog())
        return;
    const std::string path = ctx_.platform.desktop.programFolder() + "/" + FileName;
    if (!ctx_.platform.files.exists(path)) {
        warn();
        return;
    }
    std::string text;
    for (const std::string& line : lines())
        text += line + "\r\n";
    // All the lines in one append: the log is opened once.
    if (!ctx_.platform.files.appendText(path, text).ok)
        warn();
}

void UninstallLog::warn() {
    ctx_.messageBox(
        "The uninstall information may be corrupt. If you decide to uninstall Tandora 2.0 you may "
        "need to do it manually. The Readme.txt file has instructions.",
        MsgStyle::Exclamation, AppTitle);
}

} // namespace tandora
