// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "ChildProcesses.h"

// A private headless Wayland compositor with Xwayland for tests, started by the test and
// ended, with every client, by process id. Subclasses start a particular compositor.
class CompositorSession {
  public:
    virtual ~CompositorSession();
    CompositorSession(const CompositorSession&) = delete;
    CompositorSession& operator=(const CompositorSession&) = delete;

    virtual bool Start(std::string& error) = 0;
    // Asks the compositor to activate the window with this exact title.
    virtual bool Focus(const std::string& title) = 0;

    // The folder of the session: readable and writable by the user its clients run as.
    const std::string& Folder() const { return folder_; }
    // What a program started in the session sees: WAYLAND_DISPLAY, DISPLAY of Xwayland,
    // the runtime folder, a home of its own and the compositor's own variables.
    std::vector<std::string> ClientEnvironment(const std::vector<std::string>& extra = {}) const;
    // Makes this process connect as a client of the session: WAYLAND_DISPLAY and the
    // runtime folder.
    void ConnectThisProcess() const;
    // Writes text to the file at path inside the session folder, with its folders, owned
    // by the session's user.
    void WriteFile(const std::string& path, const std::string& text) const;
    // Starts a client of the session as the session's user; output goes to outputFile.
    pid_t SpawnClient(std::vector<std::string> argv, const std::vector<std::string>& extraEnv = {},
                      const std::string& outputFile = {});
    // A copy of the Qt test window program, named name, showing title natively on Wayland.
    // Returns the copy's path ("" on failure); pid receives the window's process.
    std::string StartTestWindow(const std::string& name, const std::string& title,
                                pid_t* pid = nullptr);
    // xterm through Xwayland.
    bool StartXterm(const std::string& title);
    // Repeats Focus(title) until ready() says so or timeoutMs pass; ready runs often (a
    // test pumps its event loop there).
    bool FocusUntil(const std::string& title, const std::function<bool()>& ready,
                    int timeoutMs = 15000);

    ChildProcesses& Processes() { return processes_; }

  protected:
    // Makes the session folder; owned by nobody when running as root (sway refuses root).
    explicit CompositorSession(bool asNobody);
    // argv to run as the session's user.
    std::vector<std::string> AsSessionUser(std::vector<std::string> argv) const;
    // The compositor's own environment: the session's runtime folder and home, none of the
    // test's display, bus or session variables, and extra.
    std::vector<std::string> ServerEnvironment(const std::vector<std::string>& extra) const;
    // Waits until file exists and is not empty; returns its first line.
    static std::string WaitForLine(const std::string& file, int timeoutMs);

    ChildProcesses processes_;
    std::string folder_;
    std::string runtime_;
    std::string waylandDisplay_;
    std::string x11Display_;
    std::vector<std::string> ownVariables_;  // NAME=value the compositor adds for clients
    bool asNobody_ = false;
};
