// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/CX11ForegroundSampler.h"

#include <xcb/res.h>
#include <xcb/xcb.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QImage>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "core/Environment.h"
#include "core/Utf8Text.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/desktop/IconScale.h"
#include "platform/system/ProcessExecutable.h"
#include "platform/system/Translations.h"
#include "platform/x11/X11Text.h"

namespace {

template <typename T>
struct FreeDeleter {
    void operator()(T* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter<T>>;

Reply<xcb_get_property_reply_t> PropertyReply(xcb_connection_t* c,
                                              xcb_get_property_cookie_t cookie) {
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, &error));
    std::free(error);
    return reply;
}

std::string_view PropertyBytes(const xcb_get_property_reply_t* reply) {
    if (reply == nullptr || reply->format != 8) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(reply)),
            static_cast<std::size_t>(xcb_get_property_value_length(reply))};
}

// The first 32-bit value of a property of the given type, or 0.
uint32_t PropertyCard32(const xcb_get_property_reply_t* reply, uint32_t type) {
    if (reply == nullptr || reply->type != type || reply->format != 32 ||
        xcb_get_property_value_length(reply) < 4) {
        return 0;
    }
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply));
}

// The local process id the X server has for the client, or 0.
uint32_t ClientPid(xcb_res_query_client_ids_reply_t* reply) {
    auto ids = xcb_res_query_client_ids_ids_iterator(reply);
    for (; ids.rem > 0; xcb_res_client_id_value_next(&ids)) {
        const auto& [clientId, valueBytes] = *ids.data;
        if ((clientId.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) != 0 &&
            valueBytes >= sizeof(uint32_t)) {
            return *xcb_res_client_id_value_value(ids.data);
        }
    }
    return 0;
}

constexpr uint32_t kPointerRoot = 1;
constexpr int kMaxTreeDepth = 64;
// Enough 32-bit units for the longest title in UTF-8 (4 bytes a character).
constexpr uint32_t kTitleLongs = (kMaxTitleChars * 4 + 3) / 4 + 1;
constexpr uint32_t kMachineLongs = 64;
constexpr uint32_t kIconLongs = 1u << 20;

}  // namespace

struct CX11ForegroundSampler::WindowInfo {
    uint32_t window = 0;
    xcb_get_property_cookie_t netName{};
    xcb_get_property_cookie_t name{};
    xcb_get_property_cookie_t pid{};
    xcb_get_property_cookie_t machine{};
    xcb_res_query_client_ids_cookie_t client{};
    bool askedClient = false;
};

std::string X11SessionProblem() {
    if (EnvSet("DISPLAY")) {
        return {};
    }
    if (EnvSet("WAYLAND_DISPLAY")) {
        return QCoreApplication::translate(
                   "CX11ForegroundSampler",
                   "Hourglint needs an X11 session to track the foreground program, but this is a "
                   "Wayland session without an X11 display (DISPLAY is not set). Log in to an X11 "
                   "session, or enable XWayland, and start Hourglint again.")
            .toStdString();
    }
    return QCoreApplication::translate("CX11ForegroundSampler",
                                       "Hourglint needs an X11 session to track the foreground "
                                       "program, but no X11 display is available (DISPLAY is not "
                                       "set). Log in to an X11 session and start Hourglint again.")
        .toStdString();
}

std::unique_ptr<CX11ForegroundSampler> CX11ForegroundSampler::Connect(const char* displayName,
                                                                      CDesktopEntryIndex& entries,
                                                                      std::string& error) {
    error.clear();
    if (displayName == nullptr || *displayName == '\0') {
        error = X11SessionProblem();
        if (!error.empty()) {
            return nullptr;
        }
        displayName = nullptr;
    }
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(displayName, &screenNumber);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        const std::string shown = displayName != nullptr ? displayName : std::getenv("DISPLAY");
        error =
            FillPlaceholders(QCoreApplication::translate(
                                 "CX11ForegroundSampler",
                                 "Hourglint needs an X11 session to track the foreground program, "
                                 "but the X11 display \"%1\" could not be opened. Check that the X "
                                 "server is running and that this user may connect to it."),
                             {shown});
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        xcb_disconnect(c);
        error = FillPlaceholders(
            QCoreApplication::translate("CX11ForegroundSampler",
                                        "Hourglint needs an X11 session to track the foreground "
                                        "program, but the X11 display has no screen %1."),
            {std::to_string(screenNumber)});
        return nullptr;
    }
    const uint32_t root = screens.data->root;

    // Interned once: every sample then costs only property reads.
    const char* names[] = {"_NET_ACTIVE_WINDOW",
                           "_NET_SUPPORTING_WM_CHECK",
                           "_NET_WM_NAME",
                           "_NET_WM_PID",
                           "_NET_WM_ICON",
                           "UTF8_STRING",
                           "WM_STATE"};
    constexpr std::size_t kCount = sizeof names / sizeof names[0];
    xcb_intern_atom_cookie_t cookies[kCount];
    for (std::size_t i = 0; i < kCount; ++i) {
        cookies[i] = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    }
    uint32_t values[kCount] = {};
    for (std::size_t i = 0; i < kCount; ++i) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr));
        values[i] = reply ? reply->atom : uint32_t{XCB_ATOM_NONE};
    }
    Atoms atoms;
    atoms.netActiveWindow = values[0];
    atoms.netSupportingWmCheck = values[1];
    atoms.netWmName = values[2];
    atoms.netWmPid = values[3];
    atoms.netWmIcon = values[4];
    atoms.utf8String = values[5];
    atoms.wmState = values[6];

    std::unique_ptr<CX11ForegroundSampler> sampler(
        new CX11ForegroundSampler(c, root, atoms, entries));
    const xcb_query_extension_reply_t* res = xcb_get_extension_data(c, &xcb_res_id);
    if (res != nullptr && res->present) {
        Reply<xcb_res_query_version_reply_t> version(xcb_res_query_version_reply(
            c, xcb_res_query_version(c, XCB_RES_MAJOR_VERSION, XCB_RES_MINOR_VERSION), nullptr));
        // Client ids arrived with version 1.2.
        sampler->hasXRes_ = version && (version->server_major > 1 ||
                                        (version->server_major == 1 && version->server_minor >= 2));
    }
    return sampler;
}

CX11ForegroundSampler::CX11ForegroundSampler(xcb_connection_t* connection, uint32_t root,
                                             const Atoms& atoms, CDesktopEntryIndex& entries)
    : connection_(connection), root_(root), atoms_(atoms), desktopIcons_(entries) {
    char host[HOST_NAME_MAX + 1] = {};
    if (gethostname(host, sizeof host - 1) == 0) {
        hostName_ = host;
    }
}

CX11ForegroundSampler::~CX11ForegroundSampler() {
    xcb_disconnect(connection_);
}

ForegroundSample CX11ForegroundSampler::Sample() {
    ForegroundSample sample;
    window_ = 0;
    xcb_connection_t* c = connection_;
    if (xcb_connection_has_error(c) != 0) {
        return sample;
    }

    const auto activeCookie =
        xcb_get_property(c, 0, root_, atoms_.netActiveWindow, XCB_ATOM_WINDOW, 0, 1);
    const auto checkCookie =
        xcb_get_property(c, 0, root_, atoms_.netSupportingWmCheck, XCB_ATOM_WINDOW, 0, 1);
    const auto focusCookie = xcb_get_input_focus(c);
    const auto activeReply = PropertyReply(c, activeCookie);
    const auto checkReply = PropertyReply(c, checkCookie);
    Reply<xcb_get_input_focus_reply_t> focusReply(
        xcb_get_input_focus_reply(c, focusCookie, nullptr));

    const bool hasActive = activeReply && activeReply->type == XCB_ATOM_WINDOW;
    const uint32_t active = PropertyCard32(activeReply.get(), XCB_ATOM_WINDOW);
    const uint32_t wmCheck = PropertyCard32(checkReply.get(), XCB_ATOM_WINDOW);

    WindowInfo info;
    if (hasActive && wmCheck != 0) {
        // A window manager that exits leaves its root properties behind: believe the active
        // window only while the check window still exists and names itself.
        const auto selfCookie =
            xcb_get_property(c, 0, wmCheck, atoms_.netSupportingWmCheck, XCB_ATOM_WINDOW, 0, 1);
        if (active != 0) {
            RequestInfo(active, info);
        }
        const auto selfReply = PropertyReply(c, selfCookie);
        if (PropertyCard32(selfReply.get(), XCB_ATOM_WINDOW) == wmCheck) {
            if (active != 0) {
                ReadInfo(info, sample);
            }
            return sample;
        }
        if (active != 0) {
            DiscardInfo(info);
        }
    }

    const uint32_t window = focusReply ? FocusedTopLevel(focusReply->focus) : 0;
    if (window != 0) {
        RequestInfo(window, info);
        ReadInfo(info, sample);
    }
    return sample;
}

// Without a window manager, the focus may sit on a child of the program's window: walk up
// to the window that carries WM_STATE (managed by some window manager), else to the child
// of the root.
uint32_t CX11ForegroundSampler::FocusedTopLevel(uint32_t focus) {
    if (focus == XCB_NONE || focus == kPointerRoot || focus == root_) {
        return 0;
    }
    xcb_connection_t* c = connection_;
    uint32_t window = focus;
    for (int depth = 0; depth < kMaxTreeDepth; ++depth) {
        const auto treeCookie = xcb_query_tree(c, window);
        const auto stateCookie =
            xcb_get_property(c, 0, window, atoms_.wmState, XCB_GET_PROPERTY_TYPE_ANY, 0, 0);
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, treeCookie, nullptr));
        const auto state = PropertyReply(c, stateCookie);
        if (!tree) {
            return 0;
        }
        if (state && state->type != XCB_ATOM_NONE) {
            return window;
        }
        if (tree->parent == root_ || tree->parent == XCB_NONE) {
            return window;
        }
        window = tree->parent;
    }
    return 0;
}

void CX11ForegroundSampler::RequestInfo(uint32_t window, WindowInfo& info) {
    xcb_connection_t* c = connection_;
    info.window = window;
    info.netName =
        xcb_get_property(c, 0, window, atoms_.netWmName, atoms_.utf8String, 0, kTitleLongs);
    info.name =
        xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, kTitleLongs);
    info.pid = xcb_get_property(c, 0, window, atoms_.netWmPid, XCB_ATOM_CARDINAL, 0, 1);
    info.machine = xcb_get_property(c, 0, window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 0,
                                    kMachineLongs);
    info.askedClient = hasXRes_;
    if (hasXRes_) {
        // Asked along with the properties so a window without _NET_WM_PID costs no extra
        // round trip.
        const xcb_res_client_id_spec_t wanted{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
        info.client = xcb_res_query_client_ids(c, 1, &wanted);
    }
}

void CX11ForegroundSampler::DiscardInfo(WindowInfo& info) {
    xcb_connection_t* c = connection_;
    xcb_discard_reply(c, info.netName.sequence);
    xcb_discard_reply(c, info.name.sequence);
    xcb_discard_reply(c, info.pid.sequence);
    xcb_discard_reply(c, info.machine.sequence);
    if (info.askedClient) {
        xcb_discard_reply(c, info.client.sequence);
    }
}

void CX11ForegroundSampler::ReadInfo(WindowInfo& info, ForegroundSample& sample) {
    xcb_connection_t* c = connection_;
    window_ = info.window;
    const auto netName = PropertyReply(c, info.netName);
    const auto name = PropertyReply(c, info.name);
    const auto pidReply = PropertyReply(c, info.pid);
    const auto machine = PropertyReply(c, info.machine);
    Reply<xcb_res_query_client_ids_reply_t> client;
    if (info.askedClient) {
        xcb_generic_error_t* error = nullptr;
        client.reset(xcb_res_query_client_ids_reply(c, info.client, &error));
        std::free(error);
    }

    if (netName && netName->type == atoms_.utf8String && netName->value_len > 0) {
        sample.title = CutValidUtf8(PropertyBytes(netName.get()), kMaxTitleChars);
    } else if (name && name->type == XCB_ATOM_STRING) {
        sample.title = X11Latin1ToUtf8(PropertyBytes(name.get()), kMaxTitleChars);
    } else if (name) {
        // UTF8_STRING or COMPOUND_TEXT: for the usual ASCII titles both read as UTF-8.
        sample.title = CutValidUtf8(PropertyBytes(name.get()), kMaxTitleChars);
    }

    uint32_t pid = PropertyCard32(pidReply.get(), XCB_ATOM_CARDINAL);
    // A client on another machine names a process id of that machine.
    if (pid != 0 && machine && !IsLocalMachine(std::string(PropertyBytes(machine.get())))) {
        pid = 0;
    }
    std::optional<std::string> path;
    if (pid != 0) {
        path = ExecutableOf(pid);
    }
    // A program in its own process namespace, such as a sandboxed one, publishes a pid that
    // means nothing here; the server knows the real process of the client.
    if (!path && client) {
        const uint32_t clientPid = ClientPid(client.get());
        if (clientPid != 0 && clientPid != pid) {
            path = ExecutableOf(clientPid);
        }
    }
    if (!path) {
        return;
    }
    sample.processFound = true;
    const std::size_t slash = path->rfind('/');
    sample.name = slash == std::string::npos ? *path : path->substr(slash + 1);
    sample.path = std::move(*path);
}

bool CX11ForegroundSampler::IsLocalMachine(const std::string& machine) const {
    if (machine.empty() || machine == "localhost" || hostName_.empty()) {
        return true;
    }
    // One side may carry the domain and the other not.
    const auto sameHost = [](const std::string& longer, const std::string& shorter) {
        return longer.size() > shorter.size() && longer.compare(0, shorter.size(), shorter) == 0 &&
               longer[shorter.size()] == '.';
    };
    return machine == hostName_ || sameHost(machine, hostName_) || sameHost(hostName_, machine);
}

std::optional<IconImage> CX11ForegroundSampler::ExtractIcon(const std::string& path,
                                                            bool useSampledWindow) {
    if (!path.empty()) {
        if (std::optional<IconImage> icon = desktopIcons_.IconFor(path)) {
            return icon;
        }
    }
    if (useSampledWindow && window_ != 0 && desktopIcons_.Index().Ready()) {
        return WindowIcon(window_);
    }
    return std::nullopt;
}

int CX11ForegroundSampler::IconsRevision() {
    return desktopIcons_.Index().Revision();
}

// _NET_WM_ICON holds one or more images as width, height, then width * height ARGB values.
std::optional<IconImage> CX11ForegroundSampler::WindowIcon(uint32_t window) {
    if (xcb_connection_has_error(connection_) != 0) {
        return std::nullopt;
    }
    const auto reply =
        PropertyReply(connection_, xcb_get_property(connection_, 0, window, atoms_.netWmIcon,
                                                    XCB_ATOM_CARDINAL, 0, kIconLongs));
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32) {
        return std::nullopt;
    }
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    const std::size_t count =
        static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / 4;
    const uint32_t* best = nullptr;
    uint32_t bestWidth = 0;
    uint32_t bestHeight = 0;
    long bestDistance = LONG_MAX;
    const long wanted = ProgramIconPixels();
    for (std::size_t i = 0; i + 2 <= count;) {
        const uint32_t width = data[i];
        const uint32_t height = data[i + 1];
        if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
            static_cast<std::size_t>(width) * height > count - i - 2) {
            break;
        }
        const long distance = std::labs(static_cast<long>(width) - wanted) +
                              std::labs(static_cast<long>(height) - wanted);
        // Closest to the size kept; on a tie the larger one scales down more cleanly.
        if (distance < bestDistance || (distance == bestDistance && width > bestWidth)) {
            best = data + i + 2;
            bestWidth = width;
            bestHeight = height;
            bestDistance = distance;
        }
        i += 2 + static_cast<std::size_t>(width) * height;
    }
    if (best == nullptr) {
        return std::nullopt;
    }
    QImage image(static_cast<int>(bestWidth), static_cast<int>(bestHeight), QImage::Format_ARGB32);
    for (uint32_t y = 0; y < bestHeight; ++y) {
        std::memcpy(image.scanLine(static_cast<int>(y)),
                    best + static_cast<std::size_t>(y) * bestWidth, bestWidth * 4);
    }
    return ProgramIconFromImage(image);
}
