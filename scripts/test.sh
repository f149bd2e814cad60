#!/usr/bin/env bash
# Builds everything and runs all tests. Arguments go to CMake (e.g. -DTAVIMOOR_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh "$@"
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" --timeout 300
