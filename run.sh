#!/usr/bin/env bash
# The main job: builds what is missing, then loads the add-on into the
# stand-in host and shows what it registered.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
./build/host/app/zorhost --describe-addon
