// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Hourglint's GNOME Shell extension, which the program carries in both forms.

// Its UUID, and the bus name, object and interface it serves.
extern const char* const kGnomeExtensionUuid;
extern const char* const kGnomeExtensionBusName;
extern const char* const kGnomeExtensionPath;
extern const char* const kGnomeExtensionInterface;

// The major number of a ShellVersion such as "43.9"; 0 when there is none.
int GnomeShellMajor(const std::string& shellVersion);

// Whether the copy GNOME Shell would load (the user's before the system's) declares this
// major version; false when there is no copy at all.
bool GnomeExtensionCopyFits(int shellMajor);

// Whether the copy in this folder declares this major version.
bool GnomeExtensionFolderFits(const std::string& folder, int shellMajor);

// Writes the form that fits this major version into the user's extension folder. false
// with the reason in error when it cannot.
bool InstallGnomeExtensionForUser(int shellMajor, std::string& error);

// The user's extension folder of ours.
std::string GnomeExtensionUserFolder();
