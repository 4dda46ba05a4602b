// SPDX-License-Identifier: GPL-3.0-or-later
// Hourglint's focused-window extension, classic form (GNOME Shell 43 and 44).
'use strict';
const {Gio, GLib} = imports.gi;

