// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "CompositorSession.h"

// Headless GNOME Shell 43 on a private session bus (and a private system bus, without
// which it exits), with Hourglint's extension installed and, unless asked otherwise,
// enabled; a test-only extension of its own activates windows.
class GnomeSession final : public CompositorSession {
  public:
    explicit GnomeSession(bool enableHourglintExtension = true)
        : CompositorSession(false), enableOurs_(enableHourglintExtension) {}
    ~GnomeSession() override;

    bool Start(std::string& error) override;
    // Activates the window through the test extension (MetaWindow.activate).
    bool Focus(const std::string& title) override;

    const std::string& BusAddress() const { return bus_; }
    // One more NAME=value in the shell's environment; before Start.
    void AddShellVariable(const std::string& assignment) { shellVariables_.push_back(assignment); }
    // Enables Hourglint's extension in the running shell, as the user would.
    bool EnableHourglintExtension();

  private:
    // dbus-send to the session bus; output gets the reply.
    int Send(const std::vector<std::string>& arguments, std::string* output = nullptr);
    std::string ShellVariable(const std::string& name);

    bool enableOurs_ = true;
    std::string bus_;
    std::vector<std::string> shellVariables_;
};
