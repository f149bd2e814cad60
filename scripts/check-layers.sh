#!/usr/bin/env bash
# Fails on an #include that points up the layers: pages and results -> shell -> estimate -> runtime.
# controls/ and the program never include each other's headers; estimate/, runtime/vb and
# runtime/ado include Qt Core headers only, so they build and run with no display.
set -euo pipefail
cd "$(dirname "$0")/.."

# What each folder may include of ours. A file belongs to the longest folder named here.
declare -A allowed=(
  [runtime/vb]="runtime/vb"
  [runtime/ado]="runtime/vb runtime/ado"
  [runtime]="runtime"
  [controls]="runtime controls"
  [estimate]="runtime/vb runtime/ado estimate"
  [shell]="runtime estimate shell"
  [pages/frame]="runtime estimate shell pages/frame"
  [pages]="runtime estimate shell pages"
  [results]="runtime estimate shell pages/frame results"
  [app]="runtime estimate shell pages results app"
)
core_only="runtime/vb runtime/ado estimate"

qt_headers=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)
[ -d "$qt_headers/QtCore" ] || qt_headers=$(dirname "$(ls -d /usr/include/*/qt6/QtCore 2>/dev/null | head -n1)")
if [ ! -d "$qt_headers/QtCore" ]; then
  echo "check-layers: Qt's headers not found (run scripts/setup.sh first)" >&2
  exit 2
fi

# Sets $folder to the folder the file $1 belongs to.
folder_of() {
  local key
  for key in runtime/vb runtime/ado pages/frame; do
    [[ $1 == "$key"/* ]] && { folder=$key; return; }
  done
  folder=${1%%/*}
}

failures=0
fail() {
  echo "$1: $2" >&2
  failures=$((failures + 1))
}

while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  directive=${rest#*:}
  folder_of "$file"
  if [[ $directive =~ \#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
    header=${BASH_REMATCH[1]}
    ok=0
    for prefix in ${allowed[$folder]}; do
      [[ $header == "$prefix"/* ]] && { ok=1; break; }
    done
    [ $ok -eq 1 ] || fail "$file:$line" "$folder may not include \"$header\""
  elif [[ $directive =~ \#[[:space:]]*include[[:space:]]*\<(Q[^>]*)\> ]]; then
    header=${BASH_REMATCH[1]}
    if [[ " $core_only " == *" $folder "* ]]; then
      case $header in
        QtCore/*) ;;
        */*) fail "$file:$line" "$folder may include Qt Core headers only, not <$header>" ;;
        *) [ -e "$qt_headers/QtCore/$header" ] ||
             fail "$file:$line" "$folder may include Qt Core headers only, not <$header>" ;;
      esac
    fi
  fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' \
           runtime controls estimate shell pages results app)

if [ $failures -gt 0 ]; then
  echo "check-layers: $failures include(s) against the layers of DESIGN.md" >&2
  exit 1
fi
echo "check-layers: includes follow the layers"
