// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

// The executable a Wayland app id stands for, through its desktop entry: the entry named
// after the app id, else the one whose StartupWMClass is the app id. Its Exec is followed
// past wrappers that start the real program (env, sh -c); programs started by Flatpak or
// snap have no executable of their own on the host and get none. Each answer is kept.
class CAppIdExecutables {
  public:
    // The full path, links resolved, or nullopt when none can be found.
    std::optional<std::string> PathFor(const std::string& appId);

  private:
    std::optional<std::string> Find(const std::string& appId);
    std::string EntryFileFor(const std::string& appId);

    bool m_classesRead = false;
    std::unordered_map<std::string, std::string> m_byWmClass;  // lower-case class -> file
    std::unordered_map<std::string, std::optional<std::string>> m_cache;
};

// The executable an Exec line starts, looking through env and sh -c; nullopt for Flatpak
// and snap launches or a command found nowhere.
std::optional<std::string> ExecTargetPath(const std::string& exec);
