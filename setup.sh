#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing), then
# configures and builds it.
#
#   ./setup.sh              install, configure and build (build/, preset default)
#   ./setup.sh --deps-only  only install the packages
#   ./setup.sh --programs   install, configure and build only the programs and
#                           the add-on that run.sh uses (build/, preset default)
#   ./setup.sh --sanitize   build with clang, AddressSanitizer, UBSan and the
#                           libFuzzer targets (build-asan/, preset sanitize)
#   ./setup.sh --tsan       build the programs that run threads with clang and
#                           ThreadSanitizer (build-tsan/, preset tsan)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache file
  clang libclang-rt-14-dev
  libboost-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev
  libegl-dev libgl-dev libepoxy-dev libegl-mesa0 libgl1-mesa-dri
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev libx264-dev ffmpeg
  libpng-dev
  qt6-base-dev xvfb xauth fonts-dejavu-core
  gcovr clang-format
  libvtk9-dev libcgns-dev
)

install_missing_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # Waits for another apt run (a parallel setup) instead of failing at once.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

# The configurations are the presets of CMakePresets.json.
configure_and_build() {
  cmake --preset "$1"
  cmake --build --preset "$1" -j2 "${@:2}"
}

install_missing_packages
case "${1:-}" in
  --deps-only) ;;
  --programs) configure_and_build default --target zorhost zorhost-read keyframeanimation ;;
  --sanitize) configure_and_build sanitize ;;
  --tsan) configure_and_build tsan ;;
  *) configure_and_build default ;;
esac
