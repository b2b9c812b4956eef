#!/usr/bin/env bash
# on-display.sh TESTS.exe [ARGS...]: runs a Windows test program under Wine on a
# private Xvfb display. Wine makes real windows only on a display, and a session
# picks its display when it starts, so the program gets a session of its own: a
# copy of the suite's prefix with its own server, stopped at the end with the
# display. Run by the Windows tree's CTest inside scripts/wine-session.
set -uo pipefail
: "${WINEPREFIX:?the Wine prefix}"
suite_prefix=$WINEPREFIX
export WINEPREFIX="$suite_prefix-display"
if [ ! -f "$WINEPREFIX/.z5t8-ready" ] || [ "$suite_prefix/.z5t8-ready" -nt "$WINEPREFIX/.z5t8-ready" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$suite_prefix" "$WINEPREFIX"
  touch "$WINEPREFIX/.z5t8-ready"
fi

# The first free display number from 120; Xvfb refuses one taken meanwhile.
xvfb_pid=""
for n in $(seq 120 160); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
  xvfb_pid=""
done
if [ -z "$xvfb_pid" ]; then
  echo "on-display.sh: no display could be started" >&2
  exit 1
fi
trap 'wineserver --kill >/dev/null 2>&1; wineserver --wait >/dev/null 2>&1; kill "$xvfb_pid" 2>/dev/null' EXIT
export DISPLAY=":$n"
wine "$@"
