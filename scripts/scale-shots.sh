#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the main window, the live graph, the report (and maximised), the group editor,
# History, Options and About at 1x, 2x, 150 % and 125 % on a 1280 x 800 screen, in the light
# palette and the tests' dark one:
#   scripts/scale-shots.sh BUILD_DIR OUT_DIR      (SHOTS_ONLY='2x-*' for some)
# Each run is a private Xvfb, openbox and home with a month of made-up use.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
mkdir -p "${2:?output folder}"
out="$(cd "$2" && pwd)"
# shellcheck source=private-x.sh
. "$root/scripts/private-x.sh"

# A month of use by five programs, a few hours a day.
fill_database() {
  sqlite3 "$1" <<'SQL'
INSERT INTO titem(name, compunit, path, groupid) VALUES
  ('xterm', 0, '/usr/bin/xterm', 0), ('firefox-esr', 0, '/usr/lib/firefox-esr/firefox-esr', 0),
  ('code', 0, '/usr/share/code/code', 0), ('thunderbird', 0, '/usr/lib/thunderbird/thunderbird', 0),
  ('gimp-2.10', 0, '/usr/bin/gimp-2.10', 0);
WITH RECURSIVE day(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM day WHERE n < 30),
     hour(h) AS (SELECT 8 UNION ALL SELECT h + 1 FROM hour WHERE h < 18)
INSERT INTO ttime(itemid, d, h, seconds)
  SELECT titem.id, date('now', 'localtime', '-' || n || ' days'), h,
         (titem.id * 397 + n * 131 + h * 59) % (700 + 400 * titem.id)
    FROM day, hour, titem;
SQL
}

wait_window() {
  local name="$1" w=""
  for _ in $(seq 100); do
    w="$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1 || true)"
    [ -n "$w" ] && break
    sleep 0.2
  done
  echo "$w"
}

shoot() {
  sleep 1.5  # the window manager's frame and the first paint
  import -window root "$out/$1.png"
  echo "  $1.png"
}

run() {
  local tag="$1"
  shift
  # SHOTS_ONLY=pattern takes only the matching runs, as "1x-*".
  # shellcheck disable=SC2053
  [[ "$tag" == ${SHOTS_ONLY:-*} ]] || return 0
  local dir
  dir="$(mktemp -d /tmp/hourglint-shots-XXXXXX)"
  mkdir -p "$dir/bin"
  cp "$build/src/app/hourglint" "$dir/bin/hourglint"
  private_x_pids=()
  # The screen of a small laptop.
  PRIVATE_X_SCREEN=1280x800x24 private_x_start "$dir"

  # First start makes the database; then a month of use goes in.
  env "$@" "$dir/bin/hourglint" >"$dir/log" 2>&1 &
  local app=$!
  wait_window '^Hourglint$' >/dev/null
  kill -TERM "$app"; wait "$app" || true
  fill_database "$dir/bin/HG.mdb"

  env "$@" "$dir/bin/hourglint" >>"$dir/log" 2>&1 &
  app=$!
  private_x_pids+=($app)
  local main
  main="$(wait_window '^Hourglint$')"
  # Out of the way, so nothing shows hovered.
  xdotool mousemove 1279 799
  xterm -T "Demo terminal" -geometry 60x10+600+300 >/dev/null 2>&1 &
  private_x_pids+=($!)
  local xterm
  xterm="$(wait_window '^Demo terminal$')"
  sleep 3
  shoot "$tag-main"

  xdotool windowactivate --sync "$main" key --clearmodifiers alt+l
  local live
  live="$(wait_window '^Live Graph$')"
  # A few seconds each in three lanes.
  for w in "$xterm" "$main" "$live"; do
    xdotool windowactivate "$w" 2>/dev/null || true
    sleep 4
  done
  shoot "$tag-livegraph"
  xdotool windowclose "$live" 2>/dev/null || true

  xdotool windowactivate --sync "$main" key --clearmodifiers alt+r
  local report
  report="$(wait_window '^Log Report$')"
  xdotool windowactivate --sync "$report" key --clearmodifiers alt+r
  shoot "$tag-report"
  xdotool windowsize "$report" 100% 100%
  xdotool windowmove "$report" 0 0
  shoot "$tag-report-maximised"
  xdotool windowactivate --sync "$report" key --clearmodifiers alt+g
  local groups
  groups="$(wait_window '^Edit Group$')"
  shoot "$tag-groups"
  xdotool windowactivate --sync "$groups" key --clearmodifiers Escape
  xdotool windowclose "$report" 2>/dev/null || xdotool windowactivate --sync "$report" key alt+F4

  xdotool windowactivate --sync "$main" key --clearmodifiers alt+i
  local history
  history="$(wait_window '^History$')"
  shoot "$tag-history"
  xdotool windowclose "$history" 2>/dev/null || true

  xdotool windowactivate --sync "$main" key --clearmodifiers alt+c
  local options
  options="$(wait_window '^Options$')"
  shoot "$tag-options"
  xdotool windowactivate --sync "$options" key --clearmodifiers Escape

  xdotool windowactivate --sync "$main" key --clearmodifiers alt+a
  local about
  about="$(wait_window '^About Hourglint$')"
  shoot "$tag-about"
  xdotool windowactivate --sync "$about" key --clearmodifiers Escape

  kill -TERM "$app"
  private_x_stop
  rm -rf "$dir"
}

for palette in light dark; do
  extra=()
  [ "$palette" = dark ] && extra=(HOURGLINT_TEST_PALETTE=dark)
  echo "$palette:"
  run "1x-$palette" "${extra[@]}" QT_SCALE_FACTOR=1
  run "2x-$palette" "${extra[@]}" QT_SCALE_FACTOR=2
  run "150-$palette" "${extra[@]}" QT_FONT_DPI=144
  run "125-$palette" "${extra[@]}" QT_SCALE_FACTOR=1.25
done
