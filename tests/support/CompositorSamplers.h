// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "GnomeSession.h"
#include "KWinSession.h"
#include "SwaySession.h"
#include "platform/gnome/CGnomeForegroundSampler.h"
#include "platform/kwin/CKWinForegroundSampler.h"
#include "platform/sway/CSwayForegroundSampler.h"

// Each compositor under test with the way to open its sampler once the session runs, and
// for sway and KWin the input that ends an idle stretch and the idle protocol it offers first.
struct Sway {
    using Session = SwaySession;
    static constexpr const char* kIdleProtocol = "org_kde_kwin_idle";
    static bool Input(Session& session) {
        return session.Message({"seat", "-", "cursor", "move", "5", "5"}) == 0;
    }
    static std::unique_ptr<IForegroundSampler> Open(Session& session, CDesktopEntryIndex& entries,
                                                    std::string& error) {
        return CSwayForegroundSampler::Connect(session.SocketPath(), entries, error);
    }
};

struct KWin {
    using Session = KWinSession;
    static constexpr const char* kIdleProtocol = "ext_idle_notifier_v1";
    static bool Input(Session& session) { return session.SimulateUserActivity(); }
    static std::unique_ptr<IForegroundSampler> Open(Session& session, CDesktopEntryIndex& entries,
                                                    std::string& error) {
        // The sampler talks to the bus of the session it finds in the environment.
        setenv("DBUS_SESSION_BUS_ADDRESS", session.BusAddress().c_str(), 1);
        return CKWinForegroundSampler::Connect(entries, error);
    }
};

struct Gnome {
    using Session = GnomeSession;
    static std::unique_ptr<IForegroundSampler> Open(Session& session, CDesktopEntryIndex& entries,
                                                    std::string& error) {
        setenv("DBUS_SESSION_BUS_ADDRESS", session.BusAddress().c_str(), 1);
        return CGnomeForegroundSampler::Connect(entries, error);
    }
};
