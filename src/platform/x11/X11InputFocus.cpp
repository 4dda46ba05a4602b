// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11InputFocus.h"

#include <xcb/xcb.h>

#include <cstdlib>

uint32_t X11InputFocusNow(xcb_connection_t* connection) {
    if (connection == nullptr) {
        return 0;
    }
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    if (reply == nullptr) {
        return 0;
    }
    const uint32_t focus = reply->focus;
    std::free(reply);
    // None and PointerRoot are no window of anyone's.
    return focus > XCB_INPUT_FOCUS_POINTER_ROOT ? focus : 0;
}
