#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, checks the desktop entry and the ".tvm"
# file type, opens a house file with the installed program offscreen and starts it once as root
# without a file, then removes the package again and checks that nothing of it is left (KEEP=1
# keeps it). Needs root or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
build_dir=$(realpath "${BUILD_DIR:-build}")

scripts/setup.sh >/dev/null
cmake --build "$build_dir" --target tavimoorprobe >/dev/null
rm -f "$build_dir"/tavimoor_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/tavimoor_*.deb)
echo "package: $(basename "$deb") ($(du -h "$deb" | cut -f1))"
dpkg-deb --field "$deb" Depends

work=$(mktemp -d)
remove() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -o DPkg::Lock::Timeout=300 tavimoor 2>&1
}
cleanup() {
  $sudo rm -rf "$work"
  [ "${KEEP:-0}" = 1 ] || ! dpkg-query -W tavimoor >/dev/null 2>&1 || remove >/dev/null
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" >/dev/null

fail() { echo "FAILED: $*" >&2; exit 1; }
desktop-file-validate /usr/share/applications/tavimoor.desktop || fail "desktop entry"
grep -q '^application/x-tavimoor=.*tavimoor.desktop' /usr/share/applications/mimeinfo.cache ||
  fail "the entry does not open application/x-tavimoor"
grep -q ':application/x-tavimoor:\*\.tvm' /usr/share/mime/globs2 || fail "no *.tvm file type"
# Loaded only when needed: the start below would not miss them.
for library in libtavimoorChart.so libtavimoorPrint.so; do
  [ -e "/usr/lib/tavimoor/$library" ] || fail "no $library in the program folder"
done

# The installed program on a house file; the probe reports what it shows, then closes it.
cp "$build_dir/bin/Tmplt.cfg" "$work/house.tvm"
report=$(cd "$work" && HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen \
  QT_PLUGIN_PATH="$build_dir/tests/install/program/plugins" QT_QPA_GENERIC_PLUGINS=tavimoorprobe \
  tavimoor house.tvm) || fail "tavimoor house.tvm ended with $?"
echo "$report"
grep -qx 'folder: /usr/lib/tavimoor' <<<"$report" || fail "not the installed program"
grep -qx 'window: Tavimoor - house.tvm' <<<"$report" || fail "house.tvm not opened"
[ ! -e /usr/lib/tavimoor/~092891.tmp ] || fail "a working copy in the program folder"
echo "The package installs and opens house.tvm."

# Root may write the program folder, and still nothing is written there.
report=$(cd "$work" && $sudo env HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen \
  QT_PLUGIN_PATH="$build_dir/tests/install/program/plugins" QT_QPA_GENERIC_PLUGINS=tavimoorprobe \
  tavimoor) || fail "tavimoor as root ended with $?"
grep -qx 'window: Tavimoor' <<<"$report" || fail "no untitled estimate as root"
$sudo test -f "$work/.local/share/Tavimoor/~092891.tmp" || fail "no working copy in root's data folder"
left=$(comm -23 <(find /usr/lib/tavimoor | sort) <(dpkg-query -L tavimoor | sort))
[ -z "$left" ] || fail "written into the program folder: $left"
echo "Started as root, it keeps its working copy in root's data folder."

[ "${KEEP:-0}" = 1 ] && exit 0
said=$(remove) || fail "apt-get remove: $said"
if grep -i 'warning' <<<"$said"; then fail "apt-get remove warned"; fi
[ ! -e /usr/lib/tavimoor ] || fail "/usr/lib/tavimoor is left: $(find /usr/lib/tavimoor)"
! grep -q tavimoor /usr/share/applications/mimeinfo.cache || fail "the menu cache still names tavimoor"
! grep -q x-tavimoor /usr/share/mime/globs2 || fail "the file-type database still knows .tvm"
echo "apt-get remove leaves nothing behind."
