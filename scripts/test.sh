#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Hourglint and runs every test. X11 tests start their own Xvfb, so no display is needed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh"
build="${HOURGLINT_BUILD_DIR:-$root/build}"
cd "$build"
ctest --output-on-failure -j2 --timeout 300
