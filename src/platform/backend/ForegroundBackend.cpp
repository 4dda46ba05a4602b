// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/backend/ForegroundBackend.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/Environment.h"
#include "platform/gnome/CGnomeForegroundSampler.h"
#include "platform/gnome/CMutterIdleTime.h"
#include "platform/kwin/CKWinForegroundSampler.h"
#include "platform/sway/CSwayForegroundSampler.h"
#include "platform/system/Translations.h"
#include "platform/wayland/CWaylandIdleTime.h"
#include "platform/wlr/CWlrForegroundSampler.h"
#include "platform/x11/CX11ForegroundSampler.h"
#include "platform/x11/CX11IdleTime.h"

namespace {

std::string Tr(const char* source, const std::vector<std::string>& args = {}) {
    return FillPlaceholders(QCoreApplication::translate("ForegroundBackend", source), args);
}

// The process behind the Wayland socket, by the peer credentials of a short connection.
std::string WaylandCompositorName() {
    std::string socketPath = Env("WAYLAND_DISPLAY");
    if (socketPath.empty()) {
        socketPath = "wayland-0";
    }
    if (socketPath[0] != '/') {
        socketPath = Env("XDG_RUNTIME_DIR") + "/" + socketPath;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        return {};
    }
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return {};
    }
    ucred peer{};
    socklen_t length = sizeof peer;
    const bool known =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.pid > 0;
    close(fd);
    if (!known) {
        return {};
    }
    std::ifstream comm("/proc/" + std::to_string(peer.pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

bool IsX11(const SessionFacts& facts) {
    return !facts.wayland;
}
bool IsSway(const SessionFacts& facts) {
    return facts.wayland && !facts.swaySocket.empty();
}
bool IsKWin(const SessionFacts& facts) {
    return facts.wayland && facts.kwinOnBus;
}
bool IsGnome(const SessionFacts& facts) {
    return facts.wayland && facts.gnomeShellOnBus;
}
bool IsWlr(const SessionFacts& facts) {
    return facts.wayland && facts.wlrToplevels;
}

std::unique_ptr<IForegroundSampler> OpenX11(const SessionFacts&, CDesktopEntryIndex& entries,
                                            std::string& error) {
    return CX11ForegroundSampler::Connect(nullptr, entries, error);
}
std::unique_ptr<IForegroundSampler> OpenSway(const SessionFacts& facts, CDesktopEntryIndex& entries,
                                             std::string& error) {
    return CSwayForegroundSampler::Connect(facts.swaySocket, entries, error);
}
std::unique_ptr<IForegroundSampler> OpenKWin(const SessionFacts&, CDesktopEntryIndex& entries,
                                             std::string& error) {
    return CKWinForegroundSampler::Connect(entries, error);
}
std::unique_ptr<IForegroundSampler> OpenGnome(const SessionFacts&, CDesktopEntryIndex& entries,
                                              std::string& error) {
    return CGnomeForegroundSampler::Connect(entries, error);
}
std::unique_ptr<IForegroundSampler> OpenWlr(const SessionFacts&, CDesktopEntryIndex& entries,
                                            std::string& error) {
    return CWlrForegroundSampler::Connect(entries, error);
}

// In the order they are tried.
std::unique_ptr<IIdleTime> X11Idle() {
    return CX11IdleTime::Connect();
}

std::unique_ptr<IIdleTime> MutterIdle() {
    return std::make_unique<CMutterIdleTime>();
}

// The compositor's idle notification, where it offers one; never Xwayland's, which sees only
// input to its own windows.
std::unique_ptr<IIdleTime> CompositorIdle() {
    std::string error;
    std::unique_ptr<CWaylandIdleTime> idle = CWaylandIdleTime::Connect(error);
    if (!idle) {
        std::fprintf(stderr, "hourglint: %s\n",
                     FillPlaceholders(
                         QCoreApplication::translate(
                             "ForegroundBackend", "%1 Only a locked screen pauses the counting."),
                         {error})
                         .c_str());
    }
    return idle;
}

const ForegroundBackend kBackends[] = {
    {"x11", QT_TRANSLATE_NOOP("ForegroundBackend", "X11 (the window manager's _NET_ACTIVE_WINDOW)"),
     IsX11, OpenX11, X11Idle, true},
    {"sway", QT_TRANSLATE_NOOP("ForegroundBackend", "sway (its i3 IPC socket)"), IsSway, OpenSway,
     CompositorIdle, false},
    {"kwin", QT_TRANSLATE_NOOP("ForegroundBackend", "KDE Plasma (a KWin script)"), IsKWin, OpenKWin,
     CompositorIdle, true},
    {"gnome", QT_TRANSLATE_NOOP("ForegroundBackend", "GNOME Shell (Hourglint's extension)"),
     IsGnome, OpenGnome, MutterIdle, true},
    {"wlr",
     QT_TRANSLATE_NOOP("ForegroundBackend",
                       "wlroots compositors (foreign-toplevel: labwc, wayfire, river...)"),
     IsWlr, OpenWlr, CompositorIdle, false},
};

}  // namespace

std::string NoDisplayProblem() {
    if (EnvSet("DISPLAY") || EnvSet("QT_QPA_PLATFORM") || EnvSet("WAYLAND_DISPLAY")) {
        return {};
    }
    const std::string problem = X11SessionProblem();
    return problem.empty()
               ? QCoreApplication::translate("ForegroundBackend", "No display: DISPLAY is not set.")
                     .toStdString()
               : problem;
}

bool IsWaylandSession() {
    const std::string type = Env("XDG_SESSION_TYPE");
    return type.empty() ? !Env("WAYLAND_DISPLAY").empty() : type == "wayland";
}

SessionFacts ReadSessionFacts() {
    SessionFacts facts;
    facts.wayland = IsWaylandSession();
    facts.forced = Env("HOURGLINT_BACKEND");
    if (!facts.wayland) {
        return facts;
    }
    facts.swaySocket = Env("SWAYSOCK");
    const QDBusConnection bus = QDBusConnection::sessionBus();
    facts.kwinOnBus = bus.isConnected() &&
                      bus.interface()->isServiceRegistered(QStringLiteral("org.kde.KWin")).value();
    facts.gnomeShellOnBus =
        bus.isConnected() &&
        bus.interface()->isServiceRegistered(QStringLiteral("org.gnome.Shell")).value();
    facts.wlrToplevels = CWlrForegroundSampler::Offered();
    facts.compositor = WaylandCompositorName();
    if (facts.compositor.empty()) {
        facts.compositor = Env("XDG_CURRENT_DESKTOP");
    }
    return facts;
}

const ForegroundBackend* ChooseForegroundBackend(const SessionFacts& facts, std::string& problem) {
    problem.clear();
    for (const ForegroundBackend& backend : kBackends) {
        if (facts.forced.empty() ? backend.matches(facts) : facts.forced == backend.key) {
            return &backend;
        }
    }
    if (!facts.forced.empty()) {
        std::string known;
        for (const ForegroundBackend& backend : kBackends) {
            known += (known.empty() ? "" : ", ") + std::string(backend.key);
        }
        problem = FillPlaceholders(
            QCoreApplication::translate("ForegroundBackend",
                                        "HOURGLINT_BACKEND names no foreground backend (%1); "
                                        "known: %2."),
            {facts.forced, known});
        return nullptr;
    }
    const std::string compositor =
        facts.compositor.empty()
            ? QCoreApplication::translate("ForegroundBackend", "unknown").toStdString()
            : facts.compositor;
    problem = FillPlaceholders(
        QCoreApplication::translate("ForegroundBackend",
                                    "Hourglint cannot tell which program is in front in this "
                                    "Wayland session: its compositor (%1) is not one Hourglint "
                                    "can ask. It does not fall back to Xwayland, which would see "
                                    "only some of the windows.\nSupported: %2."),
        {compositor, SupportedDesktops()});
    return nullptr;
}

std::string SupportedDesktops() {
    std::string text;
    for (const ForegroundBackend& backend : kBackends) {
        text += (text.empty() ? "" : ", ") + ForegroundBackendName(backend);
    }
    return text;
}

std::string ForegroundBackendName(const ForegroundBackend& backend) {
    return Tr(backend.name);
}
