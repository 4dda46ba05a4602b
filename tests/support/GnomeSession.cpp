// SPDX-License-Identifier: GPL-3.0-or-later
#include "GnomeSession.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr char kOurs[] = HOURGLINT_GNOME_UUID;
constexpr char kTestUuid[] = "hourglint-test-shell@hourglint";

// The test's own extension: activates a window by title and tells the shell's variables.
constexpr char kTestExtension[] = R"js('use strict';
const {Gio, GLib} = imports.gi;
const Main = imports.ui.main;
const IFACE = `<node><interface name="org.hourglint.TestShell">
  <method name="Activate"><arg type="s" direction="in"/><arg type="b" direction="out"/></method>
  <method name="Env"><arg type="s" direction="in"/><arg type="s" direction="out"/></method>
</interface></node>`;
class TestShell {
    enable() {
        this._object = Gio.DBusExportedObject.wrapJSObject(IFACE, this);
        this._object.export(Gio.DBus.session, '/org/hourglint/TestShell');
        this._name = Gio.bus_own_name_on_connection(Gio.DBus.session, 'org.hourglint.TestShell',
            Gio.BusNameOwnerFlags.NONE, null, null);
    }
    disable() {
        Gio.bus_unown_name(this._name);
        this._object.unexport();
    }
    Activate(title) {
        Main.overview.hide();
        for (const actor of global.get_window_actors()) {
            if (actor.meta_window.get_title() === title) {
                actor.meta_window.activate(global.get_current_time());
                return true;
            }
        }
        return false;
    }
    Env(name) {
        return GLib.getenv(name) ?? '';
    }
}
function init() {
    return new TestShell();
}
)js";

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

}  // namespace

GnomeSession::~GnomeSession() {
    // SIGTERM ends gnome-shell 43 with a segfault: that is the shell's, not the test's.
    processes_.StopAll();
}

bool GnomeSession::Start(std::string& error) {
    if (Folder().empty()) {
        error = "no session folder";
        return false;
    }
    const std::string home = Folder() + "/home";
    const std::string extensions = home + "/.local/share/gnome-shell/extensions/";
    fs::create_directories(extensions + kTestUuid);
    std::ofstream(extensions + kTestUuid + "/extension.js") << kTestExtension;
    std::ofstream(extensions + kTestUuid + "/metadata.json")
        << R"({"uuid": ")" << kTestUuid
        << R"(", "name": "Hourglint test shell", "description": "tests", "shell-version": ["43"]})";
    fs::copy(HOURGLINT_GNOME_EXTENSION, extensions + kOurs, fs::copy_options::recursive);

    // The shell exits at once without a system bus.
    const std::string systemBus = "unix:path=" + Folder() + "/system_bus_socket";
    processes_.Spawn({"dbus-daemon", "--session", "--nofork", "--address=" + systemBus},
                     ChildProcesses::Environment({}), Folder() + "/system-bus.log");
    std::string enabled = Quoted(kTestUuid);
    if (enableOurs_) {
        enabled += "," + Quoted(kOurs);
    }
    const std::string busFile = Folder() + "/session-bus";
    const std::string script =
        "gsettings set org.gnome.shell disable-user-extensions false && "
        "gsettings set org.gnome.shell enabled-extensions \"[" +
        enabled + "]\" && echo \"$DBUS_SESSION_BUS_ADDRESS\" > " + busFile +
        " && exec gnome-shell --headless --wayland --wayland-display hourglint-gnome "
        "--virtual-monitor 1280x1024";
    // HOME and the XDG folders before dbus-run-session, or dconf writes elsewhere.
    std::vector<std::string> variables = {
        "XDG_RUNTIME_DIR=" + runtime_,          "HOME=" + home,
        "XDG_CONFIG_HOME=" + home + "/.config", "XDG_DATA_HOME=" + home + "/.local/share",
        "XDG_CACHE_HOME=" + home + "/.cache",   "DBUS_SYSTEM_BUS_ADDRESS=" + systemBus};
    variables.insert(variables.end(), shellVariables_.begin(), shellVariables_.end());
    processes_.Spawn({"dbus-run-session", "--", "sh", "-c", script},
                     ChildProcesses::Environment(
                         variables, {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK",
                                     "DBUS_SESSION_BUS_ADDRESS", "XDG_SESSION_TYPE", "XAUTHORITY"}),
                     Folder() + "/gnome-shell.log");
    bus_ = WaitForLine(busFile, 20000);
    if (bus_.empty()) {
        error = "dbus-run-session did not start; see " + Folder() + "/gnome-shell.log";
        return false;
    }
    // Up once the test extension answers.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (x11Display_.empty() && std::chrono::steady_clock::now() < deadline) {
        x11Display_ = ShellVariable("DISPLAY");
        if (x11Display_.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    if (x11Display_.empty()) {
        error = "GNOME Shell did not come up; see " + Folder() + "/gnome-shell.log";
        return false;
    }
    waylandDisplay_ = "hourglint-gnome";
    ownVariables_ = {"DBUS_SESSION_BUS_ADDRESS=" + bus_,
                     "XAUTHORITY=" + ShellVariable("XAUTHORITY")};
    return true;
}

int GnomeSession::Send(const std::vector<std::string>& arguments, std::string* output) {
    std::vector<std::string> argv{"dbus-send", "--session", "--print-reply"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return processes_.Run(argv, ChildProcesses::Environment({"DBUS_SESSION_BUS_ADDRESS=" + bus_}),
                          output, 5000);
}

std::string GnomeSession::ShellVariable(const std::string& name) {
    std::string output;
    if (Send({"--dest=org.hourglint.TestShell", "/org/hourglint/TestShell",
              "org.hourglint.TestShell.Env", "string:" + name},
             &output) != 0) {
        return {};
    }
    // ... string "VALUE"
    const auto open = output.find("string \"");
    const auto close = output.rfind('"');
    if (open == std::string::npos || close <= open + 8) {
        return {};
    }
    return output.substr(open + 8, close - open - 8);
}

bool GnomeSession::Focus(const std::string& title) {
    std::string output;
    return Send({"--dest=org.hourglint.TestShell", "/org/hourglint/TestShell",
                 "org.hourglint.TestShell.Activate", "string:" + title},
                &output) == 0 &&
           output.find("boolean true") != std::string::npos;
}

bool GnomeSession::EnableHourglintExtension() {
    return Send({"--dest=org.gnome.Shell", "/org/gnome/Shell",
                 "org.gnome.Shell.Extensions.EnableExtension", std::string("string:") + kOurs}) ==
           0;
}
