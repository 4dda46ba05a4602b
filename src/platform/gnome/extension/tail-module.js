// SPDX-License-Identifier: GPL-3.0-or-later

export default class FocusedWindowExtension extends Extension {
    enable() {
        this._focused = new FocusedWindow();
        this._focused.enable();
    }

    disable() {
        this._focused.disable();
        this._focused = null;
    }
}
