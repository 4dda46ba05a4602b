# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts that show Hourglint without a display of their own.
# private_x_start DIR: a private home under DIR, Xvfb on a free display and openbox; the
# screen is PRIVATE_X_SCREEN (1280x1024x24 when unset).
# Exports HOME, XDG_*, DISPLAY; the started pids are in private_x_pids. private_x_stop ends them.

private_x_pids=()

private_x_start() {
  local dir="$1"
  mkdir -p "$dir/home" "$dir/runtime"
  chmod 700 "$dir/runtime"
  export HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config"
  export XDG_DATA_HOME="$dir/home/.local/share" XDG_RUNTIME_DIR="$dir/runtime"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM

  exec 3> "$dir/display"
  Xvfb -displayfd 3 -screen 0 "${PRIVATE_X_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
  private_x_pids+=($!)
  exec 3>&-
  for _ in $(seq 50); do [ -s "$dir/display" ] && break; sleep 0.1; done
  if [ ! -s "$dir/display" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -n1 "$dir/display")"
  openbox >/dev/null 2>&1 &
  private_x_pids+=($!)
  sleep 1
}

private_x_stop() {
  local p
  for p in "${private_x_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
