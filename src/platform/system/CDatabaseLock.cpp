// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/CDatabaseLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "platform/system/Translations.h"

namespace {

pid_t ReadPid(int fd) {
    char text[32] = {};
    const ssize_t got = pread(fd, text, sizeof text - 1, 0);
    if (got <= 0) {
        return 0;
    }
    const long pid = std::strtol(text, nullptr, 10);
    return pid > 0 ? static_cast<pid_t>(pid) : 0;
}

}  // namespace

CDatabaseLock::CDatabaseLock(std::string databasePath)
    : databasePath_(std::move(databasePath)), lockPath_(databasePath_ + ".lock") {}

CDatabaseLock::~CDatabaseLock() {
    if (fd_ >= 0) {
        close(fd_);  // releases the lock; the file stays for the next start
    }
}

bool CDatabaseLock::Acquire() {
    if (fd_ >= 0) {
        return true;
    }
    // O_NOFOLLOW: a planted symlink must not make us truncate someone else's file.
    const int flags = O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;
    bool writable = true;
    int fd = open(lockPath_.c_str(), O_RDWR | O_CREAT | flags, 0600);
    if (fd < 0 && errno == EACCES) {
        // Another user's lock file: locking needs no write access, only the pid is not ours.
        writable = false;
        fd = open(lockPath_.c_str(), O_RDONLY | flags);
    }
    if (fd < 0) {
        const std::string reason = std::strerror(errno);
        problem_ = FillPlaceholders(
            QCoreApplication::translate(
                "CDatabaseLock",
                "Cannot count into the database %1: its lock file %2 cannot be opened (%3)."),
            {databasePath_, lockPath_, reason});
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        holder_ = ReadPid(fd);
        close(fd);
        if (error == EWOULDBLOCK) {
            problem_ =
                holder_ > 0
                    ? FillPlaceholders(
                          QCoreApplication::translate(
                              "CDatabaseLock",
                              "Another copy of Hourglint (process %1) is already counting into the "
                              "database %2. One database takes one counter, so this copy ends."),
                          {std::to_string(holder_), databasePath_})
                    : FillPlaceholders(
                          QCoreApplication::translate(
                              "CDatabaseLock",
                              "Another copy of Hourglint is already counting into the database %1. "
                              "One database takes one counter, so this copy ends."),
                          {databasePath_});
        } else {
            problem_ =
                FillPlaceholders(QCoreApplication::translate(
                                     "CDatabaseLock", "Cannot lock the database %1 (%2: %3)."),
                                 {databasePath_, lockPath_, std::strerror(error)});
        }
        return false;
    }
    if (writable && ftruncate(fd, 0) == 0) {
        // Only for the message of a later copy; the lock does not depend on it.
        const std::string pid = std::to_string(getpid()) + "\n";
        [[maybe_unused]] const ssize_t written = pwrite(fd, pid.data(), pid.size(), 0);
    }
    fd_ = fd;
    return true;
}
