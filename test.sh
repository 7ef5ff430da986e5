#!/usr/bin/env bash
# The whole test suite: installs and builds what is missing, then runs every
# test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
ctest --test-dir build -j2 --output-on-failure
