#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program under Xvfb with openbox for a while and prints its resident memory,
# its CPU time and the time from start to its first tick (the start-up load, which creates
# HG.mdb in a fresh folder).
#   bench/shell/measure_running.sh [build dir] [seconds]
# HOURGLINT_MEASURE_CONFIG, when set, is written under [Config] of the private settings
# (for example "bPauseWhenIdle=1").
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"
seconds="${2:-60}"
work="$(mktemp -d /tmp/hourglint-measure-XXXXXX)"
# shellcheck source=../../scripts/private-x.sh
. "$root/scripts/private-x.sh"
trap 'private_x_stop; rm -rf "$work"' EXIT

mkdir -p "$work/bin"
cp "$build/src/app/hourglint" "$work/bin/"
private_x_start "$work"
if [ -n "${HOURGLINT_MEASURE_CONFIG:-}" ]; then
  mkdir -p "$XDG_CONFIG_HOME/Hourglint"
  printf '[Config]\n%s\n' "$HOURGLINT_MEASURE_CONFIG" >"$XDG_CONFIG_HOME/Hourglint/Hourglint.conf"
fi
xterm -T "Measured terminal" >/dev/null 2>&1 &
private_x_pids+=($!)
sleep 1

start=$(date +%s%N)
"$work/bin/hourglint" >"$work/log" 2>&1 &
app=$!
private_x_pids+=($app)
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
