// SPDX-License-Identifier: GPL-3.0-or-later
#include "SwaySession.h"

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

// The first entry of folder whose name starts with prefix and does not end with suffix.
std::string FindEntry(const std::string& folder, const std::string& prefix,
                      const std::string& unwanted) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && !name.ends_with(unwanted)) {
            return entry.path().string();
        }
    }
    return {};
}

}  // namespace

SwaySession::~SwaySession() {
    processes_.StopAll();
}

bool SwaySession::Start(std::string& error) {
    if (Folder().empty()) {
        error = "no session folder";
        return false;
    }
    const std::string displayFile = Folder() + "/home/display";
    const std::string config = Folder() + "/sway.config";
    std::ofstream(config) << "xwayland enable\n"
                          << "exec printenv DISPLAY > " << displayFile << "\n";
    fs::permissions(config, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
    for (const auto& stale : {displayFile}) {
        fs::remove(stale);
    }
    sway_ =
        processes_.Spawn(AsSessionUser({"sway", "-c", config}),
                         ServerEnvironment({"WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1",
                                            "WLR_RENDERER=pixman", "WLR_HEADLESS_OUTPUTS=1"}),
                         Folder() + "/sway.log");
    if (sway_ < 0) {
        error = "could not start sway (is it installed?)";
        return false;
    }
    // sway 1.7 has no --socket: its sockets appear in the runtime folder.
    x11Display_ = WaitForLine(displayFile, 20000);
    socketPath_ = FindEntry(runtime_, "sway-ipc.", ".lock");
    const std::string wayland = FindEntry(runtime_, "wayland-", ".lock");
    if (x11Display_.empty() || socketPath_.empty() || wayland.empty()) {
        error = "sway did not come up; see " + Folder() + "/sway.log";
        return false;
    }
    waylandDisplay_ = fs::path(wayland).filename().string();
    ownVariables_ = {"SWAYSOCK=" + socketPath_};
    if (Message({"-t", "get_version"}) != 0) {
        error = "sway's IPC socket does not answer";
        return false;
    }
    return true;
}

bool SwaySession::Restart(std::string& error) {
    processes_.Signal(sway_, SIGKILL);
    processes_.WaitExit(sway_, 10000);
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(runtime_, ignored)) {
        fs::remove(entry.path(), ignored);
    }
    return Start(error);
}

int SwaySession::Message(const std::vector<std::string>& arguments, std::string* output) {
    std::vector<std::string> argv{"swaymsg", "-s", socketPath_};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return processes_.Run(argv, ChildProcesses::Environment({}), output, 5000);
}

bool SwaySession::Focus(const std::string& title) {
    return Message({"[title=\"^" + title + "$\"] focus"}) == 0;
}
