// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "CompositorSession.h"

// Headless weston with Xwayland: a compositor Hourglint has no backend for.
class WestonSession final : public CompositorSession {
  public:
    WestonSession() : CompositorSession(false) {}
    ~WestonSession() override;

    bool Start(std::string& error) override;
    // weston offers no way to activate a window from outside.
    bool Focus(const std::string&) override { return false; }
};
