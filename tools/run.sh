#!/usr/bin/env bash
# `make run`: starts the builder from the distribution folder under Wine.
#
# With a display, the builder simply opens there and the script waits for it
# to end. Without one ($DISPLAY empty) it shows the main job on a virtual
# screen instead: builder_demo drives the builder's own window (project name
# typed, Browse answered with the bundled sample.swf, SWF Tuning, Save
# answered with a path in the output folder), starts the exported project,
# and this script takes a picture of each window with ImageMagick's import.
# Usage: run.sh [BUILD_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd) || exit 1
dist=$build/dist/Tamsolo
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

if [ ! -f "$dist/Tamsolo.exe" ]; then
  echo "run: $dist/Tamsolo.exe is missing; build first (make build)" >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ] && [ "${TAMSOLO_VIRTUAL_SCREEN:-}" != 1 ]; then
  echo "run: starting the builder from $dist"
  cd "$dist" && exec bash "$here/tools/wine-run.sh" Tamsolo.exe
fi

if [ "${TAMSOLO_VIRTUAL_SCREEN:-}" != 1 ]; then
  echo "run: no display; showing an export of the sample movie on a virtual screen"
  TAMSOLO_VIRTUAL_SCREEN=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build"
fi

out=$build/run-output
project=$out/project
pictures=$out/pictures
rm -rf "$out"
mkdir -p "$project" "$pictures"
demo=$build/builder-tests/builder_demo.exe
[ -f "$demo" ] || { echo "run: $demo is missing; build first" >&2; exit 1; }

wineserver -p >/dev/null 2>&1
wine cmd /c exit >/dev/null 2>&1 </dev/null  # Wine's background programs, started apart
win_project=$(winepath -w "$project" 2>/dev/null)
win_pictures=$(winepath -w "$pictures" 2>/dev/null)

# The demo asks for pictures by writing NAME.request ("width height x y");
# each is answered with NAME.png and NAME.done.
# Wine's own remarks go to a log; the demo's steps to the terminal.
wine "$demo" "$win_project" "$win_pictures" 2>"$out/wine.log" &
demo_pid=$!
serve_requests() {
  for request in "$pictures"/*.request; do
    [ -e "$request" ] || continue
    name=$(basename "$request" .request)
    read -r w h x y <"$request"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$pictures/$name.png"
    rm -f "$request"
    touch "$pictures/$name.done"
  done
}
while kill -0 "$demo_pid" 2>/dev/null; do
  serve_requests
  sleep 0.1
done
wait "$demo_pid"
rc=$?
serve_requests
rm -f "$pictures"/*.done
wineserver -k >/dev/null 2>&1

echo
echo "run: exported project: $project"
ls -R "$project" | sed 's/^/    /'
echo "run: window pictures:  $pictures"
ls "$pictures" | sed 's/^/    /'
[ $rc = 0 ] || echo "run: the demo failed (exit code $rc)" >&2
exit $rc
