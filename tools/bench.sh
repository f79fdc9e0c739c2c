#!/usr/bin/env bash
# Builds the benchmarks in Release and prints the table of timings.
#   tools/bench.sh [google-benchmark flags, e.g. --benchmark_filter=Keys]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCHEMARIO_TESTS=OFF \
  -DSCHEMARIO_BENCH=ON >/dev/null
cmake --build build-release --target schemario_bench schemario_window_bench >/dev/null
./build-release/bench/schemario_bench --benchmark_counters_tabular=true "$@"
# Opening and filling each window on the largest sample schema, offscreen.
./build-release/bench/schemario_window_bench "$@"
