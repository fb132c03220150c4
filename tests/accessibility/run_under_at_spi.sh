#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Usage: run_under_at_spi.sh PROGRAM CHECK.py
# Starts an X server, a session bus and the accessibility bus of their own,
# the reader on the demo data (5 March 2024) and then CHECK.py, which reads
# the window through AT-SPI. Everything started is stopped again.
# Exit code 77 when a tool is missing.
set -u
program=$1
check=$2
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-daemon "$launcher" "$python"; do
  command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "missing: python3-pyatspi"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  for pid in "${pids[@]}"; do timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null; kill -9 "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Waits up to 20 s for the first line of FILE.
first_line() {
  for _ in $(seq 200); do
    [ -s "$1" ] && { head -n1 "$1"; return 0; }
    sleep 0.1
  done
  return 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
display=$(first_line "$work/display") || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$display"

dbus-daemon --session --nofork --print-address=3 3>"$work/bus" &
pids+=($!)
DBUS_SESSION_BUS_ADDRESS=$(first_line "$work/bus") || { echo "dbus-daemon did not start"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS

"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
pids+=($!)

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=0
# A runtime folder of its own too: a reader of another test there would take
# this start over as a second start of the same user.
mkdir -m 700 "$work/run"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/run"
"$program" --today 2024-03-05 --settings "$work/selunar.ini" >"$work/program.log" 2>&1 &
pids+=($!)

timeout 120 "$python" "$check"
status=$?
[ $status -eq 0 ] || { echo "--- program output"; cat "$work/program.log"; }
exit $status
