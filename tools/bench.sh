#!/usr/bin/env bash
# Benchmark figures for the player (printed, never a pass/fail test):
#  - size of the player program file against its goal of 32 KB;
#  - time from start to the window shown, against a minimal Win32 window
#    program built with the same flags, as a ratio measured in one run.
# Usage: bench.sh BUILD_FOLDER [RUNS]   (make bench runs it after make build)
set -uo pipefail
build=$(cd "${1:-build}" && pwd) || exit 1
runs=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
# The build folder's own Wine prefix, as the tests use it, made on first use.
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

if [ "${IN_XVFB:-}" != 1 ]; then
  player=$build/dist/Tamsolo/files/01.dat
  if [ ! -f "$player" ]; then
    echo "bench: $player is missing; build first (make build BUILD=...)" >&2
    exit 1
  fi
  size=$(stat -c %s "$player")
  goal=32768
  if [ "$size" -le "$goal" ]; then verdict="meets the goal"; else verdict="MISSES the goal"; fi
  echo "player program file (files/01.dat): $size bytes ($(( (size + 1023) / 1024 )) KB); goal <= $goal bytes: $verdict"
  minimal=$build/player-tests/bench_minimal_window.exe
  [ -f "$minimal" ] && echo "minimal window program built the same way: $(stat -c %s "$minimal") bytes"
  # The timing needs a screen: the same 1024 x 768 virtual one as the tests.
  IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/bench.sh" "$build" "$runs"
fi

timer=$build/player-tests/bench_start_time.exe
minimal=$build/player-tests/bench_minimal_window.exe
if [ ! -f "$timer" ] || [ ! -f "$minimal" ]; then
  echo "bench: bench_start_time or bench_minimal_window is missing; build first" >&2
  exit 1
fi
wineserver -p >/dev/null 2>&1
wine cmd /c exit >/dev/null 2>&1 </dev/null
wine "$timer" "$(winepath -w "$build/dist/Tamsolo/files/01.dat")" "$(winepath -w "$minimal")" "$runs"
rc=$?
wineserver -k >/dev/null 2>&1
exit $rc
