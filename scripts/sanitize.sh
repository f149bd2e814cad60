#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of its own
# (build-sanitize) and runs the tests there: a memory error or undefined behaviour fails the test
# that meets it. Arguments go to ctest, e.g. `scripts/sanitize.sh -R shell_engine`.
set -euo pipefail
cd "$(dirname "$0")/.."
export BUILD_DIR=${BUILD_DIR:-build-sanitize}
scripts/setup.sh -DTAVIMOOR_ASAN=ON -DTAVIMOOR_BENCH=OFF
# The font libraries keep their caches until exit: leaks are not looked for.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)" --timeout 900 "$@"
