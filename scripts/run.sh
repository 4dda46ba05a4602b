#!/usr/bin/env bash
# Builds Hourglint and starts it on the user's X11 display. On a machine with no display it
# runs a short demonstration under Xvfb instead and says where its screenshot is.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh"
build="${HOURGLINT_BUILD_DIR:-$root/build}"
exe="$build/src/shell/hourglint"

if [ -n "${DISPLAY:-}" ]; then
  exec "$exe" "$@"
fi

echo "No X11 display: showing Hourglint at work under Xvfb."
demo="$(mktemp -d /tmp/hourglint-demo-XXXXXX)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

# A private copy, home and database, so the demonstration touches no real data.
mkdir -p "$demo/bin" "$demo/home" "$demo/runtime"
chmod 700 "$demo/runtime"
cp "$exe" "$demo/bin/hourglint"
export HOME="$demo/home" XDG_CONFIG_HOME="$demo/home/.config" XDG_DATA_HOME="$demo/home/.local/share"
export XDG_RUNTIME_DIR="$demo/runtime"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

exec 3> "$demo/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 50); do [ -s "$demo/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$demo/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

"$demo/bin/hourglint" >"$demo/hourglint.log" 2>&1 &
app=$!
pids+=($app)
sleep 2

xterm -T "Demo terminal one" -geometry 80x20+500+100 >/dev/null 2>&1 &
pids+=($!)
xterm -T "Demo terminal two" -geometry 80x20+520+500 >/dev/null 2>&1 &
pids+=($!)
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
