#!/usr/bin/env bash
# Makes the release of this build (zip and installer) in a temporary folder,
# unpacks the zip into a fresh folder and hands both to the Windows test program.
# Usage: release-test.sh BUILD_DIR TEST_PROGRAM
set -euo pipefail
build=$1
program=$2
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash "$top/tools/release.sh" "$build" "$work/release" >/dev/null
mkdir -p "$work/unpacked"
unzip -q "$work/release/Tamsolo-1.0.zip" -d "$work/unpacked"

export TAMSOLO_UNPACKED=$(winepath -w "$work/unpacked/Tamsolo")
export TAMSOLO_SETUP=$(winepath -w "$work/release/Tamsolo-1.0-setup.exe")
export WINEDEBUG=${WINEDEBUG:--all}
wine "$program"
