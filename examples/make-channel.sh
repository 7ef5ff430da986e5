#!/usr/bin/env bash
# Makes the data of examples/channel.mcr in examples/channel/: a channel
# flow in 12 time steps, a bump on the floor rising and falling, the floor
# coloured by pressure and streamlines over it, as a .pvd series of .vtp
# files. The repository holds what it made; run it again after changing the
# data set maker (tools/makedata).
#   examples/make-channel.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target zorhost-makedata -j2 >/dev/null
rm -rf examples/channel
mkdir -p examples/channel
"$build/tools/makedata/zorhost-makedata" examples/channel/channel.pvd --steps 12 --part .vtp --cells 3000 --lines 8
