// SPDX-License-Identifier: GPL-3.0-or-later
// A plain window for the compositor tests: "hourglint_test_window TITLE" shows TITLE until
// it is ended, and adds " renamed" to its title on SIGUSR1. With QT_QPA_PLATFORM=wayland it
// is a native Wayland client.
#include <QGuiApplication>
#include <QRasterWindow>
#include <QTimer>
#include <csignal>

namespace {
volatile std::sig_atomic_t renameAsked = 0;
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("hourglint-test-window"));
    QRasterWindow window;
    window.setTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("test window"));
    window.resize(320, 200);
    window.show();
    std::signal(SIGUSR1, [](int) { renameAsked = 1; });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&window] {
        if (renameAsked != 0) {
            renameAsked = 0;
            window.setTitle(window.title() + QStringLiteral(" renamed"));
        }
    });
    poll.start(50);
    return app.exec();
}
