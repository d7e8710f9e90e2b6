#!/usr/bin/env bash
# Runs every CTest test through Wine, on a virtual screen of 1024 x 768 so that
# window geometry is the same on every machine, with one wineserver for the run.
set -uo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
cd "$build" || exit 1
# Each build folder has its own Wine prefix, made on first use.
export WINEPREFIX=$PWD/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
if [ "${IN_XVFB:-}" != 1 ]; then
  IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/run-tests.sh" . "${@:2}"
fi
wineserver -p >/dev/null 2>&1
# Wine's own background programs start with the first program; start them here,
# away from CTest's output pipes, which they would otherwise hold open.
wine cmd /c exit >/dev/null 2>&1 </dev/null
ctest --output-on-failure --timeout 300 "${@:2}"
rc=$?
wineserver -k >/dev/null 2>&1
exit $rc
