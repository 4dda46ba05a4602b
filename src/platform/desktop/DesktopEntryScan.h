// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Where a reading of the desktop entries looks, taken from the environment by the thread
// that asks for it (the worker never reads the environment, which others may change).
struct DesktopEntrySources {
    std::vector<std::string> dataDirs;  // in precedence order
    std::string home;
    std::string searchPath;  // PATH
    std::string iconTheme;   // the user's icon theme, "" for hicolor alone
    int iconSize = 16;       // the icon side wanted, in pixels: the theme folders' order

    // The environment's; the icon theme is given by the caller (Qt knows it).
    static DesktopEntrySources FromEnvironment(std::string iconTheme);
};

// One reading of the desktop entries (the .desktop files in the data folders'
// "applications") and of the icon files their icons name: all the lookups need, so that
// they touch the disk only to decode an icon file. Made by ScanDesktopEntries, then only
// read.
struct DesktopEntryScan {
    struct Command {
        std::string written;   // TryExec or Exec's program
        std::string resolved;  // where it led at the reading, "" when nowhere
    };
    struct Entry {
        std::vector<Command> commands;
        std::string icon;  // an absolute file or a theme name
    };

    // The icon of the entry whose command leads to this very file, else of the first whose
    // command has the same base name (a wrapper in PATH for a program installed elsewhere).
    std::optional<std::string> IconNameFor(const std::string& executablePath) const;
    // The icon of the entry a Wayland window names: its desktop file id (the app id) or its
    // StartupWMClass, compared without regard to case.
    std::optional<std::string> IconNameForWindow(const std::string& appId) const;
    // The files that may hold an icon, best first: itself when absolute, else the theme's.
    std::vector<std::string> IconFiles(const std::string& icon) const;
    // Whether an entry stands for the app id: the one named after it (as is, then in lower
    // case), else one that claims it as its window class.
    bool NamesAppId(const std::string& appId) const;
    // That entry's executable (ExecTargetPath of its Exec); nullopt when it has none.
    std::optional<std::string> ExecutableFor(const std::string& appId) const;

    std::vector<Entry> entries;  // with an icon and a command, in precedence order
    std::unordered_map<std::string, std::vector<std::size_t>> byBaseName;
    std::unordered_map<std::string, std::string> iconByWindowName;  // lower case -> icon
    std::unordered_map<std::string, std::optional<std::string>> executableById;
    std::unordered_map<std::string, std::optional<std::string>> executableByClass;  // lower case
    std::unordered_map<std::string, std::vector<std::string>> iconFiles;  // theme name -> files
    std::vector<std::string> folders;  // what was read: the folders to watch for changes
};

// Reading stops at this many folder entries in all; more is no real system.
constexpr std::size_t kMaxScannedEntries = 20000;

// Reads the entries, following links to entry files (Flatpak exports its entries as links)
// but never into anything that is not a small regular file. Returns what was read when stop
// turns true.
DesktopEntryScan ScanDesktopEntries(const DesktopEntrySources& sources,
                                    const std::atomic<bool>& stop);
