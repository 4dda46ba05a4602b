// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <chrono>
#include <cstdint>
#include <optional>

#include "platform/presence/IIdleTime.h"

// Idle time of a GNOME session from Mutter's IdleMonitor on the session bus, which sees
// input to every window, Wayland or X11. Asked without waiting: the answer held is advanced
// by the time since it came, and a new one is asked for when it is older than half a second.
class CMutterIdleTime final : public IIdleTime {
  public:
    explicit CMutterIdleTime(const QDBusConnection& bus = QDBusConnection::sessionBus());
    CMutterIdleTime(const CMutterIdleTime&) = delete;
    CMutterIdleTime& operator=(const CMutterIdleTime&) = delete;

    int64_t IdleMs() override;
    std::optional<bool> SaverActive() override { return std::nullopt; }

  private:
    void Ask();

    QDBusConnection bus_;
    // Owns the call in flight, so no answer arrives after this object is gone.
    QObject calls_;
    bool pending_ = false;
    bool answered_ = false;
    int64_t idleMs_ = 0;
    std::chrono::steady_clock::time_point answeredAt_{};
    std::optional<std::chrono::steady_clock::time_point> askedAt_;
};
