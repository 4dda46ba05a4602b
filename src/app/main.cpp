// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/CHGApp.h"
#include "cli/CCommandLine.h"
#include "cli/RunCommandLine.h"
#include "core/Environment.h"
#include "platform/backend/ForegroundBackend.h"
#include "platform/system/Translations.h"
#include "shell/CAboutDlg.h"

int main(int argc, char** argv) {
    // Options are answered on the terminal, before anything needs a display.
    const CCommandLine commandLine = CCommandLine::Parse(argc, argv);
    if (commandLine.GetAction() != CCommandLine::Action::Start) {
        return RunCommandLine(commandLine, argc, argv);
    }

    if (!NoDisplayProblem().empty()) {
        // Said in the user's language: the translations need an application object, and a
        // core one needs no display.
        const QCoreApplication early(argc, argv);
        InstallTranslations();
        std::fprintf(stderr, "Hourglint: %s\n", NoDisplayProblem().c_str());
        return 1;
    }
    const bool display = EnvSet("DISPLAY");
    const bool platform = EnvSet("QT_QPA_PLATFORM");
    // On Wayland the windows go through Xwayland where it exists: only X11 lets a window
    // stay on top, be translucent and be placed. The foreground is read from the
    // compositor all the same. An Xwayland that refuses us leaves the native platform,
    // never an abort. Programs Hourglint opens keep the user's own choice.
    const bool waylandSession = !platform && IsWaylandSession();
    const bool throughXwayland = waylandSession && display;
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
