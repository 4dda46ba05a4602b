// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/CWaylandIdleTime.h"

#include <wayland-client.h>
#include <QCoreApplication>

#include <cstring>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"
#include "platform/system/Translations.h"

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
    connect(&client_, &CWaylandClient::Lost, this, &CWaylandIdleTime::Lose);
}

CWaylandIdleTime::~CWaylandIdleTime() {
    Close();
}

bool CWaylandIdleTime::Open(std::string& error) {
    if (!client_.Open(&kRegistryListener, this, error)) {
        return false;
    }
    if (seat_ == nullptr || (notifier_ == nullptr && kdeIdle_ == nullptr)) {
        error = seat_ == nullptr ? QCoreApplication::translate(
                                       "CWaylandIdleTime", "The Wayland compositor offers no seat.")
                                       .toStdString()
                                 : QCoreApplication::translate(
                                       "CWaylandIdleTime",
                                       "The Wayland compositor offers no idle notification "
                                       "(ext_idle_notifier_v1 or org_kde_kwin_idle).")
                                       .toStdString();
        Close();
        return false;
    }
    if (notifier_ != nullptr) {
        notification_ = ext_idle_notifier_v1_get_idle_notification(notifier_, kThresholdMs, seat_);
        ext_idle_notification_v1_add_listener(notification_, &kNotificationListener, this);
    } else {
        timeout_ = org_kde_kwin_idle_get_idle_timeout(kdeIdle_, seat_, kThresholdMs);
        org_kde_kwin_idle_timeout_add_listener(timeout_, &kTimeoutListener, this);
    }
    if (!client_.Roundtrip()) {
        error = QCoreApplication::translate("CWaylandIdleTime",
                                            "The Wayland compositor closed the connection.")
                    .toStdString();
        Close();
        return false;
    }
    client_.Watch();
    return true;
}

void CWaylandIdleTime::OnGlobal(wl_registry* registry, uint32_t name, const char* interface) {
    if (seat_ == nullptr && std::strcmp(interface, wl_seat_interface.name) == 0) {
        seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (notifier_ == nullptr &&
               std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
        notifier_ = static_cast<ext_idle_notifier_v1*>(
            wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    } else if (kdeIdle_ == nullptr &&
               std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0) {
        kdeIdle_ = static_cast<org_kde_kwin_idle*>(
            wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
    }
}

void CWaylandIdleTime::SetIdle(bool idle) {
    if (!idle) {
        idleSince_.reset();
    } else if (!idleSince_) {
        idleSince_ = std::chrono::steady_clock::now();
    }
}

int64_t CWaylandIdleTime::IdleMs() {
    if (!client_.Connected()) {
        return -1;
    }
    if (!idleSince_) {
        return 0;
    }
    return kThresholdMs + std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now() - *idleSince_)
                              .count();
}

std::string CWaylandIdleTime::Protocol() const {
    if (notification_ != nullptr) return ext_idle_notifier_v1_interface.name;
    if (timeout_ != nullptr) return org_kde_kwin_idle_interface.name;
    return {};
}

// The compositor went away (a restart, the session's end): unknown until it is back.
void CWaylandIdleTime::Lose() {
    Close();
    client_.ReopenLater([this] {
        std::string error;
        return Open(error);
    });
}

void CWaylandIdleTime::Close() {
    idleSince_.reset();
    if (notification_ != nullptr) {
        ext_idle_notification_v1_destroy(notification_);
        notification_ = nullptr;
    }
    if (timeout_ != nullptr) {
        org_kde_kwin_idle_timeout_release(timeout_);
        timeout_ = nullptr;
    }
    if (notifier_ != nullptr) {
        ext_idle_notifier_v1_destroy(notifier_);
        notifier_ = nullptr;
    }
    if (kdeIdle_ != nullptr) {
        org_kde_kwin_idle_destroy(kdeIdle_);
        kdeIdle_ = nullptr;
    }
    if (seat_ != nullptr) {
        wl_seat_destroy(seat_);
        seat_ = nullptr;
    }
    client_.Close();
}
