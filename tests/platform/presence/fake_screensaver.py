#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The test's own screen saver on the session bus: owns org.freedesktop.ScreenSaver,
answers GetActive, and announces ActiveChanged for each "lock" or "unlock" line read."""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

INTERFACE = "org.freedesktop.ScreenSaver"


class Saver(dbus.service.Object):
    active = False

    @dbus.service.method(INTERFACE, out_signature="b")
    def GetActive(self):
        return self.active

    @dbus.service.signal(INTERFACE, signature="b")
    def ActiveChanged(self, active):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    saver = Saver(bus, "/org/freedesktop/ScreenSaver")
    name = dbus.service.BusName(INTERFACE, bus)
    loop = GLib.MainLoop()

    def on_input(_source, _condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        saver.active = line.strip() == "lock"
        saver.ActiveChanged(saver.active)
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_input)
    print("ready", flush=True)
    loop.run()
    del name


main()
