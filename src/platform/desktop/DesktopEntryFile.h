// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
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

// Where a command of an entry leads (searched in searchPath, a PATH value; links
// resolved), as the kernel would report the running executable; "" when it leads nowhere.
std::string DesktopResolveCommand(const std::string& command, const std::string& searchPath);

// The largest desktop entry read; real ones are a few kilobytes.
constexpr std::size_t kMaxDesktopEntryBytes = 64 * 1024;

// The bytes of a regular file of at most maxBytes, links followed; nullopt for anything
// else (a pipe, a device, a folder, a larger file). Never blocks on what it refuses: the
// type is checked before and after a non-blocking open, and only the descriptor is read.
std::optional<std::string> ReadSmallRegularFile(const std::string& file, std::size_t maxBytes);

// Each group's keys, values unescaped; locale variants ("Name[de]") keep their brackets.
using DesktopGroups = std::unordered_map<std::string, std::unordered_map<std::string, std::string>>;
DesktopGroups ParseDesktopGroups(std::string_view text);

// The keys of the text's [Desktop Entry] group, values unescaped; locale variants
// ("Name[de]") keep their brackets.
std::unordered_map<std::string, std::string> ParseDesktopEntry(std::string_view text);

// The keys of the file's [Desktop Entry] group, read as ReadSmallRegularFile reads.
// Empty when the file cannot be read.
std::unordered_map<std::string, std::string> ReadDesktopEntry(const std::string& file);
