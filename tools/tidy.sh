#!/usr/bin/env bash
# clang-tidy with the project's .clang-tidy over every source file of the
# compile database in a build folder: the program, the tests, the benchmarks
# and the tools, with the headers of every project folder. Exits non-zero on
# any warning. Without a build folder it configures build-tidy next to the
# sources and generates what the sources include (moc, uic, translations'
# headers); a given folder must have been built once for the same reason.
#
#     tools/tidy.sh [-j JOBS] [BUILD]
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
if [ "${1:-}" = "-j" ]; then
  jobs=${2:?usage: tools/tidy.sh [-j JOBS] [BUILD]}
  shift 2
fi
if [ $# -gt 1 ]; then
  echo "usage: tools/tidy.sh [-j JOBS] [BUILD]" >&2
  exit 2
fi

if [ $# -eq 1 ]; then
  build=$(cd "$1" && pwd)
else
  build="$source_dir/build-tidy"
  # Only the generated files: clang-tidy reads sources, it needs no objects,
  # so moc need not wait for the libraries a target links.
  nice cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_AUTOGEN_ORIGIN_DEPENDS=OFF \
    -DSCHEMARIO_TESTS=ON -DSCHEMARIO_BENCH=ON >/dev/null
  mapfile -t generated < <(ninja -C "$build" -t targets all |
    sed -n 's/^\([^:/]*_autogen\): .*/\1/p')
  nice cmake --build "$build" -j "$jobs" --target "${generated[@]}" >/dev/null
fi
database="$build/compile_commands.json"
if [ ! -f "$database" ]; then
  echo "tools/tidy.sh: $database is missing; configure it with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON" >&2
  exit 2
fi

folders='model|platform|document|reports|sessions|widgets|app|dialogs|analysis|decomposition|synthesis|diagram|exercises|tests|bench|tools'
mapfile -t files < <(python3 - "$database" "$source_dir" "$folders" <<'EOF'
import json, re, sys
database, source, folders = sys.argv[1:]
ours = re.compile(re.escape(source) + r'/(' + folders + r')/.*\.cpp$')
for file in sorted({e['file'] for e in json.load(open(database)) if ours.match(e['file'])}):
    print(file)
EOF
)
if [ ${#files[@]} -eq 0 ]; then
  echo "tools/tidy.sh: no project files in $database" >&2
  exit 2
fi

# Every header of a project folder, wherever it is included from.
header_filter="^$source_dir/($folders)/.*\\.h\$"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
printf '%s\n' "${files[@]}" |
  nice xargs -P "$jobs" -n 1 clang-tidy -p "$build" --quiet --header-filter="$header_filter" \
    >"$log" 2>&1 || status=$?
# A warning that is not an error leaves clang-tidy's status at 0, so the
# output decides as well. A header included by several files is reported
# once.
findings=$(grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error): ' "$log" | sort -u || true)
if [ -n "$findings" ]; then
  echo "$findings" >&2
  status=1
elif [ "$status" -ne 0 ]; then
  # clang-tidy failed without a finding: say why.
  grep -iE 'error' "$log" | sort -u >&2 || true
fi
echo "clang-tidy: ${#files[@]} files, $(grep -c . <<<"$findings" || true) findings"
exit "$status"
