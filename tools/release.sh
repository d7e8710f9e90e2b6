#!/usr/bin/env bash
# Makes a release from a clean build: a zip of the distribution folder and a
# Windows installer built with NSIS. Usage: release.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
dist=$build/dist/Tamsolo
out=$(mkdir -p "${2:-$build/release}" && cd "${2:-$build/release}" && pwd)
version=1.0

for f in Tamsolo.exe help.htm sample.swf files/01.dat files/02.dat \
         files/1010.dat files/1011.dat files/1015.dat files/1016.dat files/1017.dat files/1018.dat files/1019.dat; do
  [ -f "$dist/$f" ] || { echo "release: $dist/$f is missing" >&2; exit 1; }
done

rm -rf "$out"
mkdir -p "$out"
(cd "$dist/.." && zip -q -r -X "$out/Tamsolo-$version.zip" Tamsolo)

icon=$(ls "$top"/assets/art/*.ico 2>/dev/null | head -n 1 || true)
makensis -V2 -DVERSION="$version" -DDIST="$dist" -DOUTFILE="$out/Tamsolo-$version-setup.exe" \
  ${icon:+-DICON="$icon"} "$top/installer/Tamsolo.nsi"

echo "release: $out/Tamsolo-$version.zip ($(stat -c %s "$out/Tamsolo-$version.zip") bytes)"
echo "release: $out/Tamsolo-$version-setup.exe ($(stat -c %s "$out/Tamsolo-$version-setup.exe") bytes)"
