// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The one application object of the test binary (offscreen platform): the report's chart
// draws text, and QProcess wants an event dispatcher.
inline void EnsureTestApplication() {
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "hourglint_cli_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}
