// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "core/IForegroundSampler.h"

class CDesktopEntryIndex;
class IIdleTime;

// What the session says about itself at start: the facts the foreground backend is
// chosen from.
struct SessionFacts {
    bool wayland = false;          // XDG_SESSION_TYPE says so, or WAYLAND_DISPLAY without a type
    std::string swaySocket;        // $SWAYSOCK: sway, or another compositor with i3's IPC
    bool kwinOnBus = false;        // org.kde.KWin has its name on the session bus
    std::string compositor;        // the Wayland compositor's name, for messages
    bool wlrToplevels = false;     // the compositor offers zwlr_foreign_toplevel_manager_v1
    bool gnomeShellOnBus = false;  // org.gnome.Shell has its name on the session bus
    std::string forced;            // $HOURGLINT_BACKEND: the key of the backend to use
};

// A Wayland session by its environment alone; cheap enough before any GUI library starts.
bool IsWaylandSession();
// Why no window can be shown at all (no display, no Wayland, no platform chosen), said
// before Qt aborts with its own, less helpful, message; empty when one can.
std::string NoDisplayProblem();

// Reads the environment and asks the session bus (so a QCoreApplication should exist).
SessionFacts ReadSessionFacts();

// Everything that differs per desktop. Adding a compositor means one more row in the table
// of ForegroundBackend.cpp (and its folder under src/platform). The sampler open gives takes
// its icons (and on wlroots the app ids' programs) from the entries, which must outlive it.
struct ForegroundBackend {
    const char* key;   // what $HOURGLINT_BACKEND names it by
    const char* name;  // as --help and the About box name it, in English
    bool (*matches)(const SessionFacts& facts);
    std::unique_ptr<IForegroundSampler> (*open)(const SessionFacts& facts,
                                                CDesktopEntryIndex& entries, std::string& error);
    // The desktop's own idle source; nullptr when it has none, and only the lock pauses.
    std::unique_ptr<IIdleTime> (*openIdle)();
    // The session provides the screen-saver names on the bus; elsewhere whoever took one
    // later would not be the desktop, so it is not heard.
    bool desktopSavers;
};

// The first backend whose session matches, or the one $HOURGLINT_BACKEND names. nullptr with the
// reason in problem for a Wayland session whose compositor has none: the X11 view would see only
// Xwayland windows.
const ForegroundBackend* ChooseForegroundBackend(const SessionFacts& facts, std::string& problem);

// "sway (i3 IPC), KDE Plasma (KWin script)...": the desktops that can be measured, in the
// user's language.
std::string SupportedDesktops();
// backend's name in the user's language.
std::string ForegroundBackendName(const ForegroundBackend& backend);
