#!/usr/bin/env bash
# Builds the schema file and schema text fuzzers with clang (AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs them for the given number of
# seconds in all, half each.
#   tools/fuzz.sh SECONDS
# New inputs go to build-fuzz/corpus and build-fuzz/notation_corpus; the
# seeds in tests/fuzz stay as they are. A finding is written to build-fuzz/
# and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-}"
# libFuzzer takes 0 seconds as no limit at all.
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: tools/fuzz.sh SECONDS (at least 1)" >&2
  exit 2
fi
source tools/ensure-packages.sh
ensure_packages cmake ninja-build clang libclang-rt-14-dev

CXX=clang++ cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz
mkdir -p build-fuzz/corpus build-fuzz/notation_corpus
cd build-fuzz
dbc_seconds=$(((seconds + 1) / 2))
notation_seconds=$((seconds - dbc_seconds > 0 ? seconds - dbc_seconds : 1))
./fuzz_dbc -max_total_time="$dbc_seconds" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix=./ corpus ../tests/fuzz/corpus
./fuzz_notation -max_total_time="$notation_seconds" -max_len=4096 -print_final_stats=1 \
  -dict=../tests/fuzz/notation.dict -artifact_prefix=./notation- notation_corpus \
  ../tests/fuzz/notation_corpus
