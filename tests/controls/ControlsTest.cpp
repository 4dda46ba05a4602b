// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlsTest.h"

#include <QApplication>

ControlsTest::ControlsTest() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "hourglint_controls_tests";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

void ControlsTest::SetUp() {
    previous_ = SetMessageHandler([this](const std::string& text) { messages_.push_back(text); });
}

void ControlsTest::TearDown() {
    SetMessageHandler(previous_);
}
