// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/presence/IIdleTime.h"
#include "platform/wayland/CWaylandClient.h"

struct ext_idle_notification_v1;
struct ext_idle_notifier_v1;
struct org_kde_kwin_idle;
struct org_kde_kwin_idle_timeout;
struct wl_registry;
struct wl_seat;

// Idle time from the compositor's idle notification, ext_idle_notifier_v1 where offered,
// else KDE's org_kde_kwin_idle, on a Wayland connection of its own. The compositor says
// "idle" once no input came for a short threshold and "resumed" at the next input: from
// then on the idle time is exact, before it is below the threshold and read as 0. An idle
// inhibitor of the compositor's (a video in full screen) holds "idle" back.
class CWaylandIdleTime final : public QObject, public IIdleTime {
  public:
    // No input for this long makes the compositor say "idle"; well below the shortest pause.
    static constexpr int kThresholdMs = 2000;

    // Connects and asks for the notification; nullptr with the reason in error.
    static std::unique_ptr<CWaylandIdleTime> Connect(std::string& error);
    ~CWaylandIdleTime() override;

    int64_t IdleMs() override;
    std::optional<bool> SaverActive() override { return std::nullopt; }

    // The protocol in use, "" while the compositor is gone.
    std::string Protocol() const;

    // Called from the protocol's listeners.
    void OnGlobal(wl_registry* registry, uint32_t name, const char* interface);
    void SetIdle(bool idle);

  private:
    CWaylandIdleTime();
    bool Open(std::string& error);
    void Lose();
    void Close();

    CWaylandClient client_;
    wl_seat* seat_ = nullptr;
    ext_idle_notifier_v1* notifier_ = nullptr;
    org_kde_kwin_idle* kdeIdle_ = nullptr;
    ext_idle_notification_v1* notification_ = nullptr;
    org_kde_kwin_idle_timeout* timeout_ = nullptr;
    std::optional<std::chrono::steady_clock::time_point> idleSince_;
};
