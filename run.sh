#!/usr/bin/env bash
# The main job: builds what is missing, then plays the fly-through demo in
# the stand-in host, writing an MPEG-4 movie and a contact sheet of it.
#   ./run.sh --window   builds, then opens the window on the fly-through's
#                       key frames, ready in the Key Frame Animation dialog
#                       (Tools > Key Frame Animation..., Alt+T, K)
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh --programs
if [ "${1:-}" = "--window" ]; then
  exec ./build/host/app/zorhost --window examples/window.mcr
fi
mkdir -p out
./build/host/app/zorhost --contact-sheet out/flythrough.png examples/flythrough.mcr
echo "Movie:         $(pwd)/out/flythrough.mp4"
echo "Contact sheet: $(pwd)/out/flythrough.png"
