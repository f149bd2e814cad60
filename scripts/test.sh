#!/usr/bin/env bash
# Builds everything, checks the layers and runs all tests; reports both and fails when either
# failed. Arguments go to CMake (e.g. -DTAVIMOOR_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh "$@"
layers=0
scripts/check-layers.sh || layers=$?
tests=0
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" --timeout 300 || tests=$?
if [ "$layers" -ne 0 ] || [ "$tests" -ne 0 ]; then
  [ "$layers" -eq 0 ] || echo "test.sh: the layer check failed" >&2
  [ "$tests" -eq 0 ] || echo "test.sh: tests failed" >&2
  exit 1
fi
