#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats the C++ sources with the repository's .clang-format. Only C++ files: clang-format
# would mangle CMake and shell files.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs -r clang-format -i
