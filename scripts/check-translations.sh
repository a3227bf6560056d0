#!/usr/bin/env bash
# Fails, naming the file and the text, if lupdate finds a text of the game
# without its translation, or a translation whose text is gone, in any of the
# translation files; or if a file is not what lupdate makes of it. The build
# gives the files and lupdate's arguments, as it gives them to the build's
# own lupdate; `cmake --build build --target update_translations` brings the
# files up to date, and the new texts then wait to be translated.
#
#   scripts/check-translations.sh LUPDATE TS_FILE... -- LUPDATE_ARGUMENT...
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$1
shift
files=()
while [[ $1 != -- ]]; do
  files+=("$1")
  shift
done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "${files[@]}"; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent "$@" -ts "$copy"
  if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
    echo "$ts: texts without a translation, or translations of texts that are gone:"
    grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" | grep '<source>'
    status=1
  elif ! cmp -s "$ts" "$copy"; then
    echo "$ts is not what lupdate makes of it:"
    diff "$ts" "$copy" || true
    status=1
  fi
done
exit $status
