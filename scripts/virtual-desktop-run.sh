#!/usr/bin/env bash
# Runs the program on a private virtual desktop (Xvfb, openbox, trayer), waits for the joke
# window, saves a screenshot and stops everything it started, by process id.
# Usage: virtual-desktop-run.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2
mkdir -p "$(dirname "$screenshot")"

pids=()
stop_all() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
scratch=$(mktemp -d)
trap stop_all EXIT

# Xvfb writes the display number it took to the descriptor we give it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(cat "$scratch/display")"
export XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
  >/dev/null 2>&1 &
pids+=($!)

"$program" &
program_pid=$!
pids+=("$program_pid")
if ! timeout 30 xdotool search --sync --onlyvisible --pid "$program_pid" --name 'Tralalino' >/dev/null; then
  echo "The joke window did not come up." >&2
  exit 1
fi
sleep 1
import -window root "$screenshot"
echo "The program ran on display $DISPLAY; its screenshot is at $screenshot"
