// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/AppIdExecutables.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/desktop/DesktopEntryFile.h"

namespace fs = std::filesystem;

namespace {

bool IsShell(const std::string& name) {
    return name == "sh" || name == "bash" || name == "dash" || name == "zsh";
}

// Launchers whose program lives inside a sandbox the host's paths do not show.
bool IsSandboxLauncher(const std::string& name) {
    return name == "flatpak" || name == "snap";
}

std::optional<std::string> TargetOf(const std::vector<std::string>& words,
                                    const std::string& searchPath, int depth) {
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
            return depth < 3 ? TargetOf(DesktopExecWords(words[i + 2]), searchPath, depth + 1)
                             : std::nullopt;
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
    const std::string path = DesktopResolveCommand(words[i], searchPath);
    // /snap/bin/NAME leads to snap itself; so may a command named after the program.
    if (path.empty() || IsSandboxLauncher(fs::path(path).filename().string())) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

std::optional<std::string> ExecTargetPath(const std::string& exec, const std::string& searchPath) {
    return TargetOf(DesktopExecWords(exec), searchPath, 0);
}

std::optional<std::string> ExecTargetPath(const std::string& exec) {
    const char* path = std::getenv("PATH");
    return ExecTargetPath(exec, path != nullptr ? path : "");
}
