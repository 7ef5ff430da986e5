#!/usr/bin/env bash
# Line and branch coverage of the add-on's code and of the stand-in host's,
# from the whole normal suite (fuzz runs left out: they live in the sanitized
# build). Builds into build-cov/ with gcov counters (preset coverage).
#
#   tests/coverage.sh          build, run the suite, print both summaries
#   tests/coverage.sh --html   also write build-cov/coverage/index.html
set -euo pipefail
cd "$(dirname "$0")/.."
./setup.sh --deps-only
cmake --preset coverage
cmake --build --preset coverage -j2
find build-cov -name '*.gcda' -delete
# libgcov reports a counter file it cannot write or merge on the standard error
# stream; in the programs the tests run (zorhost) that would become part of the
# output the tests compare, so it goes to a file of its own.
export GCOV_ERROR_FILE="$PWD/build-cov/gcov-errors.log"
ctest --preset coverage -j2

# Throw branches and branches the compiler made up are left out: they are
# not decisions in the code as written.
# The text report goes into build-cov/: gcovr replaces its output file, so
# naming a device such as /dev/null there would replace the device itself.
summary() {
  local name="$1"; shift
  echo "== $name"
  gcovr --root . --object-directory build-cov "$@" \
        --exclude-throw-branches --exclude-unreachable-branches \
        --print-summary --output "build-cov/coverage-$name.txt"
}

ADDON_FILTERS=()
for folder in addon keyframes animation settingsfile gui export macro; do
  ADDON_FILTERS+=(--filter "$folder/")
done
summary "add-on" "${ADDON_FILTERS[@]}"
summary "host" --filter host/

if [ "${1:-}" = "--html" ]; then
  mkdir -p build-cov/coverage
  gcovr --root . --object-directory build-cov --filter '(addon|keyframes|animation|settingsfile|gui|export|macro|host)/' \
        --exclude-throw-branches --exclude-unreachable-branches \
        --html-details build-cov/coverage/index.html
  echo "Report: build-cov/coverage/index.html"
fi
