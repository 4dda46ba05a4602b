// Hourglint's focused-window extension, classic form (GNOME Shell 43 and 44).
'use strict';
const {Gio, GLib} = imports.gi;

