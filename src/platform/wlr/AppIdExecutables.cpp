// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wlr/AppIdExecutables.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/desktop/DesktopEntryFile.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

bool IsShell(const std::string& name) {
    return name == "sh" || name == "bash" || name == "dash" || name == "zsh";
}

// Launchers whose program lives inside a sandbox the host's paths do not show.
bool IsSandboxLauncher(const std::string& name) {
    return name == "flatpak" || name == "snap";
}

std::optional<std::string> TargetOf(const std::vector<std::string>& words, int depth) {
    std::size_t i = 0;
    while (i < words.size()) {
        const std::string name = fs::path(words[i]).filename().string();
        if (name == "env") {
            ++i;
            while (i < words.size() &&
                   (words[i].find('=') != std::string::npos || words[i].starts_with('-'))) {
                // -u NAME and -C FOLDER take the next word along.
                i += words[i] == "-u" || words[i] == "-C" ? 2 : 1;
            }
        } else if (name == "exec") {
            ++i;
        } else if (IsShell(name) && i + 2 < words.size() && words[i + 1] == "-c") {
            // The shell's command, split at blanks: enough for the usual "VAR=x prog %U".
            return depth < 3 ? TargetOf(DesktopExecWords(words[i + 2]), depth + 1) : std::nullopt;
        } else if (words[i].find('=') != std::string::npos && depth > 0) {
            ++i;  // an assignment before a shell command
        } else {
            break;
        }
    }
    if (i == words.size() || IsSandboxLauncher(fs::path(words[i]).filename().string()) ||
        words[i].starts_with("/snap/")) {
        return std::nullopt;
    }
    const std::string path = DesktopResolveCommand(words[i]);
    // /snap/bin/NAME leads to snap itself; so may a command named after the program.
    if (path.empty() || IsSandboxLauncher(fs::path(path).filename().string())) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

std::optional<std::string> ExecTargetPath(const std::string& exec) {
    return TargetOf(DesktopExecWords(exec), 0);
}

std::optional<std::string> CAppIdExecutables::PathFor(const std::string& appId) {
    const auto cached = m_cache.find(appId);
    if (cached != m_cache.end()) {
        return cached->second;
    }
    std::optional<std::string> path = Find(appId);
    m_cache.emplace(appId, path);
    return path;
}

std::optional<std::string> CAppIdExecutables::Find(const std::string& appId) {
    if (appId.empty() || appId.find('/') != std::string::npos) {
        return std::nullopt;
    }
    const std::string file = EntryFileFor(appId);
    if (file.empty()) {
        return std::nullopt;
    }
    auto keys = ReadDesktopEntry(file);
    return ExecTargetPath(keys["Exec"]);
}

// The desktop file named after the app id (as is, then in lower case), in the data
// folders' precedence; else the entry that claims the app id as its window class.
std::string CAppIdExecutables::EntryFileFor(const std::string& appId) {
    const std::vector<std::string> dataDirs = DesktopDataDirs();
    std::error_code error;
    for (const std::string& name : {appId, Lower(appId)}) {
        for (const std::string& dir : dataDirs) {
            const std::string file = dir + "/applications/" + name + ".desktop";
            if (fs::is_regular_file(file, error)) {
                return file;
            }
        }
    }
    if (!m_classesRead) {
        m_classesRead = true;
        for (auto dir = dataDirs.rbegin(); dir != dataDirs.rend(); ++dir) {
            // Later folders first, so the earlier folders' entries overwrite them.
            for (fs::directory_iterator it(fs::path(*dir) / "applications", error), end;
                 !error && it != end; it.increment(error)) {
                if (it->path().extension() != ".desktop") {
                    continue;
                }
                auto keys = ReadDesktopEntry(it->path().string());
                const std::string& wmClass = keys["StartupWMClass"];
                if (!wmClass.empty()) {
                    m_byWmClass[Lower(wmClass)] = it->path().string();
                }
            }
            error.clear();
        }
    }
    const auto found = m_byWmClass.find(Lower(appId));
    return found != m_byWmClass.end() ? found->second : std::string();
}
