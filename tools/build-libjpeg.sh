#!/usr/bin/env bash
# Cross-builds libjpeg-turbo as a static library from Debian's source package.
# The source is cached in .cache/ so a second build does not fetch it again.
# Usage: build-libjpeg.sh INSTALL_DIR
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(mkdir -p "$1" && cd "$1" && pwd)
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

cache=$top/.cache/libjpeg-turbo
mkdir -p "$cache"
if ! ls "$cache"/libjpeg-turbo_*.orig.tar.gz >/dev/null 2>&1; then
  echo "libjpeg: fetching Debian's libjpeg-turbo source package"
  (cd "$cache" && apt-get source --download-only libjpeg-turbo >/dev/null 2>&1)
fi
orig=$(ls "$cache"/libjpeg-turbo_*.orig.tar.gz | head -n 1)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -xzf "$orig" -C "$work"
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
echo "libjpeg: building $(basename "$src")"
# The MinGW build refuses its default install prefix (c:/...); give it a real folder.
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
  -DCMAKE_POLICY_DEFAULT_CMP0091=NEW >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" --target jpeg-static >"$work/build.log" 2>&1 || { tail -50 "$work/build.log"; exit 1; }
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/build/libjpeg.a" "$prefix/lib/"
cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$work/build/jconfig.h" "$prefix/include/"
