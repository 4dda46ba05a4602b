// SPDX-License-Identifier: GPL-3.0-or-later
#include "WestonSession.h"

#include <chrono>
#include <fstream>
#include <thread>

WestonSession::~WestonSession() {
    processes_.StopAll();
}

bool WestonSession::Start(std::string& error) {
    if (Folder().empty()) {
        error = "no session folder";
        return false;
    }
    const std::string log = Folder() + "/weston.log";
    waylandDisplay_ = "hourglint-weston";
    const pid_t weston = processes_.Spawn(
        {"weston", "--backend=headless-backend.so", "--xwayland", "--socket=" + waylandDisplay_},
        ServerEnvironment({}), log);
    // weston names Xwayland's display in its log once it listens.
    constexpr std::string_view kListening = "xserver listening on display ";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (weston > 0 && x11Display_.empty() && std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) {
            const auto at = line.find(kListening);
            if (at != std::string::npos) {
                x11Display_ = line.substr(at + kListening.size());
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (x11Display_.empty()) {
        error = "weston did not come up (is it installed?)";
        return false;
    }
    return true;
}
