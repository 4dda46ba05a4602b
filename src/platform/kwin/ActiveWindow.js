// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into KWin by Hourglint: tells it which window is active, and the active window's
// new caption whenever it changes. Hourglint fills in its own D-Bus name.
const service = "@SERVICE@";
let watched = null;

function tell(window) {
    if (window) {
        callDBus(service, "/Foreground", "org.hourglint.Foreground", "Activated",
                 String(window.caption), String(window.resourceClass), Number(window.pid));
    } else {
        callDBus(service, "/Foreground", "org.hourglint.Foreground", "Activated", "", "", 0);
    }
}

function onCaptionChanged() {
    tell(watched);
}

function activated(window) {
    if (watched) {
        watched.captionChanged.disconnect(onCaptionChanged);
    }
    watched = window;
    if (window) {
        window.captionChanged.connect(onCaptionChanged);
    }
    tell(window);
}

if (workspace.windowActivated) {
    // Plasma 6 (untested): the signal and the property were renamed.
    workspace.windowActivated.connect(activated);
    activated(workspace.activeWindow);
} else {
    workspace.clientActivated.connect(activated);
    activated(workspace.activeClient);
}
