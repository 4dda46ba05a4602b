// SPDX-License-Identifier: GPL-3.0-or-later
// Tells subscribers which window has the focus: its process id, WM class and title.
// It reads nothing else and does nothing else.
const BUS_NAME = 'org.hourglint.FocusedWindow';
const OBJECT_PATH = '/org/hourglint/FocusedWindow';
const INTERFACE_NAME = 'org.hourglint.FocusedWindow';
const INTERFACE = `<node><interface name="${INTERFACE_NAME}">
  <method name="Get">
    <arg name="pid" type="u" direction="out"/>
    <arg name="wm_class" type="s" direction="out"/>
    <arg name="title" type="s" direction="out"/>
  </method>
  <method name="Subscribe"/>
  <signal name="Changed">
    <arg name="pid" type="u"/>
    <arg name="wm_class" type="s"/>
    <arg name="title" type="s"/>
  </signal>
</interface></node>`;

class FocusedWindow {
    enable() {
        this._subscribers = new Map();  // unique bus name -> its name watch
        this._window = null;
        this._titleHandler = 0;
        this._object = Gio.DBusExportedObject.wrapJSObject(INTERFACE, this);
        this._object.export(Gio.DBus.session, OBJECT_PATH);
        this._focusHandler = global.display.connect('notify::focus-window', () => this._follow());
        this._follow();
        this._name = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME,
            Gio.BusNameOwnerFlags.NONE, null, null);
    }

    disable() {
        Gio.bus_unown_name(this._name);
        global.display.disconnect(this._focusHandler);
        this._watch(null);
        for (const watch of this._subscribers.values())
            Gio.bus_unwatch_name(watch);
        this._subscribers.clear();
        this._object.unexport();
        this._object = null;
    }

    Get() {
        const window = this._window;
        if (!window)
            return [0, '', ''];
        return [window.get_pid() > 0 ? window.get_pid() : 0, window.get_wm_class() ?? '',
            window.get_title() ?? ''];
    }

    SubscribeAsync(parameters, invocation) {
        const sender = invocation.get_sender();
        if (!this._subscribers.has(sender)) {
            this._subscribers.set(sender, Gio.bus_watch_name_on_connection(Gio.DBus.session,
                sender, Gio.BusNameWatcherFlags.NONE, null, () => this._forget(sender)));
        }
        invocation.return_value(null);
    }

    _forget(sender) {
        const watch = this._subscribers.get(sender);
        if (watch !== undefined) {
            Gio.bus_unwatch_name(watch);
            this._subscribers.delete(sender);
        }
    }

    _follow() {
        this._watch(global.display.focus_window);
        this._tell();
    }

    _watch(window) {
        if (this._window && this._titleHandler)
            this._window.disconnect(this._titleHandler);
        this._window = window;
        this._titleHandler = window ? window.connect('notify::title', () => this._tell()) : 0;
    }

    // To each subscriber alone, never as a broadcast to the whole session.
    _tell() {
        const state = new GLib.Variant('(uss)', this.Get());
        for (const subscriber of this._subscribers.keys()) {
            Gio.DBus.session.emit_signal(subscriber, OBJECT_PATH, INTERFACE_NAME, 'Changed',
                state);
        }
    }
}
