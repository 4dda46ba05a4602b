#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers the code keeps: the Qt-free libraries include no Qt, and no folder includes a
# folder above it. Run by CI; exits 1 naming each include that breaks a rule.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# What each folder of src/ may include besides itself.
declare -A allowed=(
  [core]=""
  [db]="core"
  [platform]="core"
  [controls]="core"
  [groups]="core db platform controls"
  [report]="core db platform controls groups"
  [livegraph]="core controls"
  [history]="core db platform controls groups report livegraph"
  [shell]="core db platform controls groups report livegraph history"
  [cli]="core db platform report history"
  [app]="core db platform controls groups report livegraph history shell cli"
)
# Within src/platform: what each backend folder may include besides itself.
declare -A platformAllowed=(
  [system]=""
  [desktop]=""
  [presence]=""
  [wayland]="presence"
  [x11]="system desktop presence"
  [sway]="system desktop presence"
  [kwin]="system desktop presence"
  [gnome]="system desktop presence"
  [wlr]="system desktop presence wayland"
  [backend]="system desktop presence wayland x11 sway kwin gnome wlr"
)

failed=0
fail() {
  echo "check-layers: $1" >&2
  failed=1
}

# The sources of a CMake library target, as written in its add_library() call.
target_sources_of() {
  local dir="$1" target="$2"
  awk -v t="$target" '
    $0 ~ "add_library\\(" t " " { on = 1 }
    on { for (i = 1; i <= NF; ++i) if ($i ~ /\.cpp\)?$/) { f = $i; sub(/\)$/, "", f); print f } }
    on && /\)/ { on = 0 }' "$dir/CMakeLists.txt" | sed "s#^#$dir/#"
}

# Qt-free: core, db, and the model libraries of the report, the live graph and History.
qtFree=$(git ls-files --cached --others --exclude-standard src/core src/db | grep -E '\.(cpp|h)$' || true)
for pair in "src/report hourglint_report_model" "src/livegraph hourglint_livegraph_model" \
            "src/history hourglint_history_model"; do
  read -r dir target <<<"$pair"
  [ -f "$dir/CMakeLists.txt" ] || continue
  for cpp in $(target_sources_of "$dir" "$target"); do
    qtFree+=$'\n'"$cpp"
    [ -f "${cpp%.cpp}.h" ] && qtFree+=$'\n'"${cpp%.cpp}.h"
  done
done
while IFS= read -r file; do
  [ -n "$file" ] || continue
  # Qt's headers and the local headers of a Qt library alike.
  if grep -nE '^\s*#\s*include\s*<(Q[A-Za-z]|qt)' "$file" >/dev/null; then
    fail "$file includes Qt but belongs to a Qt-free library: $(grep -nE '^\s*#\s*include\s*<(Q[A-Za-z]|qt)' "$file" | head -n 1)"
  fi
done <<<"$qtFree"

while IFS= read -r file; do
  folder=$(cut -d/ -f2 <<<"$file")
  [ -n "${allowed[$folder]+set}" ] || { fail "$file: folder src/$folder has no layer"; continue; }
  sub=""
  [ "$folder" = platform ] && sub=$(cut -d/ -f3 <<<"$file")
  while IFS= read -r included; do
    [ -n "$included" ] || continue
    top=$(cut -d/ -f1 <<<"$included")
    [ -d "src/$top" ] || continue  # a generated or system header
    if [ "$top" != "$folder" ] && ! grep -qw "$top" <<<"${allowed[$folder]}"; then
      fail "$file includes \"$included\": src/$folder may not include src/$top"
    fi
    if [ "$folder" = platform ] && [ "$top" = platform ]; then
      other=$(cut -d/ -f2 <<<"$included")
      if [ "$other" != "$sub" ] && ! grep -qw "$other" <<<"${platformAllowed[$sub]:-}"; then
        fail "$file includes \"$included\": src/platform/$sub may not include src/platform/$other"
      fi
    fi
  done < <(sed -nE 's/^\s*#\s*include\s*"([^"]+)".*/\1/p' "$file")
done < <(git ls-files --cached --others --exclude-standard src | grep -E '\.(cpp|h)$')

exit "$failed"
