// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcesses.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildProcesses::~ChildProcesses() {
    StopAll();
}

std::vector<std::string> ChildProcesses::Environment(const std::vector<std::string>& extra,
                                                     const std::vector<std::string>& removed) {
    std::vector<std::string> env;
    const auto dropped = [&](const std::string& entry) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        return std::any_of(removed.begin(), removed.end(),
                           [&](const std::string& r) { return r + "=" == name; }) ||
               std::any_of(extra.begin(), extra.end(),
                           [&](const std::string& e) { return e.starts_with(name); });
    };
    for (char** e = environ; *e != nullptr; ++e) {
        if (!dropped(*e)) {
            env.emplace_back(*e);
        }
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

// Everything the child needs is prepared before the fork, so the child only makes
// async-signal-safe calls.
pid_t ChildProcesses::Launch(std::vector<std::string> argv, std::vector<std::string> env,
                             int stdoutFd, int stderrFd, int keepFd) {
    if (argv.empty()) {
        return -1;
    }
    std::vector<char*> args = Pointers(argv);
    std::vector<char*> envp = Pointers(env);
    const int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // A test that crashes must not leave servers and clients behind.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        setpgid(0, 0);
        dup2(devNull, STDIN_FILENO);
        dup2(stdoutFd >= 0 ? stdoutFd : devNull, STDOUT_FILENO);
        dup2(stderrFd >= 0 ? stderrFd : devNull, STDERR_FILENO);
        if (keepFd >= 0) {
            fcntl(keepFd, F_SETFD, 0);
        }
        execvpe(args[0], args.data(), envp.data());
        _exit(127);
    }
    if (pid > 0) {
        setpgid(pid, pid);  // also here, so a signal to the group cannot race the child
    }
    if (devNull >= 0) {
        close(devNull);
    }
    return pid;
}

pid_t ChildProcesses::Spawn(const std::vector<std::string>& argv,
                            const std::vector<std::string>& env, const std::string& outputFile) {
    int out = -1;
    if (!outputFile.empty()) {
        out = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    }
    const pid_t pid = Launch(argv, env, out, out);
    if (out >= 0) {
        close(out);
    }
    if (pid > 0) {
        children_.push_back(pid);
    }
    return pid;
}

std::string ChildProcesses::ReadUntil(int fd, Clock::time_point deadline, bool oneLine) {
    std::string text;
    while (!oneLine || text.find('\n') == std::string::npos) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, MsLeft(deadline)) <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

int ChildProcesses::Run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                        std::string* output, int timeoutMs) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return -1;
    }
    const pid_t pid = Launch(argv, env, fds[1], -1);
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return -1;
    }
    children_.push_back(pid);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const std::string text = ReadUntil(fds[0], deadline);
    close(fds[0]);
    int status = 0;
    if (!WaitExit(pid, MsLeft(deadline), &status)) {
        Stop(pid, 0);
        return -1;
    }
    if (output != nullptr) {
        *output = text;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ChildProcesses::Signal(pid_t pid, int signal) const {
    if (pid > 0) {
        kill(-pid, signal);
    }
}

void ChildProcesses::Forget(pid_t pid) {
    children_.erase(std::remove(children_.begin(), children_.end(), pid), children_.end());
}

bool ChildProcesses::WaitExit(pid_t pid, int timeoutMs, int* status) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    int result = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &result, WNOHANG);
        if (done == pid || (done < 0 && errno == ECHILD)) {
            Forget(pid);
            if (status != nullptr) {
                *status = result;
            }
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

int ChildProcesses::Stop(pid_t pid, int graceMs) {
    int status = 0;
    Signal(pid, SIGTERM);
    if (!WaitExit(pid, graceMs, &status)) {
        Signal(pid, SIGKILL);
        WaitExit(pid, 10000, &status);
    }
    Forget(pid);
    return status;
}

void ChildProcesses::StopAll() {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Signal(*it, SIGTERM);
    }
    while (!children_.empty()) {
        Stop(children_.back(), 2000);
    }
}
