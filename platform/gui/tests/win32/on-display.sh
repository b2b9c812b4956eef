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

# Xvfb takes a free display number itself and writes it once it accepts
# connections, as the end-to-end suites' displays do: nothing to guess or race.
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb_pid=$!
n=""
for _ in $(seq 100); do
  # The number is whole once its line has ended.
  if [ "$(wc -l <"$number_file")" -ge 1 ]; then
    n=$(head -n1 "$number_file")
    break
  fi
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
rm -f "$number_file"
if [ -z "$n" ]; then
  echo "on-display.sh: no display could be started" >&2
  kill "$xvfb_pid" 2>/dev/null
  exit 1
fi
trap 'wineserver --kill >/dev/null 2>&1; wineserver --wait >/dev/null 2>&1; kill "$xvfb_pid" 2>/dev/null' EXIT
export DISPLAY=":$n"
wine "$@"
