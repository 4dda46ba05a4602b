// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

// Where a report may be written, checked before anything is written. Standard C++ and
// POSIX only, so the command line and the report window share one rule.
struct OutputTarget {
    enum class Kind {
        New,          // nothing there yet; its folder exists
        Regular,      // a regular file that may be replaced
        Stream,       // an existing pipe or character device: written into, never replaced
        Database,     // the database in use or one of its -wal, -shm, -journal files
        NotAFile,     // a folder, socket or block device
        Unwritable,   // cannot be written: read-only, missing folder, no permission
        ForeignLink,  // a link on the way that another user planted in a shared sticky folder
    };
    Kind kind = Kind::New;
    std::string reason;  // for NotAFile and Unwritable: why, in a few words
};

// The file path names, followed through links, compared by device and inode with the
// database and its side files. A link in a sticky, world-writable folder is followed only
// when the user or the folder's owner owns it, as the kernel's protected-symlinks rule asks. A
// regular file nobody may write counts as unwritable even for root, as its owner meant it.
OutputTarget CheckOutputTarget(const std::string& path, const std::string& databasePath);

// Replaces every file (path, bytes) whole, or none of them: each is written to a temporary
// beside its target, then all are renamed over their targets; a failure removes the
// temporaries and puts back any target already replaced. Links are written through, under
// the rule above; each file is made and renamed relative to the folder opened once.
// False with error set on failure.
bool ReplaceFiles(const std::vector<std::pair<std::string, std::string>>& files,
                  std::string& error);

// Writes bytes into an existing pipe or character device without replacing it; waits for a
// reader, as a shell redirection does.
bool WriteIntoStream(const std::string& path, const std::string& bytes, std::string& error);
