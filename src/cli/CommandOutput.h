// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/CShareSettings.h"
#include "db/CMergedReport.h"

class CCommandLine;

// What --report and --history share on the terminal: the database they read, the files
// they refuse, and how their text reaches its output.

// "cannot write FILE: REASON" and "cannot read FILE: REASON", in the user's language.
std::string CannotWrite(const std::string& file, const std::string& reason);
std::string CannotRead(const std::string& file, const std::string& reason);
// --database, else the program's own.
std::string CommandDatabasePath(const CCommandLine& options);
// kExitOk when the database at path and every other one named are regular files; else the
// exit status, with the reason on err. Opening a pipe would wait for a writer for ever.
int CheckCommandDatabases(const CCommandLine& options, const std::string& path, std::ostream& err);
// kExitOk for an output that may be written, else the exit status with the reason on err:
// checked before any work, so a refused output costs nothing.
int CheckCommandOutput(const CCommandLine& options, const std::string& database, std::ostream& err);
// Both checks above, databases first: kExitOk, or the exit status with the reason on err.
int CheckCommandFiles(const CCommandLine& options, const std::string& database, std::ostream& err);
// This computer's name and share folder, from the settings the windows use.
CShareSettings CommandShareSettings();
// One line per file a merged result left out; files of which only some days, or one of two
// copies, were left out are only named.
void WriteLeftOut(const std::vector<CMergedReport::LeftOut>& leftOut, std::ostream& err);
// The line that says a database was read as an unchanging file, when it was.
void WriteImmutableNote(bool immutable, const std::string& database, std::ostream& err);
// The result in the chosen --format: csv() or json() as text, or html() writing its files.
bool WriteCommandFormat(const CCommandLine& options, const std::string& database, std::ostream& out,
                        std::ostream& err, const std::function<std::string()>& csv,
                        const std::function<std::string()>& json,
                        const std::function<bool()>& html);
// The text to standard output, into a pipe or device, or replacing a file whole.
bool WriteCommandText(const CCommandLine& options, const std::string& text,
                      const std::string& database, std::ostream& out, std::ostream& err);
// The other computers' files: the further --database files, and with --all-computers the
// share folder's snapshots. False, with the reason on err, when no share folder is set.
bool CommandSnapshots(const CCommandLine& options, const CShareSettings& share,
                      std::vector<std::string>& snapshots, std::ostream& err);
