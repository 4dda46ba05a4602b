// SPDX-License-Identifier: GPL-3.0-or-later
// Tells Hourglint which window has the focus: its process id, WM class and title.
// It reads nothing else, does nothing else, and answers no other program.
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
// Hourglint owns this name with its process id appended.
const HOURGLINT_NAME = 'org.hourglint.Hourglint_';
const MAX_SUBSCRIBERS = 8;
const ACCESS_DENIED = 'org.freedesktop.DBus.Error.AccessDenied';
const LIMITS_EXCEEDED = 'org.freedesktop.DBus.Error.LimitsExceeded';

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

    GetAsync(parameters, invocation) {
        this._ifHourglint(invocation, () =>
            invocation.return_value(new GLib.Variant('(uss)', this._state())));
    }

    SubscribeAsync(parameters, invocation) {
        this._ifHourglint(invocation, () => {
            const sender = invocation.get_sender();
            if (!this._subscribers.has(sender)) {
                if (this._subscribers.size >= MAX_SUBSCRIBERS) {
                    invocation.return_dbus_error(LIMITS_EXCEEDED, 'Too many subscribers.');
                    return;
                }
                this._subscribers.set(sender, Gio.bus_watch_name_on_connection(
                    Gio.DBus.session, sender, Gio.BusNameWatcherFlags.NONE, null,
                    () => this._forget(sender)));
            }
            invocation.return_value(null);
        });
    }

    // The caller must own the name that carries its own process id. Asked without waiting:
    // a blocking call here would freeze the desktop.
    _ifHourglint(invocation, answer) {
        const sender = invocation.get_sender();
        const deny = () => invocation.return_dbus_error(ACCESS_DENIED, 'Only Hourglint may ask.');
        this._askBus('GetConnectionUnixProcessID', sender, '(u)', pid => {
            if (pid === null) {
                deny();
                return;
            }
            this._askBus('GetNameOwner', HOURGLINT_NAME + pid, '(s)', owner => {
                // Disabled meanwhile: nothing to serve.
                if (owner === sender && this._object)
                    answer();
                else
                    deny();
            });
        });
    }

    // done gets the answer's one value, or null when the bus said no.
    _askBus(method, argument, replyType, done) {
        Gio.DBus.session.call('org.freedesktop.DBus', '/org/freedesktop/DBus',
            'org.freedesktop.DBus', method, new GLib.Variant('(s)', [argument]),
            new GLib.VariantType(replyType), Gio.DBusCallFlags.NONE, -1, null,
            (connection, result) => {
                let value = null;
                try {
                    [value] = connection.call_finish(result).deepUnpack();
                } catch (e) {
                    value = null;
                }
                done(value);
            });
    }

    _state() {
        const window = this._window;
        if (!window)
            return [0, '', ''];
        return [window.get_pid() > 0 ? window.get_pid() : 0, window.get_wm_class() ?? '',
            window.get_title() ?? ''];
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
        const state = new GLib.Variant('(uss)', this._state());
        for (const subscriber of this._subscribers.keys()) {
            Gio.DBus.session.emit_signal(subscriber, OBJECT_PATH, INTERFACE_NAME, 'Changed',
                state);
        }
    }
}
