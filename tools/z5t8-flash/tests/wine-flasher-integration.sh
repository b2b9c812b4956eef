#!/usr/bin/env bash
# z5t8-flash.exe under Wine as a user runs it, against the build machine's
# phone-sim on a pseudo-terminal that Wine serves as COM5 (the prefix's
# dosdevices/com5 link). Run by the Windows tree's CTest inside the namespace
# that scripts/test-windows sets up; one case at a time (COM5 is shared).
#   wine-flasher-integration.sh FLASHER.exe HOST_BIN_DIR SCRATCH_DIR
#
# Each case has a Wine server of its own, stopped before the simulator's end
# of the line closes (a server that outlives the line keeps a dead terminal).
# So that stopping it never touches the other tests, the cases use a copy of
# the suite's prefix.
set -uo pipefail
flasher=$1 host_bin=$2 scratch=$3
: "${WINEPREFIX:?the Wine prefix}"
suite_prefix=$WINEPREFIX
export WINEPREFIX="$suite_prefix-flasher"
com5="$WINEPREFIX/dosdevices/com5"
image_name=Z5T8-QUEX-TW-R104-0-V4_4_0.bin

if [ ! -f "$WINEPREFIX/.z5t8-ready" ] || [ "$suite_prefix/.z5t8-ready" -nt "$WINEPREFIX/.z5t8-ready" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$suite_prefix" "$WINEPREFIX"
  touch "$WINEPREFIX/.z5t8-ready"
fi
trap 'wineserver --kill >/dev/null 2>&1; wineserver --wait >/dev/null 2>&1' EXIT

# Starts this prefix's server and its services, which map COM5 to /dev/null;
# the link points elsewhere before, so that the mapping shows it is done.
start_wine() {
  ln -sfn "$dir/unmapped" "$com5"
  wineserver --persistent >/dev/null 2>&1
  wine reg query 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' >/dev/null 2>&1
  for _ in $(seq 100); do
    [ "$(readlink "$com5")" = /dev/null ] && return 0
    sleep 0.1
  done
  return 1
}

if [ -c /dev/ttyS0 ] && stty -F /dev/ttyS0 >/dev/null 2>&1; then
  echo "a real serial port is visible to Wine; run this through scripts/test-windows"
  exit 1
fi

failures=0
fail() {
  echo "FAILED: $case_name: $*"
  failures=$((failures + 1))
}

# expect_prefix FILE TEXT / expect_suffix FILE TEXT / expect_contains FILE TEXT (printf escapes)
expect_prefix() { printf "$2" > "$dir/expected"; cmp -s -n "$(stat -c %s "$dir/expected")" "$dir/expected" "$1" || fail "$1 does not begin with $(cat "$dir/expected")"; }
expect_suffix() {
  printf "$2" > "$dir/expected"
  tail -c "$(stat -c %s "$dir/expected")" "$1" | cmp -s - "$dir/expected" || fail "$1 does not end with $(cat "$dir/expected")"
}
expect_contains() { printf "$2" > "$dir/expected"; grep -qF -f "$dir/expected" "$1" || fail "$1 lacks $(cat "$dir/expected")"; }

# run_case NAME EXPECTED_STATUS SIM_ARGS...: the flasher's output in $dir/out.
run_case() {
  case_name=$1 expected_status=$2
  shift 2
  dir="$scratch/wine-flash-$case_name"
  rm -rf "$dir" && mkdir -p "$dir"
  "$host_bin/make-image" --size 5336820 "$dir/$image_name" >/dev/null || { fail "make-image"; return; }
  coproc SIM { exec "$host_bin/phone-sim" --out "$dir/received.bin" "$@" 2>"$dir/sim.err"; }
  local sim_pid=$SIM_PID line=""
  read -r -t 10 line <&"${SIM[0]}"
  local pty=${line#PORT }
  if [ -z "$line" ] || [ ! -e "$pty" ]; then
    fail "phone-sim did not start: $line $(cat "$dir/sim.err")"
    kill "$sim_pid" 2>/dev/null
    return
  fi
  start_wine || fail "Wine did not map COM5"
  ln -sfn "$pty" "$com5"
  (cd "$dir" && exec timeout 120 wine "$flasher" >"$dir/out" 2>/dev/null)
  status=$?
  wineserver --kill >/dev/null 2>&1
  wineserver --wait >/dev/null 2>&1
  [ "$status" -eq "$expected_status" ] || fail "exit status $status, not $expected_status: $(cat "$dir/out")"
  # The simulator ends once the flasher has closed the line.
  for _ in $(seq 100); do kill -0 "$sim_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$sim_pid" 2>/dev/null
  wait "$sim_pid" 2>/dev/null
  sim_status=$?
}

found='開啟檔案完成\r\n自動尋找COM,....請稍後\r\n此程序可能需要30秒時間,請耐心等候!!\r\n找到COM5\r\nGetNationalCode\r\n'

for variant in retail demo; do
  run_case "$variant" 0 --variant "$variant"
  expect_prefix "$dir/out" "${found}清除FLASH開始: "
  expect_contains "$dir/out" '\n.\r\n結束傳送檔案: '
  expect_suffix "$dir/out" '[message] 更新完成.                    \n'
  cmp -s "$dir/$image_name" "$dir/received.bin" || fail "the phone did not receive the image byte for byte"
  [ "$sim_status" -eq 0 ] || fail "phone-sim ended with $sim_status: $(cat "$dir/sim.err")"
done

run_case foreign 1 --variant foreign
expect_prefix "$dir/out" "$found"
expect_suffix "$dir/out" 'System Error: GetNationalCode TW Error !!!\r\n[message] 偵測到手機國別版本錯誤,請檢查手機是否為台灣版 !!!\n'

run_case failed-block 1 --fault block:wrong:3
expect_prefix "$dir/out" "${found}清除FLASH開始: "
expect_suffix "$dir/out" '[message] 更新失敗.                    \n'

if [ "$failures" -eq 0 ]; then
  rm -rf "$scratch"/wine-flash-*
  echo "4 passed, 0 failed"
  exit 0
fi
exit 1
