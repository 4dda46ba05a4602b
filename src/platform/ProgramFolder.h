#pragma once

#include <QString>
#include <string>

// The folder that holds the database HG.mdb, ending in '/': the executable's folder when
// it already holds the database, or is writable and not an installed program's bin folder,
// else the per-user application data folder.
std::string ProgramFolder();
// The same rule for a given executable folder; "./" when no folder can be used.
std::string ProgramFolderFor(const QString& executableDir);
// Names the application "Hourglint" of "Hourglint", which places the per-user data folder
// and the settings. Call once the application object exists.
void SetApplicationNames();
