// SPDX-License-Identifier: GPL-3.0-or-later
// Hourglint's focused-window extension, module form (GNOME Shell 45 and later).
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

