// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/CX11IdleTime.h"

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// Cycling is the saver running too, changing its pattern.
bool SaverRuns(uint8_t state) {
    return state == XCB_SCREENSAVER_STATE_ON || state == XCB_SCREENSAVER_STATE_CYCLE;
}

}  // namespace

std::unique_ptr<CX11IdleTime> CX11IdleTime::Connect(const char* displayName) {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (displayName == nullptr && wayland != nullptr && *wayland != '\0') {
        return nullptr;
    }
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(displayName, &screenNumber);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        return nullptr;
    }
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_screensaver_id);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
    if (extension == nullptr || !extension->present || screens.rem == 0) {
        xcb_disconnect(c);
        return nullptr;
    }
    const uint32_t root = screens.data->root;
    xcb_screensaver_select_input(
        c, root, XCB_SCREENSAVER_EVENT_NOTIFY_MASK | XCB_SCREENSAVER_EVENT_CYCLE_MASK);
    xcb_screensaver_query_info_reply_t* info =
        xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, root), nullptr);
    const bool on = info != nullptr && SaverRuns(info->state);
    std::free(info);
    return std::unique_ptr<CX11IdleTime>(new CX11IdleTime(c, root, extension->first_event, on));
}

CX11IdleTime::CX11IdleTime(xcb_connection_t* connection, uint32_t root, uint8_t firstEvent, bool on)
    : connection_(connection), root_(root), firstEvent_(firstEvent), saverOn_(on) {}

CX11IdleTime::~CX11IdleTime() {
    xcb_disconnect(connection_);
}

int64_t CX11IdleTime::IdleMs() {
    xcb_screensaver_query_info_reply_t* info = xcb_screensaver_query_info_reply(
        connection_, xcb_screensaver_query_info(connection_, root_), nullptr);
    if (info == nullptr) {
        return -1;
    }
    const int64_t idle = info->ms_since_user_input;
    saverOn_ = SaverRuns(info->state);
    std::free(info);
    return idle;
}

std::optional<bool> CX11IdleTime::SaverActive() {
    // Only what has arrived already: no round trip.
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        if ((event->response_type & 0x7F) == firstEvent_ + XCB_SCREENSAVER_NOTIFY) {
            const auto* notify = reinterpret_cast<xcb_screensaver_notify_event_t*>(event);
            saverOn_ = SaverRuns(notify->state);
        }
        std::free(event);
    }
    return saverOn_;
}
