#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in one SPDX line.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
missing="$(git ls-files -- '*.cpp' '*.h' '*.js' '*.py' '*.sh' '*.cmake' 'CMakeLists.txt' \
    '*/CMakeLists.txt' .ci/run | xargs -r grep -L 'SPDX-License-Identifier: GPL-3.0-or-later' || true)"
if [ -n "$missing" ]; then
  echo "source files without the SPDX licence line:" >&2
  echo "$missing" >&2
  exit 1
fi
