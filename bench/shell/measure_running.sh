#!/usr/bin/env bash
# Runs the built program under Xvfb with openbox for a while and prints its resident memory,
# its CPU time and the time from start to its first tick (the start-up load, which creates
# HG.mdb in a fresh folder).
#   bench/shell/measure_running.sh [build dir] [seconds]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"
seconds="${2:-60}"
work="$(mktemp -d /tmp/hourglint-measure-XXXXXX)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/bin" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/src/shell/hourglint" "$work/bin/"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
xterm -T "Measured terminal" >/dev/null 2>&1 &
pids+=($!)
sleep 1

start=$(date +%s%N)
"$work/bin/hourglint" >"$work/log" 2>&1 &
app=$!
pids+=($app)
while [ ! -e "$work/bin/HG.mdb" ]; do
  sleep 0.005
  if [ $(( ($(date +%s%N) - start) / 1000000 )) -gt 10000 ]; then echo "no first tick in 10 s"; exit 1; fi
done
first_tick_ms=$(( ($(date +%s%N) - start) / 1000000 ))

ticks=$(getconf CLK_TCK)
read -r ut0 st0 < <(awk '{print $14, $15}' "/proc/$app/stat")
sleep "$seconds"
read -r ut1 st1 < <(awk '{print $14, $15}' "/proc/$app/stat")
rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$app/status")
hwm_kb=$(awk '/^VmHWM/ {print $2}' "/proc/$app/status")
cpu_ms=$(( (ut1 + st1 - ut0 - st0) * 1000 / ticks ))

echo "start to first tick:   ${first_tick_ms} ms"
echo "resident memory:       $((rss_kb / 1024)) MB (peak $((hwm_kb / 1024)) MB)"
echo "CPU over ${seconds} s:       ${cpu_ms} ms = $(awk -v c="$cpu_ms" -v s="$seconds" 'BEGIN {printf "%.3f", c / (s * 10)}') % of one core"
kill -TERM "$app"
wait "$app" || true
