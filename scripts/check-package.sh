#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built Debian package: its file list, its computed dependencies, the desktop
# entry and AppStream metadata, and that the unpacked program runs.
# Usage: scripts/check-package.sh build/package/hourglint_<version>_<arch>.deb
set -euo pipefail
deb="$1"
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT

fail() { echo "package check: $*" >&2; exit 1; }

files="$(dpkg-deb -c "$deb" | awk '{print $NF}')"
for expected in \
    ./usr/bin/hourglint \
    ./usr/share/applications/org.hourglint.Hourglint.desktop \
    ./usr/share/metainfo/org.hourglint.Hourglint.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/hourglint.png \
    ./usr/share/icons/hicolor/32x32/apps/hourglint.png \
    ./usr/share/icons/hicolor/48x48/apps/hourglint.png \
    ./usr/share/icons/hicolor/64x64/apps/hourglint.png \
    ./usr/share/icons/hicolor/scalable/apps/hourglint.svg \
    ./usr/share/man/man1/hourglint.1.gz \
    ./usr/share/doc/hourglint/copyright \
    ./usr/share/doc/hourglint/changelog.gz \
    ./usr/share/gnome-shell/extensions/hourglint-focused-window@hourglint/extension.js \
    ./usr/share/gnome-shell/extensions/hourglint-focused-window@hourglint/metadata.json; do
  grep -qxF "$expected" <<<"$files" || fail "missing $expected"
done
# Nothing but the program's own files: no tests, benchmarks or libraries of the build.
unexpected="$(grep -v -e '/$' <<<"$files" | grep -v -x -F \
    -e ./usr/bin/hourglint \
    -e ./usr/share/applications/org.hourglint.Hourglint.desktop \
    -e ./usr/share/metainfo/org.hourglint.Hourglint.metainfo.xml \
    -e ./usr/share/man/man1/hourglint.1.gz \
    -e ./usr/share/doc/hourglint/copyright \
    -e ./usr/share/doc/hourglint/changelog.gz | grep -v -e '^./usr/share/icons/hicolor/' \
    -e '^./usr/share/gnome-shell/extensions/hourglint-focused-window@hourglint/' || true)"
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

depends="$(dpkg-deb -f "$deb" Depends)"
for library in libc6 libqt6widgets6 libqt6dbus6 libqt6network6 libsqlite3-0 libxcb1 libwayland-client0 qt6-wayland qt6-translations-l10n; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
grep -q "fonts-wqy-microhei" <<<"$recommends" || fail "Recommends lacks a CJK font: $recommends"


dpkg -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/org.hourglint.Hourglint.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.hourglint.Hourglint.metainfo.xml"
zcat "$unpacked/usr/share/man/man1/hourglint.1.gz" | groff -man -ww -z

# No display: the option is answered before anything needs one.
said="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$unpacked/usr/bin/hourglint" --version | head -n 1)"
[ "$said" = "Hourglint $(dpkg-deb -f "$deb" Version)" ] || fail "the packaged program says '$said'"
# The translations are built in: the packaged program speaks German.
said="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE=de "$unpacked/usr/bin/hourglint" --bogus 2>&1 | head -n 1 || true)"
[ "$said" = "hourglint: unbekannte Option „--bogus“" ] || fail "the packaged program says '$said' in German"
# Debian's own checker: any error or warning fails. A tag that must stay would get an
# override file in the package, with its reason; none is needed now.
lintian_out="$(lintian --fail-on error,warning "$deb" 2>&1)" \
  || fail "lintian: $lintian_out"
grep -E "^[EW]: " <<<"$lintian_out" && fail "lintian: $lintian_out"
[ -z "$lintian_out" ] || echo "$lintian_out" >&2
echo "package check: $(basename "$deb") passed (${depends})"
