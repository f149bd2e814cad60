#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds:
# everything, or the targets named in BUILD_TARGETS (space-separated). Arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools libgl1-mesa-dev
  libsqlite3-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-liberation xvfb xauth poppler-utils desktop-file-utils shared-mime-info)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@"
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
