// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/CDatabaseLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

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
        problem_ = "Cannot count into the database " + databasePath_ + ": its lock file " +
                   lockPath_ + " cannot be opened (" + std::strerror(errno) + ").";
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        holder_ = ReadPid(fd);
        close(fd);
        if (error == EWOULDBLOCK) {
            problem_ = "Another copy of Hourglint";
            if (holder_ > 0) {
                problem_ += " (process " + std::to_string(holder_) + ")";
            }
            problem_ += " is already counting into the database " + databasePath_ +
                        ". One database takes one counter, so this copy ends.";
        } else {
            problem_ = "Cannot lock the database " + databasePath_ + " (" + lockPath_ + ": " +
                       std::strerror(error) + ").";
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
