// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/system/CReconnect.h"

struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_registry_listener;

// A Wayland connection of our own with its own event queue, read in Qt's event loop, so Qt's
// connection (when Qt runs on the wayland platform) never dispatches our events, nor we its.
// The owner binds what it needs from the registry and destroys it before Close().
class CWaylandClient final : public QObject {
    Q_OBJECT
  public:
    CWaylandClient();
    ~CWaylandClient() override;
    CWaylandClient(const CWaylandClient&) = delete;
    CWaylandClient& operator=(const CWaylandClient&) = delete;

    // Connects to WAYLAND_DISPLAY and reads the globals into listener with data; false with
    // the reason in error.
    bool Open(const wl_registry_listener* listener, void* data, std::string& error);
    // Sends what was asked and dispatches every answer; false when the connection broke.
    bool Roundtrip();
    // From now on events are dispatched as they come; Lost() when the connection breaks.
    void Watch();
    void Close();
    // Calls reopen every two seconds until it succeeds: after a loss the compositor may
    // come back (a restart).
    void ReopenLater(std::function<bool()> reopen);
    bool Connected() const { return display_ != nullptr; }

  signals:
    void Lost();

  private:
    void OnReadable();

    wl_display* display_ = nullptr;
    wl_event_queue* queue_ = nullptr;
    wl_registry* registry_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;  // a child, gone at the latest with us
    CReconnect reconnect_;
};
