// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "core/IconImage.h"

class CDesktopEntryIndex;

// Program icons on a Linux desktop: the icon of the desktop entry whose TryExec or Exec
// names the executable, found in the shared index of the entries. Icons are decoded on
// first use, from files read as the index reads entries (small regular files only), and
// kept; a miss is kept only once the index has been read, and everything kept is dropped
// when the index reads the folders again.
class CDesktopEntryIcons {
  public:
    explicit CDesktopEntryIcons(CDesktopEntryIndex& index);

    // The icon for an executable's full path at ProgramIconPixels() square, or nullopt when no
    // entry names it or its icon cannot be loaded.
    std::optional<IconImage> IconFor(const std::string& executablePath);
    // The icon of the entry a Wayland window names: its desktop file id (the app id) or its
    // StartupWMClass, compared without regard to case.
    std::optional<IconImage> IconForWindow(const std::string& appId);
    // A Wayland window's icon: its executable's, else its app id's (may be empty).
    std::optional<IconImage> IconFor(const std::string& executablePath, const std::string& appId);

    CDesktopEntryIndex& Index() { return index_; }

  private:
    std::optional<IconImage> Lookup(const std::string& key, bool byWindow);

    CDesktopEntryIndex& index_;
    int revision_ = -1;  // of the index when the cache was filled
    std::unordered_map<std::string, std::optional<IconImage>> cache_;
};

// Decodes an icon file to ProgramIconPixels() square, read as the index reads entries and with a
// bounded allocation; nullopt when it is no picture (or SVG without a GUI application).
std::optional<IconImage> LoadIconFile(const std::string& file);
