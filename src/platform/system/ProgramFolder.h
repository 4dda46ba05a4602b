// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

// The folder that holds the database HG.mdb, ending in '/': the executable's folder when
// this user can read and write the database there (or, when there is none yet, create one
// there and the folder is not an installed program's bin folder), else the per-user
// application data folder. Creates nothing.
std::string ProgramFolder();
// The same rule for a given executable folder; "./" when no folder can be used.
std::string ProgramFolderFor(const QString& executableDir);
// ProgramFolder() for the running program, which also creates the per-user data folder
// (0700, like any missing parent) when that is the one chosen. Empty on failure, with a
// sentence for the user in problem.
std::string PrepareProgramFolder(std::string& problem);
// Names the application "Hourglint" of "Hourglint", which places the per-user data folder
// and the settings. Call once the application object exists.
void SetApplicationNames();
