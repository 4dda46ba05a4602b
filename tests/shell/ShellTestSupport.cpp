// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "LocalInstant.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <ctime>

void EnsureTestApplication() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "hourglint_shell_tests";
        static char* argv[] = {name, nullptr};
        auto* created = new QApplication(argc, argv);
        created->setQuitOnLastWindowClosed(false);
        return created;
    }();
    (void)app;
}

int64_t NoonTime() {
    return LocalInstant(2026, 3, 10, 12);
}

QString SettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Hourglint/Hourglint.conf");
}

QString AutostartFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/Hourglint.desktop");
}

void ShellTest::SetUp() {
    EnsureTestApplication();
    QFile::remove(SettingsFile());
    QFile::remove(AutostartFile());
    previousMessage_ =
        SetMessageHandler([this](const std::string& text) { messages_.push_back(text); });
    previousQuestion_ = SetQuestionHandler([this](const QString& text) {
        questions_.append(text);
        return answer_;
    });
}

void ShellTest::TearDown() {
    SetMessageHandler(previousMessage_);
    SetQuestionHandler(previousQuestion_);
    QFile::remove(SettingsFile());
    QFile::remove(AutostartFile());
}
