#!/usr/bin/env bash
# The whole test suite, twice: in the usual build, then in a clang build with
# AddressSanitizer, UndefinedBehaviorSanitizer and leak checks, where the
# libFuzzer targets also run for a short bounded time each; then the tests of
# the movie's threads under ThreadSanitizer, which needs a build of its own.
# Installs and builds what is missing first, and checks that the sources
# keep the .clang-format style.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
if command -v clang-format >/dev/null && [ -d .git ]; then
  git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format --dry-run --Werror
else
  echo "Formatting not checked: clang-format or the git checkout is missing."
fi
ctest --test-dir build -j2 --output-on-failure
./setup.sh --sanitize
ctest --test-dir build-asan -j2 --output-on-failure
./setup.sh --tsan
ctest --preset tsan -j2 --output-on-failure
