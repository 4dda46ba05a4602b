// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/IconImage.h"

// Program icons on a Linux desktop: the icon of the desktop entry (the .desktop files in
// the XDG data folders' "applications") whose TryExec or Exec names the executable.
// The folders are scanned once, on first use, and each executable's result is kept, so
// asking again never touches the disk.
class CDesktopEntryIcons {
  public:
    // The icon for an executable's full path at 16 x 16, or nullopt when no entry names it
    // or its icon cannot be loaded.
    std::optional<IconImage> IconFor(const std::string& executablePath);
    // The icon of the entry a Wayland window names: its desktop file id (the app id) or its
    // StartupWMClass, compared without regard to case.
    std::optional<IconImage> IconForWindow(const std::string& appId);
    // A Wayland window's icon: its executable's, else its app id's (may be empty).
    std::optional<IconImage> IconFor(const std::string& executablePath, const std::string& appId);

  private:
    struct Entry {
        std::vector<std::string> commands;  // TryExec and Exec's program, as written
        std::string icon;
    };

    void Scan();
    void ReadEntry(const std::string& file, const std::string& id);
    std::optional<std::string> IconNameFor(const std::string& executablePath) const;

    bool m_scanned = false;
    std::vector<Entry> m_entries;  // in precedence order of their folders
    std::unordered_map<std::string, std::vector<std::size_t>> m_byBaseName;
    std::unordered_map<std::string, std::string> m_byWindowName;  // lower-case name -> icon
    std::unordered_map<std::string, std::optional<IconImage>> m_cache;
};
