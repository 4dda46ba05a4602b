// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reading desktop entries (.desktop files), shared by the icon lookup and the app id lookup.

// $XDG_DATA_HOME first, then $XDG_DATA_DIRS: earlier folders take precedence.
std::vector<std::string> DesktopDataDirs();

std::string DesktopTrim(std::string_view text);

// The escapes every desktop entry string value may carry.
std::string DesktopUnescape(const std::string& value);

// Exec's arguments, with its double-quote rules.
std::vector<std::string> DesktopExecWords(const std::string& exec);

// Where a command of an entry leads (searched in PATH, links resolved), as the kernel
// would report the running executable; "" when it leads nowhere.
std::string DesktopResolveCommand(const std::string& command);

// The keys of the file's [Desktop Entry] group, values unescaped; locale variants
// ("Name[de]") keep their brackets. Empty when the file cannot be read.
std::unordered_map<std::string, std::string> ReadDesktopEntry(const std::string& file);
