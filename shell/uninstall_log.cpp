#include "shell/uninstall_log.h"

#include <algorithm>

#include "engine/ascii_text.h"
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

// The options as the designed log lists them: by name regardless of case, with Joker Poker's key spelt
// "Jokerpoker". The uninstaller matches value names without regard to case, so that removes "JokerPoker".
std::vector<std::string> optionKeys() {
    std::vector<std::string> keys{Settings::DefPoints};
    for (const auto& option : Settings::OptionKeys)
        keys.emplace_back(option.key);
    std::sort(keys.begin(), keys.end(),
              [](const std::string& a, const std::string& b) { return toUpperAscii(a) < toUpperAscii(b); });
    for (std::string& key : keys) {
        if (equalsIgnoringCase(key, "Jokerpoker"))
            key = "Jokerpoker";
    }
    return keys;
}

std::vector<std::string> recentFileKeys() {
    std::vector<std::string> keys;
    for (int n = 1; n <= RecentFileEntries; ++n)
        keys.push_back(Settings::recentFileKey(n));
    for (int n = 1; n <= RecentFileEntries; ++n)
        keys.push_back(Settings::recentTitleKey(n));
    return keys;
}

std::vector<std::string> payTableKeys() {
    std::vector<std::string> keys;
    for (const GameType game : AllGames)
        keys.emplace_back(gameCode(game));
    return keys;
}

} // namespace

std::vector<std::string> UninstallLog::lines() {
    struct Section {
        const char* name;
        std::vector<std::string> keys;
    };
    const Section sections[] = {
        {Settings::MainWindow, {Settings::FirstTime, Settings::Left, Settings::Top, Settings::WindowState}},
        {Settings::Options, optionKeys()},
        {Settings::RecentFiles, recentFileKeys()},
        {Settings::Bank, {Settings::Credits}},
        // Our own section, after the designed lines, so that an uninstall removes it too.
        {Settings::Strategy, {Settings::ShowBestHold, Settings::Trainer}},
        {Settings::Display, {Settings::Scale}},
        {Settings::PayTables, payTableKeys()},
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
