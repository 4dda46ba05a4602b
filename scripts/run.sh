#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Hourglint and starts it on the user's X11 display. On a machine with no display it
# runs a short demonstration under Xvfb instead and says where its screenshot is.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh"
build="${HOURGLINT_BUILD_DIR:-$root/build}"
exe="$build/src/app/hourglint"

if [ -n "${DISPLAY:-}" ]; then
  exec "$exe" "$@"
fi

echo "No X11 display: showing Hourglint at work under Xvfb."
demo="$(mktemp -d /tmp/hourglint-demo-XXXXXX)"
# shellcheck source=private-x.sh
. "$root/scripts/private-x.sh"
trap private_x_stop EXIT

# A private copy, home and database, so the demonstration touches no real data.
mkdir -p "$demo/bin"
cp "$exe" "$demo/bin/hourglint"
private_x_start "$demo"

"$demo/bin/hourglint" >"$demo/hourglint.log" 2>&1 &
app=$!
private_x_pids+=($app)
sleep 2

xterm -T "Demo terminal one" -geometry 80x20+500+100 >/dev/null 2>&1 &
private_x_pids+=($!)
xterm -T "Demo terminal two" -geometry 80x20+520+500 >/dev/null 2>&1 &
private_x_pids+=($!)
sleep 1
for title in "Demo terminal one" "Demo terminal two" "Demo terminal one"; do
  w="$(xdotool search --sync --name "^$title\$" | head -n1)"
  xdotool windowactivate --sync "$w" 2>/dev/null || true
  echo "  $title in front for 4 seconds"
  sleep 4
done

win="$(xdotool search --onlyvisible --name '^Hourglint$' | head -n1 || true)"
shot="$demo/hourglint-main-window.png"
if [ -n "$win" ]; then
  import -window "$win" "$shot"
else
  import -window root "$shot"
fi

# End it as a logout would: the session manager's SIGTERM.
kill -TERM "$app"
wait "$app" || true

echo
echo "Today's totals read back from $demo/bin/HG.mdb:"
sqlite3 -header -column "$demo/bin/HG.mdb" \
  "SELECT titem.name AS program, titem.path AS path, SUM(ttime.seconds) AS seconds
     FROM ttime JOIN titem ON titem.id = ttime.itemid
    WHERE ttime.d = date('now', 'localtime')
    GROUP BY titem.id ORDER BY seconds DESC;"
echo
echo "Screenshot of the main window: $shot"
