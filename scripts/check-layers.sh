#!/usr/bin/env bash
# Fails on an #include of ours, quoted or in angle brackets, that points up the layers the README's
# "Layout" section draws: pages and results -> shell -> estimate -> runtime. A runtime/ folder
# includes only the folders its CMakeLists.txt links; controls/ uses runtime/vb and runtime/com
# only, and the program never includes controls/. estimate/, runtime/vb and runtime/ado include
# Qt Core headers only, so they build and run with no display.
# Usage: check-layers.sh [tree]   (the tree holding runtime/, controls/, ...; this repository's)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The folders holding our headers.
ours="runtime controls estimate shell pages results app"

# What each folder may include of ours. A file belongs to the longest folder named here.
declare -A allowed=(
  [controls]="runtime/vb runtime/com controls"
  [estimate]="runtime/vb runtime/ado estimate"
  [shell]="runtime estimate shell"
  [pages/frame]="runtime estimate shell pages/frame"
  [pages]="runtime estimate shell pages"
  [results]="runtime estimate shell pages/frame results"
  [app]="runtime estimate shell pages results app"
)
core_only="runtime/vb runtime/ado estimate"

# A runtime folder: itself and the runtime libraries its CMakeLists.txt links (runtime_report_print
# belongs to runtime/report).
for list in runtime/*/CMakeLists.txt; do
  dir=${list%/CMakeLists.txt}
  links=$(grep -v '^[[:space:]]*#' "$list" | grep -oE '\bruntime_[a-z]+' | sort -u || true)
  allowed[$dir]="$dir${links:+ $(sed 's|^runtime_|runtime/|' <<<"$links" | tr '\n' ' ')}"
done

qt_headers=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)
[ -d "$qt_headers/QtCore" ] || qt_headers=$(dirname "$(ls -d /usr/include/*/qt6/QtCore 2>/dev/null | head -n1)")
if [ ! -d "$qt_headers/QtCore" ]; then
  echo "check-layers: Qt's headers not found (run scripts/setup.sh first)" >&2
  exit 2
fi

# The folders named above, longest first.
folders=$(printf '%s\n' "${!allowed[@]}" | awk '{ print length, $0 }' | sort -rn | cut -d' ' -f2-)

# Sets $folder to the folder the file $1 belongs to.
folder_of() {
  local key
  for key in $folders; do
    [[ $1 == "$key"/* ]] && { folder=$key; return; }
  done
  folder=${1%%/*}
}

failures=0
fail() {
  echo "$1: $2" >&2
  failures=$((failures + 1))
}

# Checks that the file's folder may include our header $1, written as $2.
check_ours() {
  local prefix
  for prefix in ${allowed[$folder]-}; do
    [[ $1 == "$prefix"/* ]] && return
  done
  fail "$file:$line" "$folder may not include $2"
}

while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  directive=${rest#*:}
  folder_of "$file"
  if [[ $directive =~ \#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
    header=${BASH_REMATCH[1]}
    check_ours "$header" "\"$header\""
  elif [[ $directive =~ \#[[:space:]]*include[[:space:]]*\<([^>]+)\> ]]; then
    header=${BASH_REMATCH[1]}
    if [[ " $ours " == *" ${header%%/*} "* && $header == */* ]]; then
      check_ours "$header" "<$header>"
    elif [[ $header == Q* && " $core_only " == *" $folder "* ]]; then
      case $header in
        QtCore/*) ;;
        */*) fail "$file:$line" "$folder may include Qt Core headers only, not <$header>" ;;
        *) [ -e "$qt_headers/QtCore/$header" ] ||
             fail "$file:$line" "$folder may include Qt Core headers only, not <$header>" ;;
      esac
    fi
  fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' $ours)

if [ $failures -gt 0 ]; then
  echo "check-layers: $failures include(s) against the layers (README.md, \"Layout\")" >&2
  exit 1
fi
echo "check-layers: includes follow the layers"
