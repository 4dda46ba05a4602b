#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs everything Hourglint needs to build, run and test on Debian 12.
# Skips apt entirely when every package is already present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins
  libqt6sql6-sqlite libqt6svg6 libgl-dev
  libsqlite3-dev sqlite3 tzdata
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libxcb1-dev libxcb-ewmh-dev libxcb-res0-dev libxcb-icccm4-dev
  libxcb-screensaver0-dev dbus-bin dbus-daemon python3-dbus python3-gi
  python3-dbusmock
  xvfb openbox xterm xdotool x11-utils imagemagick trayer
  fonts-dejavu-core ccache
  dpkg-dev file desktop-file-utils appstream groff-base lintian
  sway kwin-wayland qt6-wayland xwayland weston
  foot libwayland-dev gnome-shell libglib2.0-bin
  at-spi2-core python3-pyatspi
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei locales
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# The machine-output test compares German with C; it needs the German locale to exist.
generate_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $SUDO localedef -i de_DE -c -f UTF-8 -A /usr/share/locale/locale.alias de_DE.UTF-8
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  generate_locale
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Other package managers may hold the lock for a while.
$SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq
$SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
generate_locale
