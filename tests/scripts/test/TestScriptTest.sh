#!/usr/bin/env bash
# Runs scripts/test.sh in a stand-in checkout whose setup does nothing and whose layer check and
# ctest pass or fail as told, recording that they ran.
set -euo pipefail
test_sh=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repo=$work/repo
mkdir -p "$repo/scripts" "$work/bin"
cp "$test_sh" "$repo/scripts/test.sh"
printf '#!/usr/bin/env bash\n' >"$repo/scripts/setup.sh"
cat >"$repo/scripts/check-layers.sh" <<'LAYERS'
#!/usr/bin/env bash
echo layers >>"$(dirname "$0")/../ran"
exit "$LAYERS_RC"
LAYERS
cat >"$work/bin/ctest" <<'CTEST'
#!/usr/bin/env bash
echo tests >>"$RAN"
exit "$TESTS_RC"
CTEST
chmod +x "$repo/scripts/"*.sh "$work/bin/ctest"

failures=0
# expect NAME LAYERS-EXIT TESTS-EXIT EXPECTED-EXIT EXPECTED-STDERR
expect() {
  local name=$1 expected_rc=$4 expected_err=$5
  rm -f "$repo/ran"
  local rc=0
  PATH="$work/bin:$PATH" LAYERS_RC=$2 TESTS_RC=$3 RAN="$repo/ran" \
    "$repo/scripts/test.sh" >/dev/null 2>"$work/err" || rc=$?
  if [ "$(tr '\n' ' ' <"$repo/ran")" != "layers tests " ]; then
    echo "FAIL $name: ran '$(tr '\n' ' ' <"$repo/ran")', expected the layer check and the tests"
    failures=$((failures + 1))
  fi
  if [ "$rc" -ne "$expected_rc" ]; then
    echo "FAIL $name: exit $rc, expected $expected_rc"
    failures=$((failures + 1))
  fi
  if [ "$(cat "$work/err")" != "$expected_err" ]; then
    echo "FAIL $name: said '$(cat "$work/err")', expected '$expected_err'"
    failures=$((failures + 1))
  fi
}

expect "both pass" 0 0 0 ""
expect "layers fail" 1 0 1 "test.sh: the layer check failed"
expect "tests fail" 0 8 1 "test.sh: tests failed"
expect "both fail" 1 8 1 "test.sh: the layer check failed
test.sh: tests failed"
[ "$failures" -eq 0 ] && echo "test.sh: all cases passed"
exit "$failures"
