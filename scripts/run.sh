#!/usr/bin/env bash
# Builds and starts the program, passing on an optional house file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
exec "${BUILD_DIR:-build}/bin/Tavimoor" "$@"
