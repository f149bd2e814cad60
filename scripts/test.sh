#!/usr/bin/env bash
# Builds everything, checks the layers and runs all tests.
# Arguments go to CMake (e.g. -DTAVIMOOR_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh "$@"
scripts/check-layers.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" --timeout 300
