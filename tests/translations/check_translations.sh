#!/usr/bin/env bash
# Fails when a translation has an unfinished or obsolete entry, or when the
# sources hold a text the translations lack (or lost one they still keep):
# lupdate run over the sources into copies of the .ts files must leave the
# copies as they are.
#   check_translations.sh LUPDATE SOURCE_DIR [LUPDATE_OPTION...] -- FOLDER...
set -euo pipefail
lupdate="$1"
source_dir="$2"
shift 2
options=()
while [ "$1" != "--" ]; do
  options+=("$1")
  shift
done
shift

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$source_dir"/translations/*.ts "$scratch"/
(cd "$source_dir" && "$lupdate" -silent "${options[@]}" "$@" -ts "$scratch"/*.ts)

status=0
for ts in "$source_dir"/translations/*.ts; do
  name="$(basename "$ts")"
  if grep -n 'type="unfinished"\|type="obsolete"\|type="vanished"' "$ts"; then
    echo "$name: the entries above are not translated or no longer used"
    status=1
  fi
  if ! diff -u "$ts" "$scratch/$name"; then
    echo "$name does not match the sources: build the target update_translations and translate"
    status=1
  fi
done
exit $status
