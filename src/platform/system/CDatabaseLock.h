// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>

// One counter per database: an exclusive flock on "<database>.lock" beside it, held while
// the program runs. It holds across logins and runtime folders, where the single-instance
// lock does not. A separate file, because an fcntl lock on the database itself would go
// with the first close of any connection to it; flock also goes when the process dies.
class CDatabaseLock {
  public:
    explicit CDatabaseLock(std::string databasePath);
    ~CDatabaseLock();
    CDatabaseLock(const CDatabaseLock&) = delete;
    CDatabaseLock& operator=(const CDatabaseLock&) = delete;

    // True when this process now holds the lock (and has written its pid into the file).
    // False: Problem() says why, naming the database and the holder's pid where known.
    bool Acquire();
    const std::string& Problem() const { return problem_; }
    // The holder's pid read from the lock file after a failed Acquire; 0 when unknown.
    pid_t HolderPid() const { return holder_; }
    const std::string& LockPath() const { return lockPath_; }

  private:
    std::string databasePath_;
    std::string lockPath_;
    std::string problem_;
    pid_t holder_ = 0;
    int fd_ = -1;
};
