#!/usr/bin/env bash
# Builds, then starts the program on a house file under a virtual screen and writes a PNG of
# every page of the page plan, the quick-navigation window, the help window, the about box and
# the report's preview into a folder. For people to look at; the tests do not use it.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 <house.tvm> <out-folder>" >&2
  exit 2
fi
house=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
scripts/setup.sh >/dev/null
cmake --build "$build_dir" --target tavimoor_screenshots >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" "$build_dir/tools/tavimoor_screenshots" "$house" "$out"
