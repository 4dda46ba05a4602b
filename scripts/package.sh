#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Hourglint (in build/, as scripts/build.sh does) and its Debian package; prints the
# package's path. Install it with: sudo apt install ./build/package/hourglint_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Build output to standard error: standard output is the package's path alone.
bash "$root/scripts/build.sh" >&2
build="${HOURGLINT_BUILD_DIR:-$root/build}"
rm -f "$build"/package/hourglint_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/package/hourglint_*.deb
