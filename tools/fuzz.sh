#!/usr/bin/env bash
# Builds the schema file fuzzer with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for the given number of seconds.
#   tools/fuzz.sh SECONDS
# New inputs go to build-fuzz/corpus; the seeds in tests/fuzz/corpus stay as
# they are. A finding is written to build-fuzz/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:?usage: tools/fuzz.sh SECONDS}"
source tools/ensure-packages.sh
ensure_packages cmake ninja-build clang libclang-rt-14-dev

CXX=clang++ cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz
mkdir -p build-fuzz/corpus
cd build-fuzz
./fuzz_dbc -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix=./ corpus ../tests/fuzz/corpus
