// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "CompositorSession.h"

// Headless KWin 5.27 (--virtual) with Xwayland on a private session bus.
class KWinSession final : public CompositorSession {
  public:
    KWinSession() : CompositorSession(false) {}
    ~KWinSession() override;

    // Starts dbus-run-session with a copy of kwin_wayland (the installed one carries a file
    // capability this machine refuses) and waits until Xwayland is up.
    bool Start(std::string& error) override;
    // Activates the window through a KWin script of the test's own.
    bool Focus(const std::string& title) override;

    const std::string& BusAddress() const { return bus_; }
    // Loads, runs and unloads a KWin script with this source.
    bool RunScript(const std::string& source);
    // Input as KWin counts it for its idle notifications (input inside Xwayland does not).
    bool SimulateUserActivity();
    // Whether KWin has a script of this plugin name loaded.
    bool ScriptLoaded(const std::string& pluginName);

  private:
    int Call(const std::vector<std::string>& arguments, std::string* output = nullptr);

    pid_t session_ = -1;
    std::string bus_;
    int scripts_ = 0;
};
