// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "GnomeSession.h"
#include "KWinSession.h"
#include "SwaySession.h"
#include "platform/CGnomeForegroundSampler.h"
#include "platform/CKWinForegroundSampler.h"
#include "platform/CSwayForegroundSampler.h"

// Each compositor under test with the way to open its sampler once the session runs.
struct Sway {
    using Session = SwaySession;
    static std::unique_ptr<IForegroundSampler> Open(Session& session, std::string& error) {
        return CSwayForegroundSampler::Connect(session.SocketPath(), error);
    }
};

struct KWin {
    using Session = KWinSession;
    static std::unique_ptr<IForegroundSampler> Open(Session& session, std::string& error) {
        // The sampler talks to the bus of the session it finds in the environment.
        setenv("DBUS_SESSION_BUS_ADDRESS", session.BusAddress().c_str(), 1);
        return CKWinForegroundSampler::Connect(error);
    }
};

struct Gnome {
    using Session = GnomeSession;
    static std::unique_ptr<IForegroundSampler> Open(Session& session, std::string& error) {
        setenv("DBUS_SESSION_BUS_ADDRESS", session.BusAddress().c_str(), 1);
        return CGnomeForegroundSampler::Connect(error);
    }
};
