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

CompositorSession::CompositorSession(bool asNobody) : asNobody_(asNobody && getuid() == 0) {
    std::string pattern = (fs::temp_directory_path() / "hourglint-wayland-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    folder_ = pattern;
    runtime_ = folder_ + "/runtime";
    for (const char* sub : {"runtime", "home", "home/.config", "home/.local/share", "bin"}) {
        fs::create_directories(folder_ + "/" + sub);
    }
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(runtime_, fs::perms::owner_all);
    if (asNobody_) {
        for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
            (void)lchown(entry.path().c_str(), kNobody, kNobody);
        }
        (void)lchown(folder_.c_str(), kNobody, kNobody);
    }
}

CompositorSession::~CompositorSession() {
    processes_.StopAll();
    std::error_code ignored;
    if (!folder_.empty()) {
        fs::remove_all(folder_, ignored);
    }
}

std::vector<std::string> CompositorSession::AsSessionUser(std::vector<std::string> argv) const {
    if (asNobody_) {
        argv.insert(argv.begin(),
                    {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"});
    }
    return argv;
}

std::vector<std::string> CompositorSession::ClientEnvironment(
    const std::vector<std::string>& extra) const {
    const std::string home = folder_ + "/home";
    std::vector<std::string> env{"WAYLAND_DISPLAY=" + waylandDisplay_,
                                 "DISPLAY=" + x11Display_,
                                 "XDG_RUNTIME_DIR=" + runtime_,
                                 "XDG_SESSION_TYPE=wayland",
                                 "HOME=" + home,
                                 "XDG_CONFIG_HOME=" + home + "/.config",
                                 "XDG_DATA_HOME=" + home + "/.local/share",
                                 "XDG_CACHE_HOME=" + home + "/.cache"};
    env.insert(env.end(), ownVariables_.begin(), ownVariables_.end());
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
    setenv("WAYLAND_DISPLAY", waylandDisplay_.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
}

void CompositorSession::WriteFile(const std::string& path, const std::string& text) const {
    const fs::path file = fs::path(folder_) / path;
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
    if (asNobody_) {
        for (fs::path part = file; part != fs::path(folder_); part = part.parent_path()) {
            (void)lchown(part.c_str(), kNobody, kNobody);
        }
    }
}

std::vector<std::string> CompositorSession::ServerEnvironment(
    const std::vector<std::string>& extra) const {
    const std::string home = folder_ + "/home";
    std::vector<std::string> env{
        "XDG_RUNTIME_DIR=" + runtime_, "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
        "XDG_DATA_HOME=" + home + "/.local/share", "XDG_CACHE_HOME=" + home + "/.cache"};
    env.insert(env.end(), extra.begin(), extra.end());
    return ChildProcesses::Environment(
        env, {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "DBUS_SESSION_BUS_ADDRESS",
              "XDG_SESSION_TYPE", "XAUTHORITY"});
}

pid_t CompositorSession::SpawnClient(std::vector<std::string> argv,
                                     const std::vector<std::string>& extraEnv,
                                     const std::string& outputFile) {
    return processes_.Spawn(AsSessionUser(std::move(argv)), ClientEnvironment(extraEnv),
                            outputFile);
}

std::string CompositorSession::StartTestWindow(const std::string& name, const std::string& title,
                                               pid_t* pid) {
    const std::string copy = folder_ + "/bin/" + name;
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
