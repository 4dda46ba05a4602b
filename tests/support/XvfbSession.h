// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ChildProcesses.h"

struct xcb_connection_t;

// A private X server for tests: Xvfb on a free display, optionally openbox, and helpers to
// start X clients on it and drive them with xdotool. Needs no DISPLAY of its own; every
// process it starts runs in its own process group and is ended, by id, in the destructor.
class XvfbSession {
  public:
    XvfbSession() = default;
    ~XvfbSession();
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    // Starts Xvfb (1280x1024x24, no TCP, no reset when the last client leaves) and waits
    // until it accepts clients. On failure returns false and explains in error.
    bool Start(std::string& error);
    // Starts openbox and waits until it manages the screen (_NET_SUPPORTING_WM_CHECK names
    // a live window).
    bool StartWindowManager(std::string& error);
    // Kills openbox at once, as a crash would: its root properties stay behind.
    void KillWindowManager();
    // Kills the X server at once, as a crash or a display manager ending it first would.
    void KillServer();

    // ":N" once started.
    const std::string& Display() const { return display_; }
    // The session's own connection, for tests that create windows or read properties.
    xcb_connection_t* Connection() const { return connection_; }
    uint32_t Root() const { return root_; }

    // The environment of a started process: this process's, with DISPLAY set to the
    // session, WAYLAND_DISPLAY removed and each "NAME=value" of extraEnv applied.
    std::vector<std::string> ChildEnvironment(const std::vector<std::string>& extraEnv) const;

    // Starts argv (argv[0] searched in PATH) in the background. Its stdout and stderr go to
    // outputFile (appended), or nowhere when that is empty. Returns the pid, or -1.
    pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv = {},
                const std::string& outputFile = {});
    // Runs argv to its end, at most timeoutMs; stdout goes to output when given. Returns the
    // exit code, or -1 when it could not start, was killed or timed out.
    int Run(const std::vector<std::string>& argv, std::string* output = nullptr,
            int timeoutMs = 10000);
    // Sends signal to a started process's group without waiting.
    void Signal(pid_t pid, int signal) const;
    // Waits for a started process to end; true with its wait status when it did in time.
    bool WaitExit(pid_t pid, int timeoutMs, int* status = nullptr);
    // SIGTERM to the process's group, SIGKILL after graceMs; returns the wait status.
    int Stop(pid_t pid, int graceMs = 3000);

    // The first window whose name matches the regular expression (xdotool search), waiting
    // up to timeoutMs; 0 when none appeared.
    uint32_t WaitForWindow(const std::string& nameRegex, int timeoutMs = 10000);
    // Makes the window active through the window manager and waits until it is.
    bool Activate(uint32_t window);
    // Maps a window made on Connection() and waits until the window manager shows it.
    bool MapAndWait(uint32_t window, int timeoutMs = 10000);
    // Starts "xterm -T title" and returns its window (0 on failure); pid receives its pid.
    uint32_t StartXterm(const std::string& title, pid_t* pid = nullptr);
    // Waits until the Qt program that made window and openbox have both handled everything
    // that was under way: the program answers a _NET_WM_PING only after the events before
    // it, openbox a frame-extents request only after the requests before it. Twice over, so
    // the program's answers to openbox's answers are handled too. pump runs between polls;
    // a test pinging its own window runs its event loop there.
    bool Settle(uint32_t window, const std::function<void()>& pump = {}, int timeoutMs = 20000);

  private:
    using Deadline = std::chrono::steady_clock::time_point;
    bool WindowManagerRunning() const;
    uint32_t Atom(const char* name) const;
    bool PingClient(uint32_t window, const std::function<void()>& pump, Deadline deadline);
    bool SyncWindowManager(Deadline deadline);
    // Reads the connection's events until match takes one.
    template <typename Match>
    bool WaitForEvent(const Match& match, const std::function<void()>& pump, Deadline deadline);

    pid_t xvfb_ = -1;
    pid_t windowManager_ = -1;
    std::string display_;
    xcb_connection_t* connection_ = nullptr;
    uint32_t root_ = 0;
    uint32_t probe_ = 0;  // never mapped; openbox answers on it
    uint32_t token_ = 0;
    ChildProcesses processes_;
};
