// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/CHGApp.h"
#include "cli/CCommandLine.h"
#include "cli/RunCommandLine.h"
#include "platform/backend/ForegroundBackend.h"
#include "platform/x11/CX11ForegroundSampler.h"
#include "shell/CAboutDlg.h"

int main(int argc, char** argv) {
    // Options are answered on the terminal, before anything needs a display.
    const CCommandLine commandLine = CCommandLine::Parse(argc, argv);
    if (commandLine.GetAction() != CCommandLine::Action::Start) {
        return RunCommandLine(commandLine, argc, argv);
    }

    // Say what is missing before Qt aborts with its own, less helpful, message.
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
    if (!set(display) && !set(platform) && !set(wayland)) {
        std::string problem = X11SessionProblem();
        if (problem.empty()) {
            problem = "No display: DISPLAY is not set.";
        }
        std::fprintf(stderr, "Hourglint: %s\n", problem.c_str());
        return 1;
    }
    // On Wayland the windows go through Xwayland where it exists: only X11 lets a window
    // stay on top, be translucent and be placed. The foreground is read from the
    // compositor all the same. An Xwayland that refuses us leaves the native platform,
    // never an abort. Programs Hourglint opens keep the user's own choice.
    const bool waylandSession = !set(platform) && IsWaylandSession();
    const bool throughXwayland = waylandSession && set(display);
    if (throughXwayland) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
    CHGApp app(argc, argv);
    if (throughXwayland) {
        qunsetenv("QT_QPA_PLATFORM");
    }
    if (waylandSession && QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fprintf(stderr, "Hourglint: %s\n", NativeWaylandNotice().toUtf8().constData());
    }
    if (!app.InitInstance()) {
        return app.ExitCode();
    }
    return app.exec();
}
