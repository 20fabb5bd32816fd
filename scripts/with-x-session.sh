#!/usr/bin/env bash
# Runs a command inside a private X session: Xvfb with a window manager that sets the active window
# (openbox), a system tray host (trayer) and a compositor for alpha blending (xcompmgr). Everything it
# starts is stopped again when the command ends.
set -uo pipefail

pids=()
tmp=$(mktemp -d)
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[$i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and reports it, so parallel sessions never collide.
# GLAREWELL_X_SCREEN sets another screen size (benchmarks use 1920x1080x24).
Xvfb -displayfd 1 -screen 0 "${GLAREWELL_X_SCREEN:-1280x800x24}" -nolisten tcp +extension RANDR +extension Composite \
  >"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
for _ in $(seq 1 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.1
done
if [ ! -s "$tmp/display" ]; then
  echo "with-x-session: Xvfb did not start" >&2
  cat "$tmp/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n 1 "$tmp/display")"
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
xcompmgr >/dev/null 2>&1 &
pids+=($!)
trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 --transparent false >/dev/null 2>&1 &
pids+=($!)
# Give the window manager and the tray host a moment to claim their selections.
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
sleep 0.5

export GLAREWELL_X_SESSION=1
"$@"
