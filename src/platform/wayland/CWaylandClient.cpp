// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/CWaylandClient.h"

#include <wayland-client.h>

#include <cerrno>

namespace {
constexpr int kRetryMs = 2000;
}

CWaylandClient::CWaylandClient() {
    m_retry.setInterval(kRetryMs);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (!m_reopen()) {
            m_retry.start();
        }
    });
}

CWaylandClient::~CWaylandClient() {
    Close();
}

bool CWaylandClient::Open(const wl_registry_listener* listener, void* data, std::string& error) {
    m_display = wl_display_connect(nullptr);
    if (m_display == nullptr) {
        error = "Hourglint cannot connect to the Wayland compositor.";
        return false;
    }
    m_queue = wl_display_create_queue(m_display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(m_display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), m_queue);
    m_registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    wl_registry_add_listener(m_registry, listener, data);
    if (!Roundtrip()) {
        error = "The Wayland compositor closed the connection.";
        Close();
        return false;
    }
    return true;
}

bool CWaylandClient::Roundtrip() {
    return m_display != nullptr && wl_display_roundtrip_queue(m_display, m_queue) >= 0;
}

void CWaylandClient::Watch() {
    m_notifier = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CWaylandClient::OnReadable);
}

// Qt's loop says the socket has data: read it into our queue, dispatch, and send what the
// handlers asked (destroys) at once.
void CWaylandClient::OnReadable() {
    while (wl_display_prepare_read_queue(m_display, m_queue) != 0) {
        // A broken connection keeps its events queued: stop rather than spin.
        if (wl_display_dispatch_queue_pending(m_display, m_queue) < 0) {
            emit Lost();
            return;
        }
    }
    if (wl_display_read_events(m_display) < 0 ||
        wl_display_dispatch_queue_pending(m_display, m_queue) < 0 ||
        (wl_display_flush(m_display) < 0 && errno != EAGAIN)) {
        emit Lost();
    }
}

void CWaylandClient::ReopenLater(std::function<bool()> reopen) {
    m_reopen = std::move(reopen);
    m_retry.start();
}

void CWaylandClient::Close() {
    if (m_notifier != nullptr) {
        // Possibly closed from its own signal: it goes once that returns.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_registry != nullptr) {
        wl_registry_destroy(m_registry);
        m_registry = nullptr;
    }
    if (m_queue != nullptr) {
        wl_event_queue_destroy(m_queue);
        m_queue = nullptr;
    }
    if (m_display != nullptr) {
        wl_display_disconnect(m_display);
        m_display = nullptr;
    }
}
