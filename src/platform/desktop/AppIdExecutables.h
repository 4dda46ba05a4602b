// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// The executable an Exec line starts, looking through env and sh -c; nullopt for Flatpak
// and snap launches or a command found nowhere. Programs started by Flatpak or snap have no
// executable of their own on the host. Looks at the disk: meant for the entries' reading.
// Commands are searched in searchPath (a PATH value), or in $PATH.
std::optional<std::string> ExecTargetPath(const std::string& exec, const std::string& searchPath);
std::optional<std::string> ExecTargetPath(const std::string& exec);
