// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/presence/IIdleTime.h"

struct xcb_connection_t;

// Idle time and screen saver state of an X11 display through MIT-SCREEN-SAVER. The idle
// time costs one round trip to the server; the saver state comes from its events.
class CX11IdleTime final : public IIdleTime {
  public:
    // nullptr when there is no X11 display of this session's own (a Wayland session, where
    // Xwayland would see only input to X11 windows) or no MIT-SCREEN-SAVER.
    static std::unique_ptr<CX11IdleTime> Connect(const char* displayName = nullptr);
    ~CX11IdleTime() override;
    CX11IdleTime(const CX11IdleTime&) = delete;
    CX11IdleTime& operator=(const CX11IdleTime&) = delete;

    int64_t IdleMs() override;
    std::optional<bool> SaverActive() override;

  private:
    CX11IdleTime(xcb_connection_t* connection, uint32_t root, uint8_t firstEvent, bool on);

    xcb_connection_t* connection_;
    uint32_t root_;
    uint8_t firstEvent_;
    bool saverOn_;
};
