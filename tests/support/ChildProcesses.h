// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// Processes a test starts: each in its own process group, killed when the test process
// dies, and ended by id (newest first) in the destructor.
class ChildProcesses {
  public:
    ChildProcesses() = default;
    ~ChildProcesses();
    ChildProcesses(const ChildProcesses&) = delete;
    ChildProcesses& operator=(const ChildProcesses&) = delete;

    // This process's environment without the variables named in removed, then with each
    // "NAME=value" of extra in place of its own.
    static std::vector<std::string> Environment(const std::vector<std::string>& extra,
                                                const std::vector<std::string>& removed = {});
    // fork + exec (argv[0] searched in PATH) in a new process group, not tracked. keepFd
    // stays open in the child.
    static pid_t Launch(std::vector<std::string> argv, std::vector<std::string> env, int stdoutFd,
                        int stderrFd, int keepFd = -1);

    // Reads fd until its end or the deadline, or the first line end when oneLine is set.
    static std::string ReadUntil(int fd, std::chrono::steady_clock::time_point deadline,
                                 bool oneLine = false);

    // Starts argv in the background with env; stdout and stderr go to outputFile
    // (appended), or nowhere when that is empty. Returns the pid, or -1.
    pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                const std::string& outputFile = {});
    // Runs argv to its end, at most timeoutMs; stdout goes to output when given. Returns the
    // exit code, or -1 when it could not start, was killed or timed out.
    int Run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            std::string* output = nullptr, int timeoutMs = 10000);
    // Sends signal to a started process's group without waiting.
    void Signal(pid_t pid, int signal) const;
    // Waits for a started process to end; true with its wait status when it did in time.
    bool WaitExit(pid_t pid, int timeoutMs, int* status = nullptr);
    // SIGTERM to the process's group, SIGKILL after graceMs; returns the wait status.
    int Stop(pid_t pid, int graceMs = 3000);
    // Ends every started process, newest first.
    void StopAll();

  private:
    void Forget(pid_t pid);

    std::vector<pid_t> children_;  // in start order
};
