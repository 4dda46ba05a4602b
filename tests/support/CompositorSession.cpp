// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompositorSession.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

}  // namespace

CompositorSession::CompositorSession(bool asNobody) : m_asNobody(asNobody && getuid() == 0) {
    std::string pattern = (fs::temp_directory_path() / "hourglint-wayland-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    m_folder = pattern;
    m_runtime = m_folder + "/runtime";
    for (const char* sub : {"runtime", "home", "home/.config", "home/.local/share", "bin"}) {
        fs::create_directories(m_folder + "/" + sub);
    }
    fs::permissions(m_folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(m_runtime, fs::perms::owner_all);
    if (m_asNobody) {
        for (const auto& entry : fs::recursive_directory_iterator(m_folder)) {
            (void)lchown(entry.path().c_str(), kNobody, kNobody);
        }
        (void)lchown(m_folder.c_str(), kNobody, kNobody);
    }
}

CompositorSession::~CompositorSession() {
    m_processes.StopAll();
    std::error_code ignored;
    if (!m_folder.empty()) {
        fs::remove_all(m_folder, ignored);
    }
}

std::vector<std::string> CompositorSession::AsSessionUser(std::vector<std::string> argv) const {
    if (m_asNobody) {
        argv.insert(argv.begin(),
                    {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"});
    }
    return argv;
}

std::vector<std::string> CompositorSession::ClientEnvironment(
    const std::vector<std::string>& extra) const {
    const std::string home = m_folder + "/home";
    std::vector<std::string> env{"WAYLAND_DISPLAY=" + m_waylandDisplay,
                                 "DISPLAY=" + m_x11Display,
                                 "XDG_RUNTIME_DIR=" + m_runtime,
                                 "XDG_SESSION_TYPE=wayland",
                                 "HOME=" + home,
                                 "XDG_CONFIG_HOME=" + home + "/.config",
                                 "XDG_DATA_HOME=" + home + "/.local/share",
                                 "XDG_CACHE_HOME=" + home + "/.cache"};
    env.insert(env.end(), m_ownVariables.begin(), m_ownVariables.end());
    // A variable in extra replaces the session's own (a test's dead DISPLAY, say).
    for (const std::string& entry : extra) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        std::erase_if(env, [&](const std::string& e) { return e.starts_with(name); });
        env.push_back(entry);
    }
    return ChildProcesses::Environment(
        env, {"SWAYSOCK", "DBUS_SESSION_BUS_ADDRESS", "QT_QPA_PLATFORM", "XAUTHORITY"});
}

void CompositorSession::ConnectThisProcess() const {
    setenv("WAYLAND_DISPLAY", m_waylandDisplay.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", m_runtime.c_str(), 1);
}

void CompositorSession::WriteFile(const std::string& path, const std::string& text) const {
    const fs::path file = fs::path(m_folder) / path;
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
    if (m_asNobody) {
        for (fs::path part = file; part != fs::path(m_folder); part = part.parent_path()) {
            (void)lchown(part.c_str(), kNobody, kNobody);
        }
    }
}

std::vector<std::string> CompositorSession::ServerEnvironment(
    const std::vector<std::string>& extra) const {
    const std::string home = m_folder + "/home";
    std::vector<std::string> env{
        "XDG_RUNTIME_DIR=" + m_runtime, "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
        "XDG_DATA_HOME=" + home + "/.local/share", "XDG_CACHE_HOME=" + home + "/.cache"};
    env.insert(env.end(), extra.begin(), extra.end());
    return ChildProcesses::Environment(
        env, {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "DBUS_SESSION_BUS_ADDRESS",
              "XDG_SESSION_TYPE", "XAUTHORITY"});
}

pid_t CompositorSession::SpawnClient(std::vector<std::string> argv,
                                     const std::vector<std::string>& extraEnv,
                                     const std::string& outputFile) {
    return m_processes.Spawn(AsSessionUser(std::move(argv)), ClientEnvironment(extraEnv),
                             outputFile);
}

std::string CompositorSession::StartTestWindow(const std::string& name, const std::string& title,
                                               pid_t* pid) {
    const std::string copy = m_folder + "/bin/" + name;
    std::error_code error;
    fs::copy_file(HOURGLINT_TEST_WINDOW, copy, fs::copy_options::overwrite_existing, error);
    const pid_t started = error ? -1 : SpawnClient({copy, title}, {"QT_QPA_PLATFORM=wayland"});
    if (pid != nullptr) {
        *pid = started;
    }
    return started > 0 ? copy : std::string();
}

bool CompositorSession::StartXterm(const std::string& title) {
    return SpawnClient({"xterm", "-T", title, "-e", "sleep", "600"}) > 0;
}

bool CompositorSession::FocusUntil(const std::string& title, const std::function<bool()>& ready,
                                   int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        Focus(title);
        const auto retry = Clock::now() + std::chrono::milliseconds(500);
        while (Clock::now() < retry) {
            if (ready()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    return false;
}

std::string CompositorSession::WaitForLine(const std::string& file, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        std::ifstream in(file);
        std::string line;
        if (std::getline(in, line) && !line.empty() && in.good()) {
            return line;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}
