// SPDX-License-Identifier: GPL-3.0-or-later
#include "KWinSession.h"

#include <wayland-client.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "kde-idle-client-protocol.h"

namespace fs = std::filesystem;

KWinSession::~KWinSession() {
    processes_.StopAll();
}

bool KWinSession::Start(std::string& error) {
    if (Folder().empty()) {
        error = "no session folder";
        return false;
    }
    const std::string kwin = Folder() + "/bin/kwin_wayland";
    std::error_code copyError;
    fs::copy_file("/usr/bin/kwin_wayland", kwin, fs::copy_options::overwrite_existing, copyError);
    if (copyError) {
        error = "cannot copy kwin_wayland (is kwin-wayland installed?): " + copyError.message();
        return false;
    }
    // KWin starts the given program once Xwayland is up (it splits the command line at
    // spaces itself): a script that writes the session's variables.
    const std::string envFile = Folder() + "/kwin.env";
    const std::string script = Folder() + "/bin/session.sh";
    std::ofstream(script) << "#!/bin/sh\nenv > " << envFile << ".part && mv " << envFile << ".part "
                          << envFile << "\n";
    fs::permissions(script, fs::perms::owner_all);
    session_ =
        processes_.Spawn({"dbus-run-session", "--", kwin, "--virtual", "--xwayland", "--socket",
                          "hourglint-kwin", "--width", "1280", "--height", "800", script},
                         ServerEnvironment({"KWIN_COMPOSE=Q"}), Folder() + "/kwin.log");
    if (session_ < 0 || WaitForLine(envFile, 20000).empty()) {
        error = "KWin did not come up; see " + Folder() + "/kwin.log";
        return false;
    }
    std::ifstream in(envFile);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("DBUS_SESSION_BUS_ADDRESS=")) {
            bus_ = line.substr(line.find('=') + 1);
        } else if (line.starts_with("DISPLAY=")) {
            x11Display_ = line.substr(line.find('=') + 1);
        } else if (line.starts_with("XAUTHORITY=")) {
            ownVariables_.push_back(line);
        }
    }
    waylandDisplay_ = "hourglint-kwin";
    ownVariables_.push_back("DBUS_SESSION_BUS_ADDRESS=" + bus_);
    if (bus_.empty() || x11Display_.empty()) {
        error = "KWin started no Xwayland or no bus; see " + Folder() + "/kwin.log";
        return false;
    }
    return true;
}

int KWinSession::Call(const std::vector<std::string>& arguments, std::string* output) {
    std::vector<std::string> argv{"dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return processes_.Run(argv, ChildProcesses::Environment({"DBUS_SESSION_BUS_ADDRESS=" + bus_}),
                          output, 5000);
}

bool KWinSession::RunScript(const std::string& source) {
    const std::string name = "hourglint_test_" + std::to_string(++scripts_);
    const std::string file = Folder() + "/" + name + ".js";
    std::ofstream(file) << source;
    const bool ran = Call({"/Scripting", "org.kde.kwin.Scripting.loadScript", "string:" + file,
                           "string:" + name}) == 0 &&
                     Call({"/Scripting", "org.kde.kwin.Scripting.start"}) == 0;
    Call({"/Scripting", "org.kde.kwin.Scripting.unloadScript", "string:" + name});
    return ran;
}

bool KWinSession::ScriptLoaded(const std::string& pluginName) {
    std::string output;
    Call({"/Scripting", "org.kde.kwin.Scripting.isScriptLoaded", "string:" + pluginName}, &output);
    return output.find("boolean true") != std::string::npos;
}

bool KWinSession::Focus(const std::string& title) {
    std::ostringstream script;
    script << "for (const c of workspace.clientList()) {\n"
           << "    if (c.caption === \"" << title << "\") { workspace.activeClient = c; }\n"
           << "}\n";
    return RunScript(script.str());
}

namespace {

struct IdleGlobals {
    wl_seat* seat = nullptr;
    org_kde_kwin_idle* idle = nullptr;
};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* globals = static_cast<IdleGlobals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0) {
        globals->idle = static_cast<org_kde_kwin_idle*>(
            wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
    }
}
void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

}  // namespace

bool KWinSession::SimulateUserActivity() {
    wl_display* display = wl_display_connect((runtime_ + "/" + waylandDisplay_).c_str());
    if (display == nullptr) {
        return false;
    }
    IdleGlobals globals;
    const wl_registry_listener listener = {OnGlobal, OnGlobalRemove};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &globals);
    bool sent = false;
    if (wl_display_roundtrip(display) >= 0 && globals.seat != nullptr && globals.idle != nullptr) {
        org_kde_kwin_idle_timeout* timeout =
            org_kde_kwin_idle_get_idle_timeout(globals.idle, globals.seat, 60000);
        org_kde_kwin_idle_timeout_simulate_user_activity(timeout);
        org_kde_kwin_idle_timeout_release(timeout);
        sent = wl_display_roundtrip(display) >= 0;
    }
    if (globals.idle != nullptr) org_kde_kwin_idle_destroy(globals.idle);
    if (globals.seat != nullptr) wl_seat_destroy(globals.seat);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return sent;
}
