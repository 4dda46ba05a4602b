// SPDX-License-Identifier: GPL-3.0-or-later
#include "WestonSession.h"

#include <chrono>
#include <fstream>
#include <thread>

WestonSession::~WestonSession() {
    m_processes.StopAll();
}

bool WestonSession::Start(std::string& error) {
    if (Folder().empty()) {
        error = "no session folder";
        return false;
    }
    const std::string log = Folder() + "/weston.log";
    m_waylandDisplay = "hourglint-weston";
    const pid_t weston = m_processes.Spawn(
        {"weston", "--backend=headless-backend.so", "--xwayland", "--socket=" + m_waylandDisplay},
        ServerEnvironment({}), log);
    // weston names Xwayland's display in its log once it listens.
    constexpr std::string_view kListening = "xserver listening on display ";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (weston > 0 && m_x11Display.empty() && std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) {
            const auto at = line.find(kListening);
            if (at != std::string::npos) {
                m_x11Display = line.substr(at + kListening.size());
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (m_x11Display.empty()) {
        error = "weston did not come up (is it installed?)";
        return false;
    }
    return true;
}
