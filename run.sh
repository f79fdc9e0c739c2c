#!/usr/bin/env bash
# Builds the program (Release) and starts it from build/, so that the file
# dialogs open in the sample folder ../Soubory.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCHEMARIO_TESTS=OFF -DSCHEMARIO_BENCH=OFF -DSCHEMARIO_SCREENSHOTS=OFF
cmake --build build --target schemario
cd build
exec ./schemario "$@"
