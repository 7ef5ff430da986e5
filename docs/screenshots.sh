#!/usr/bin/env bash
# Makes the user's guide's screenshots of zorhost's window in a virtual X
# server (xvfb-run), as PNGs in docs/:
#   docs/window.png          the window on the WAVE sample, the Tools menu open
#   docs/dialog.png          the window with the "Key Frame Animation" dialog
#                            beside it, holding the fly-through's key frames
#   docs/export-options.png  the "Export Options" dialog of a movie
#   docs/data.png            the window on the channel flow of examples/channel,
#                            its legend, and Plot > Colour By open
# Builds what is missing in build/ first.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target zorhost_screenshot -j2 >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/window.mcr" <<'MACRO'
$!NEWFRAME
$!LOADSAMPLE STEPS = 21
$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING SHOWMARKERS" VALUE = TRUE
$!SOLUTIONTIME TIME = 0.6
$!ROTATE3D AXIS = THETA ANGLE = 25
$!REDRAW
MACRO

cat >"$work/data.mcr" <<'MACRO'
$!NEWFRAME
$!READDATASET FILENAME = "examples/channel/channel.pvd" COLORBY = "pressure"
$!SOLUTIONTIME TIME = 0.5
$!ROTATE3D AXIS = THETA ANGLE = 15
$!REDRAW
MACRO

shoot() {
  xvfb-run -a -s "-screen 0 1920x1200x24" "$build/docs/screenshots/zorhost_screenshot" "$@"
}
shoot docs/window.png --menu 10 "$work/window.mcr"
shoot docs/dialog.png --dialog examples/window.mcr
shoot docs/export-options.png --export-options examples/window.mcr
shoot docs/data.png --menu 4 --submenu colourByMenu "$work/data.mcr"
echo "docs/window.png docs/dialog.png docs/export-options.png docs/data.png"
