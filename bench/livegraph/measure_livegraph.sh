#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program under Xvfb with openbox, opens its live graph window and lets
# several programs take turns in front; prints the program's CPU time over that stretch and,
# when asked, saves a screenshot of the screen at the end.
#   bench/livegraph/measure_livegraph.sh [build dir] [seconds] [screenshot.png]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"
seconds="${2:-60}"
shot="${3:-}"
[ -n "$shot" ] && shot="$(realpath -m "$shot")"
work="$(mktemp -d /tmp/hourglint-livegraph-XXXXXX)"
# shellcheck source=../../scripts/private-x.sh
. "$root/scripts/private-x.sh"
trap 'private_x_stop; rm -rf "$work"' EXIT

mkdir -p "$work/bin" "$work/programs"
cp "$build/src/app/hourglint" "$work/bin/"
private_x_start "$work"

# Copies under other names, so each shows as a program of its own.
windows=()
place=0
for name in editor browser mail terminal; do
  cp "$(command -v xterm)" "$work/programs/$name"
  "$work/programs/$name" -T "$name" -geometry "50x8+$((640 + place * 40))+$((560 + place * 90))" \
    >/dev/null 2>&1 &
  private_x_pids+=($!)
  place=$((place + 1))
done
cp "$(command -v xmessage)" "$work/programs/notes"
"$work/programs/notes" -geometry +1000+300 "notes" >/dev/null 2>&1 &
private_x_pids+=($!)
sleep 2
for name in editor browser mail terminal notes; do
  windows+=("$(xdotool search --sync --name "^$name\$" | head -n1)")
done

"$work/bin/hourglint" >"$work/log" 2>&1 &
app=$!
private_x_pids+=($app)
for _ in $(seq 100); do [ -e "$work/bin/HG.mdb" ] && break; sleep 0.1; done
main="$(xdotool search --sync --name '^Hourglint$' | head -n1)"
xdotool windowactivate --sync "$main" key --clearmodifiers alt+l
xdotool search --sync --name '^Live Graph$' >/dev/null

ticks=$(getconf CLK_TCK)
read -r ut0 st0 < <(awk '{print $14, $15}' "/proc/$app/stat")
start=$(date +%s%N)
end=$(( $(date +%s) + seconds ))
turn=0
while [ "$(date +%s)" -lt "$end" ]; do
  xdotool windowactivate "${windows[$((turn % ${#windows[@]}))]}" 2>/dev/null || true
  # Stretches of 3 to 20 seconds.
  stretch=$(( 3 + (turn * 7) % 18 ))
  left=$(( end - $(date +%s) ))
  sleep $(( stretch < left ? stretch : (left > 0 ? left : 0) ))
  turn=$((turn + 1))
done
read -r ut1 st1 < <(awk '{print $14, $15}' "/proc/$app/stat")
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
cpu_ms=$(( (ut1 + st1 - ut0 - st0) * 1000 / ticks ))
echo "CPU over $((elapsed_ms / 1000)) s with the live graph open: ${cpu_ms} ms = $(awk -v c="$cpu_ms" -v e="$elapsed_ms" 'BEGIN {printf "%.3f", 100 * c / e}') % of one core"
if [ -n "$shot" ]; then
  import -window root "$shot"
  echo "screenshot: $shot"
fi
kill -TERM "$app"
wait "$app" || true
