// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/CWaylandClient.h"

#include <wayland-client.h>
#include <QCoreApplication>

#include <cerrno>

#include "platform/system/Translations.h"

CWaylandClient::CWaylandClient() = default;

CWaylandClient::~CWaylandClient() {
    Close();
}

bool CWaylandClient::Open(const wl_registry_listener* listener, void* data, std::string& error) {
    display_ = wl_display_connect(nullptr);
    if (display_ == nullptr) {
        error = QCoreApplication::translate("CWaylandClient",
                                            "Hourglint cannot connect to the Wayland compositor.")
                    .toStdString();
        return false;
    }
    queue_ = wl_display_create_queue(display_);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display_));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue_);
    registry_ = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    wl_registry_add_listener(registry_, listener, data);
    if (!Roundtrip()) {
        error = QCoreApplication::translate("CWaylandClient",
                                            "The Wayland compositor closed the connection.")
                    .toStdString();
        Close();
        return false;
    }
    return true;
}

bool CWaylandClient::Roundtrip() {
    return display_ != nullptr && wl_display_roundtrip_queue(display_, queue_) >= 0;
}

void CWaylandClient::Watch() {
    notifier_ = new QSocketNotifier(wl_display_get_fd(display_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CWaylandClient::OnReadable);
}

// Qt's loop says the socket has data: read it into our queue, dispatch, and send what the
// handlers asked (destroys) at once.
void CWaylandClient::OnReadable() {
    while (wl_display_prepare_read_queue(display_, queue_) != 0) {
        // A broken connection keeps its events queued: stop rather than spin.
        if (wl_display_dispatch_queue_pending(display_, queue_) < 0) {
            emit Lost();
            return;
        }
    }
    if (wl_display_read_events(display_) < 0 ||
        wl_display_dispatch_queue_pending(display_, queue_) < 0 ||
        (wl_display_flush(display_) < 0 && errno != EAGAIN)) {
        emit Lost();
    }
}

void CWaylandClient::ReopenLater(std::function<bool()> reopen) {
    reconnect_.Start(std::move(reopen));
}

void CWaylandClient::Close() {
    if (notifier_ != nullptr) {
        // Possibly closed from its own signal: it goes once that returns.
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    if (registry_ != nullptr) {
        wl_registry_destroy(registry_);
        registry_ = nullptr;
    }
    if (queue_ != nullptr) {
        wl_event_queue_destroy(queue_);
        queue_ = nullptr;
    }
    if (display_ != nullptr) {
        wl_display_disconnect(display_);
        display_ = nullptr;
    }
}
