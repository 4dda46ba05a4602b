// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>

// Folders that hold what only their user may touch: the lock and socket of the running
// program and the per-user data. Each answer is empty when the folder can be used, else a
// sentence for the user naming the folder and what is wrong with it.

// The folder must exist as a directory (not a symlink) owned by owner, with no access for
// group or others.
std::string PrivateFolderProblem(const std::string& folder, uid_t owner);
// Creates folder with mode 0700 when it is missing, then checks it as above.
std::string MakePrivateFolder(const std::string& folder, uid_t owner);
// Creates folder and any missing parents, each new one 0700; existing ones stay as they are.
std::string MakeFolderPath(const std::string& folder);
