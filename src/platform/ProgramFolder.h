#pragma once

#include <QString>
#include <string>

// The folder that holds the database HG.mdb, ending in '/': the executable's folder when
// it already holds the database, or is writable and not an installed program's bin folder,
// else the per-user application data folder.
// create false: the per-user folder is named but not made, for a report, which only reads.
std::string ProgramFolder(bool create = true);
// The same rule for a given executable folder; "./" when no folder can be used.
std::string ProgramFolderFor(const QString& executableDir, bool create = true);
// Names the application "Hourglint" of "Hourglint", which places the per-user data folder
// and the settings. Call once the application object exists.
void SetApplicationNames();
