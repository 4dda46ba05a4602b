// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "CompositorSession.h"

// Headless sway 1.7 with Xwayland, as nobody when the tests run as root.
class SwaySession final : public CompositorSession {
  public:
    SwaySession() : CompositorSession(true) {}
    ~SwaySession() override;

    // Starts sway and waits until its IPC socket answers and Xwayland has a display.
    bool Start(std::string& error) override;
    bool Focus(const std::string& title) override;
    // Ends sway, as a crash would, and starts it again (a new IPC socket).
    bool Restart(std::string& error);

    const std::string& SocketPath() const { return socketPath_; }
    // swaymsg with the given arguments; its output goes to output when given.
    int Message(const std::vector<std::string>& arguments, std::string* output = nullptr);

  private:
    pid_t sway_ = -1;
    std::string socketPath_;
};
