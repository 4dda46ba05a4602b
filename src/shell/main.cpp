#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/CCommandLine.h"
#include "cli/RunCommandLine.h"
#include "platform/CX11ForegroundSampler.h"
#include "shell/CHGApp.h"

int main(int argc, char** argv) {
    // Options are answered on the terminal, before anything needs a display.
    const CCommandLine commandLine = CCommandLine::Parse(argc, argv);
    if (commandLine.GetAction() != CCommandLine::Action::Start) {
        return RunCommandLine(commandLine, argc, argv);
    }

    // Say what is missing before Qt aborts with its own, less helpful, message.
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if ((display == nullptr || *display == '\0') && (platform == nullptr || *platform == '\0')) {
        std::string problem = X11SessionProblem();
        if (problem.empty()) {
            problem = "No display: DISPLAY is not set.";
        }
        std::fprintf(stderr, "Hourglint: %s\n", problem.c_str());
        return 1;
    }
    CHGApp app(argc, argv);
    if (!app.InitInstance()) {
        return app.ExitCode();
    }
    return app.exec();
}
