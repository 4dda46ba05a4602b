// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RunCommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "cli/CHistoryCommand.h"
#include "cli/CReportCommand.h"
#include "platform/backend/ForegroundBackend.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/Translations.h"

namespace {

// Which backend would read the foreground here; asking KWin's name needs the session bus.
std::string ForegroundBackendLine() {
    std::string problem;
    const ForegroundBackend* backend = ChooseForegroundBackend(ReadSessionFacts(), problem);
    if (backend == nullptr) {
        return FillPlaceholders(
            QCoreApplication::translate("RunCommandLine", "In this session: %1"), {problem});
    }
    return FillPlaceholders(
        QCoreApplication::translate("RunCommandLine",
                                    "In this session the foreground program is read from "
                                    "%1.\nSupported: %2."),
        {ForegroundBackendName(*backend), SupportedDesktops()});
}

}  // namespace

int RunCommandLine(const CCommandLine& commandLine, int& argc, char** argv) {
    const bool working = commandLine.GetAction() == CCommandLine::Action::Report ||
                         commandLine.GetAction() == CCommandLine::Action::History;
    if (!working) {
        // Only for the translations: no display is asked for.
        const QCoreApplication app(argc, argv);
        InstallTranslations();
        switch (commandLine.GetAction()) {
            case CCommandLine::Action::Help:
                std::fputs(CCommandLine::HelpText().c_str(), stdout);
                std::printf("\n%s\n", ForegroundBackendLine().c_str());
                return CCommandLine::kExitOk;
            case CCommandLine::Action::Version:
                std::printf("%s\n", CCommandLine::VersionText().c_str());
                return CCommandLine::kExitOk;
            default:
                std::fprintf(stderr, "hourglint: %s\n%s\n", commandLine.Problem().c_str(),
                             CCommandLine::UsageHint().c_str());
                return CCommandLine::kExitBadUse;
        }
    }

    // Qt's notes about the platform or the runtime folder would only get in the way of a
    // script that reads standard error; real failures still show.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "hourglint: %s\n", qPrintable(text));
        }
    });
    std::unique_ptr<QCoreApplication> app;
    if (commandLine.GetFormat() == CCommandLine::Format::Html) {
        // The chart is drawn into an image: no display is needed, and none is used.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    SetApplicationNames();
    InstallTranslations();
    if (commandLine.GetAction() == CCommandLine::Action::History) {
        return CHistoryCommand(commandLine).Run(std::cout, std::cerr);
    }
    return CReportCommand(commandLine).Run(std::cout, std::cerr);
}
