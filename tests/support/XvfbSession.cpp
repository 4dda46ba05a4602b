// SPDX-License-Identifier: GPL-3.0-or-later
#include "XvfbSession.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

XvfbSession::~XvfbSession() {
    // Clients and the window manager before the server.
    processes_.StopAll();
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
    if (xvfb_ > 0) {
        kill(xvfb_, SIGTERM);
        int status = 0;
        const auto deadline = Clock::now() + std::chrono::seconds(3);
        while (waitpid(xvfb_, &status, WNOHANG) == 0) {
            if (Clock::now() > deadline) {
                kill(xvfb_, SIGKILL);
                waitpid(xvfb_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
}

bool XvfbSession::Start(std::string& error) {
    if (xvfb_ > 0) {
        return true;
    }
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    xvfb_ = ChildProcesses::Launch({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                    "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                                   ChildProcesses::Environment({}), -1, -1, fds[1]);
    close(fds[1]);
    if (xvfb_ < 0) {
        close(fds[0]);
        error = "could not start Xvfb";
        return false;
    }
    // Xvfb writes the display number once it accepts clients.
    const std::string number =
        ChildProcesses::ReadUntil(fds[0], Clock::now() + std::chrono::seconds(20), true);
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        error = "Xvfb did not report a display (is Xvfb installed?)";
        return false;
    }
    display_ = ":" + number.substr(0, number.find('\n'));
    int screen = 0;
    connection_ = xcb_connect(display_.c_str(), &screen);
    if (xcb_connection_has_error(connection_) != 0) {
        error = "cannot connect to Xvfb on " + display_;
        return false;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    return true;
}

bool XvfbSession::WindowManagerRunning() const {
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, 24, "_NET_SUPPORTING_WM_CHECK"), nullptr);
    if (atom == nullptr) {
        return false;
    }
    const auto read = [&](uint32_t window) -> uint32_t {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, window, atom->atom, XCB_ATOM_WINDOW, 0, 1),
                nullptr),
            &std::free);
        if (!reply || reply->type != XCB_ATOM_WINDOW ||
            xcb_get_property_value_length(reply.get()) < 4) {
            return 0;
        }
        return *static_cast<uint32_t*>(xcb_get_property_value(reply.get()));
    };
    const uint32_t check = read(root_);
    const bool running = check != 0 && read(check) == check;
    std::free(atom);
    return running;
}

bool XvfbSession::StartWindowManager(std::string& error) {
    if (connection_ == nullptr) {
        error = "Xvfb is not running";
        return false;
    }
    windowManager_ = Spawn({"openbox", "--sm-disable"});
    if (windowManager_ < 0) {
        error = "could not start openbox";
        return false;
    }
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (!WindowManagerRunning()) {
        if (Clock::now() > deadline || WaitExit(windowManager_, 0)) {
            error = "openbox did not take over the screen";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // openbox announces itself before its event loop runs and drops map requests that
    // arrive meanwhile: ready means a probe window got shown.
    const uint32_t probe = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, probe, root_, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    bool shown = false;
    while (!shown && Clock::now() < deadline) {
        shown = MapAndWait(probe, 250);
    }
    xcb_destroy_window(connection_, probe);
    xcb_flush(connection_);
    if (!shown) {
        error = "openbox did not show a window";
    }
    return shown;
}

void XvfbSession::KillWindowManager() {
    if (windowManager_ > 0) {
        Signal(windowManager_, SIGKILL);
        WaitExit(windowManager_, 5000);
        windowManager_ = -1;
    }
}

void XvfbSession::KillServer() {
    KillWindowManager();
    if (xvfb_ > 0) {
        Signal(xvfb_, SIGKILL);
        WaitExit(xvfb_, 5000);
        xvfb_ = -1;
    }
}

std::vector<std::string> XvfbSession::ChildEnvironment(
    const std::vector<std::string>& extraEnv) const {
    std::vector<std::string> extra{"DISPLAY=" + display_};
    extra.insert(extra.end(), extraEnv.begin(), extraEnv.end());
    return ChildProcesses::Environment(extra, {"WAYLAND_DISPLAY"});
}

pid_t XvfbSession::Spawn(const std::vector<std::string>& argv,
                         const std::vector<std::string>& extraEnv, const std::string& outputFile) {
    return processes_.Spawn(argv, ChildEnvironment(extraEnv), outputFile);
}

int XvfbSession::Run(const std::vector<std::string>& argv, std::string* output, int timeoutMs) {
    return processes_.Run(argv, ChildEnvironment({}), output, timeoutMs);
}

void XvfbSession::Signal(pid_t pid, int signal) const {
    processes_.Signal(pid, signal);
}

bool XvfbSession::WaitExit(pid_t pid, int timeoutMs, int* status) {
    return processes_.WaitExit(pid, timeoutMs, status);
}

int XvfbSession::Stop(pid_t pid, int graceMs) {
    return processes_.Stop(pid, graceMs);
}

uint32_t XvfbSession::WaitForWindow(const std::string& nameRegex, int timeoutMs) {
    std::string output;
    if (Run({"xdotool", "search", "--sync", "--name", nameRegex}, &output, timeoutMs) != 0) {
        return 0;
    }
    return static_cast<uint32_t>(std::strtoul(output.c_str(), nullptr, 10));
}

bool XvfbSession::Activate(uint32_t window) {
    return Run({"xdotool", "windowactivate", "--sync", std::to_string(window)}) == 0;
}

uint32_t XvfbSession::StartXterm(const std::string& title, pid_t* pid) {
    const pid_t started = Spawn({"xterm", "-T", title, "-e", "sleep", "600"});
    if (pid != nullptr) {
        *pid = started;
    }
    if (started < 0) {
        return 0;
    }
    return WaitForWindow("^" + title + "$");
}

bool XvfbSession::MapAndWait(uint32_t window, int timeoutMs) {
    xcb_map_window(connection_, window);
    xcb_flush(connection_);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(
                connection_, xcb_get_window_attributes(connection_, window), nullptr),
            &std::free);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE) {
            return true;
        }
        if (!attributes || Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

uint32_t XvfbSession::Atom(const char* name) const {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : uint32_t{XCB_ATOM_NONE};
}

template <typename Match>
bool XvfbSession::WaitForEvent(const Match& match, const std::function<void()>& pump,
                               Deadline deadline) {
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const bool taken = match(*event);
            std::free(event);
            if (taken) {
                return true;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (xcb_connection_has_error(connection_) != 0 || left <= 0) {
            return false;
        }
        // Without a pump the next event can be awaited; a pumped event loop needs turns.
        pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&p, 1, pump ? std::min<long long>(left, 5) : left);
        if (pump) {
            pump();
        }
    }
}

bool XvfbSession::PingClient(uint32_t window, const std::function<void()>& pump,
                             Deadline deadline) {
    const uint32_t protocols = Atom("WM_PROTOCOLS");
    const uint32_t ping = Atom("_NET_WM_PING");
    const uint32_t token = ++token_;
    // The answer goes to the root window, for the window manager's redirect and, from Qt,
    // for structure rather than substructure listeners.
    const uint32_t listen = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &listen);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols;
    message.data.data32[0] = ping;
    message.data.data32[1] = token;  // the time stamp, given back unchanged
    message.data.data32[2] = window;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
    const bool answered = WaitForEvent(
        [&](const xcb_generic_event_t& event) {
            if ((event.response_type & 0x7f) != XCB_CLIENT_MESSAGE) {
                return false;
            }
            const auto& answer = reinterpret_cast<const xcb_client_message_event_t&>(event);
            return answer.window == root_ && answer.type == protocols &&
                   answer.data.data32[0] == ping && answer.data.data32[1] == token;
        },
        pump, deadline);
    const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &none);
    return answered;
}

bool XvfbSession::SyncWindowManager(Deadline deadline) {
    const uint32_t extents = Atom("_NET_FRAME_EXTENTS");
    if (probe_ == 0) {
        probe_ = xcb_generate_id(connection_);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, probe_, root_, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &mask);
    }
    // Our own deletion marks where the queue stood; openbox's answer comes after it.
    const uint32_t mark[4] = {};
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, probe_, extents, XCB_ATOM_CARDINAL, 32,
                        4, mark);
    xcb_delete_property(connection_, probe_, extents);
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = probe_;
    request.type = Atom("_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection_);
    bool marked = false;
    return WaitForEvent(
        [&](const xcb_generic_event_t& event) {
            if ((event.response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
                return false;
            }
            const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
            if (change.window != probe_ || change.atom != extents) {
                return false;
            }
            marked = marked || change.state == XCB_PROPERTY_DELETE;
            return marked && change.state == XCB_PROPERTY_NEW_VALUE;
        },
        {}, deadline);
}

bool XvfbSession::Settle(uint32_t window, const std::function<void()>& pump, int timeoutMs) {
    const Deadline deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (int round = 0; round < 2; ++round) {
        // openbox reads the focus it gave only after its answer: once more for that.
        if (!PingClient(window, pump, deadline) || !SyncWindowManager(deadline) ||
            !SyncWindowManager(deadline)) {
            return false;
        }
    }
    return PingClient(window, pump, deadline);
}
