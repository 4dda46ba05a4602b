// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/CWaylandIdleTime.h"

#include <wayland-client.h>

#include <cstring>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"

namespace {

CWaylandIdleTime* Self(void* data) {
    return static_cast<CWaylandIdleTime*>(data);
}

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    Self(data)->OnGlobal(registry, name, interface);
}
void OnGlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

void OnIdled(void* data, ext_idle_notification_v1*) {
    Self(data)->SetIdle(true);
}
void OnResumed(void* data, ext_idle_notification_v1*) {
    Self(data)->SetIdle(false);
}
const ext_idle_notification_v1_listener kNotificationListener = {OnIdled, OnResumed};

void OnKdeIdle(void* data, org_kde_kwin_idle_timeout*) {
    Self(data)->SetIdle(true);
}
void OnKdeResumed(void* data, org_kde_kwin_idle_timeout*) {
    Self(data)->SetIdle(false);
}
const org_kde_kwin_idle_timeout_listener kTimeoutListener = {OnKdeIdle, OnKdeResumed};

}  // namespace

std::unique_ptr<CWaylandIdleTime> CWaylandIdleTime::Connect(std::string& error) {
    std::unique_ptr<CWaylandIdleTime> idle(new CWaylandIdleTime());
    if (!idle->Open(error)) {
        return nullptr;
    }
    return idle;
}

CWaylandIdleTime::CWaylandIdleTime() {
    connect(&m_client, &CWaylandClient::Lost, this, &CWaylandIdleTime::Lose);
}

CWaylandIdleTime::~CWaylandIdleTime() {
    Close();
}

bool CWaylandIdleTime::Open(std::string& error) {
    if (!m_client.Open(&kRegistryListener, this, error)) {
        return false;
    }
    if (m_seat == nullptr || (m_notifier == nullptr && m_kdeIdle == nullptr)) {
        error = m_seat == nullptr ? "The Wayland compositor offers no seat."
                                  : "The Wayland compositor offers no idle notification "
                                    "(ext_idle_notifier_v1 or org_kde_kwin_idle).";
        Close();
        return false;
    }
    if (m_notifier != nullptr) {
        m_notification =
            ext_idle_notifier_v1_get_idle_notification(m_notifier, kThresholdMs, m_seat);
        ext_idle_notification_v1_add_listener(m_notification, &kNotificationListener, this);
    } else {
        m_timeout = org_kde_kwin_idle_get_idle_timeout(m_kdeIdle, m_seat, kThresholdMs);
        org_kde_kwin_idle_timeout_add_listener(m_timeout, &kTimeoutListener, this);
    }
    if (!m_client.Roundtrip()) {
        error = "The Wayland compositor closed the connection.";
        Close();
        return false;
    }
    m_client.Watch();
    return true;
}

void CWaylandIdleTime::OnGlobal(wl_registry* registry, uint32_t name, const char* interface) {
    if (m_seat == nullptr && std::strcmp(interface, wl_seat_interface.name) == 0) {
        m_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (m_notifier == nullptr &&
               std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
        m_notifier = static_cast<ext_idle_notifier_v1*>(
            wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    } else if (m_kdeIdle == nullptr &&
               std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0) {
        m_kdeIdle = static_cast<org_kde_kwin_idle*>(
            wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
    }
}

void CWaylandIdleTime::SetIdle(bool idle) {
    if (!idle) {
        m_idleSince.reset();
    } else if (!m_idleSince) {
        m_idleSince = std::chrono::steady_clock::now();
    }
}

int64_t CWaylandIdleTime::IdleMs() {
    if (!m_client.Connected()) {
        return -1;
    }
    if (!m_idleSince) {
        return 0;
    }
    return kThresholdMs + std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now() - *m_idleSince)
                              .count();
}

std::string CWaylandIdleTime::Protocol() const {
    if (m_notification != nullptr) return ext_idle_notifier_v1_interface.name;
    if (m_timeout != nullptr) return org_kde_kwin_idle_interface.name;
    return {};
}

// The compositor went away (a restart, the session's end): unknown until it is back.
void CWaylandIdleTime::Lose() {
    Close();
    m_client.ReopenLater([this] {
        std::string error;
        return Open(error);
    });
}

void CWaylandIdleTime::Close() {
    m_idleSince.reset();
    if (m_notification != nullptr) {
        ext_idle_notification_v1_destroy(m_notification);
        m_notification = nullptr;
    }
    if (m_timeout != nullptr) {
        org_kde_kwin_idle_timeout_release(m_timeout);
        m_timeout = nullptr;
    }
    if (m_notifier != nullptr) {
        ext_idle_notifier_v1_destroy(m_notifier);
        m_notifier = nullptr;
    }
    if (m_kdeIdle != nullptr) {
        org_kde_kwin_idle_destroy(m_kdeIdle);
        m_kdeIdle = nullptr;
    }
    if (m_seat != nullptr) {
        wl_seat_destroy(m_seat);
        m_seat = nullptr;
    }
    m_client.Close();
}
