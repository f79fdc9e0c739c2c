#!/usr/bin/env bash
# clang-tidy with the project's .clang-tidy over every program source file of
# the compile database in a build folder, the headers of every project folder
# included; the tests, benchmarks and tools are left out. Exits non-zero on
# any warning. The build folder must have been built once, so that the
# generated headers exist.
#
#     tools/tidy.sh BUILD [JOBS]
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: tools/tidy.sh BUILD [JOBS]" >&2
  exit 2
fi
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
jobs=${2:-2}
database="$build/compile_commands.json"
if [ ! -f "$database" ]; then
  echo "tools/tidy.sh: $database is missing; configure $1 with CMake first" >&2
  exit 2
fi

folders='model|platform|document|reports|sessions|widgets|dialogs|analysis|decomposition|synthesis|exercises|diagram|app'
mapfile -t files < <(python3 - "$database" "$source_dir" "$folders" <<'EOF'
import json, re, sys
database, source, folders = sys.argv[1:]
program = re.compile(re.escape(source) + r'/(' + folders + r')/[^/]*\.cpp$')
print('\n'.join(sorted({e['file'] for e in json.load(open(database)) if program.match(e['file'])})))
EOF
)
if [ ${#files[@]} -eq 0 ]; then
  echo "tools/tidy.sh: no program files in $database" >&2
  exit 2
fi

# Every header of a project folder, wherever it is included from.
header_filter="^$source_dir/($folders)/[^/]*\\.h\$"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
printf '%s\n' "${files[@]}" |
  xargs -P "$jobs" -n 1 clang-tidy -p "$build" --quiet --header-filter="$header_filter" \
    >"$log" 2>&1 || status=$?
# A warning that is not an error leaves clang-tidy's status at 0, so the
# output decides as well.
if grep -qE '(warning|error): ' "$log"; then
  grep -E -A3 '(warning|error): ' "$log" >&2
  status=1
fi
echo "clang-tidy: ${#files[@]} files, $(grep -cE '(warning|error): ' "$log" || true) findings"
exit "$status"
