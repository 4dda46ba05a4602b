// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CCommandLine;
class CShareSettings;

// What --report and --history share on the terminal: the database they read, the files
// they refuse, and how their text reaches its output.

// --database, else the program's own.
std::string CommandDatabasePath(const CCommandLine& options);
// kExitOk when the database at path and every other one named are regular files; else the
// exit status, with the reason on err. Opening a pipe would wait for a writer for ever.
int CheckCommandDatabases(const CCommandLine& options, const std::string& path, std::ostream& err);
// kExitOk for an output that may be written, else the exit status with the reason on err:
// checked before any work, so a refused output costs nothing.
int CheckCommandOutput(const CCommandLine& options, const std::string& database, std::ostream& err);
// The text to standard output, into a pipe or device, or replacing a file whole.
bool WriteCommandText(const CCommandLine& options, const std::string& text,
                      const std::string& database, std::ostream& out, std::ostream& err);
// The other computers' files: the further --database files, and with --all-computers the
// share folder's snapshots. False, with the reason on err, when no share folder is set.
bool CommandSnapshots(const CCommandLine& options, const CShareSettings& share,
                      std::vector<std::string>& snapshots, std::ostream& err);
