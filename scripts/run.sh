#!/usr/bin/env bash
# Builds the program and starts it, passing on an optional house file (a path relative to the
# folder this was started from).
set -euo pipefail
args=()
for arg in "$@"; do
  case "$arg" in
    "" | /* | -*) args+=("$arg") ;;
    *) args+=("$PWD/$arg") ;;
  esac
done
cd "$(dirname "$0")/.."
BUILD_TARGETS=Tavimoor scripts/setup.sh
exec "${BUILD_DIR:-build}/bin/Tavimoor" "${args[@]}"
