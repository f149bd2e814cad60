#!/usr/bin/env bash
# Runs scripts/run.sh in a stand-in checkout whose setup records the targets it was asked to
# build and prints a progress line, and whose program records its arguments, from a folder
# outside the checkout. The build folder is the default one unless a case names another, whatever
# BUILD_DIR the environment holds (scripts/sanitize.sh sets one).
set -euo pipefail
unset BUILD_DIR
run_sh=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repo=$work/repo
mkdir -p "$repo/scripts" "$work/elsewhere/my houses"
cp "$run_sh" "$repo/scripts/run.sh"
cat >"$repo/scripts/setup.sh" <<'SETUP'
#!/usr/bin/env bash
printf '%s\n' "${BUILD_TARGETS:-everything}" >"$(dirname "$0")/../targets"
echo "[1/1] Linking the program"
SETUP
for build in build other-build; do
  mkdir -p "$repo/$build/bin"
  cat >"$repo/$build/bin/Tavimoor" <<PROGRAM
#!/usr/bin/env bash
printf '%s\n' "\$@" >"$repo/arguments"
echo "$build" >"$repo/build-used"
PROGRAM
  chmod +x "$repo/$build/bin/Tavimoor"
done
chmod +x "$repo/scripts/run.sh" "$repo/scripts/setup.sh"

failures=0
# expect NAME ARGUMENTS-FILE-CONTENTS -- RUN.SH-ARGUMENTS... (the build folder in $build_dir)
build_dir=build
expect() {
  local name=$1 expected=$2
  shift 3
  rm -f "$repo/arguments" "$repo/targets" "$repo/build-used"
  local output
  if [ "$build_dir" = build ]; then
    output=$(cd "$work/elsewhere" && ../repo/scripts/run.sh "$@")
  else
    output=$(cd "$work/elsewhere" && BUILD_DIR=$build_dir ../repo/scripts/run.sh "$@")
  fi
  if [ "$(cat "$repo/build-used" 2>/dev/null)" != "$build_dir" ]; then
    echo "FAIL $name: started the program of '$(cat "$repo/build-used" 2>/dev/null)', expected '$build_dir'"
    failures=$((failures + 1))
  fi
  if [ "$output" != "[1/1] Linking the program" ]; then
    echo "FAIL $name: the build's progress was not shown (output '$output')"
    failures=$((failures + 1))
  fi
  if [ "$(cat "$repo/arguments")" != "$expected" ]; then
    echo "FAIL $name: the program got '$(cat "$repo/arguments")', expected '$expected'"
    failures=$((failures + 1))
  fi
  if [ "$(cat "$repo/targets")" != "Tavimoor" ]; then
    echo "FAIL $name: built '$(cat "$repo/targets")', expected only the program"
    failures=$((failures + 1))
  fi
}

expect "relative path" "$work/elsewhere/my houses/kb.tvm" -- "my houses/kb.tvm"
expect "path up and back" "$work/elsewhere/../elsewhere/kb.tvm" -- ../elsewhere/kb.tvm
expect "absolute path" "/tmp/kb.tvm" -- /tmp/kb.tvm
expect "no file" "" --
build_dir=other-build
expect "another build folder" "/tmp/kb.tvm" -- /tmp/kb.tvm
[ "$failures" -eq 0 ] && echo "run.sh: all cases passed"
exit "$failures"
