#!/usr/bin/env bash
# Starts the program's windows under a virtual X server on a sample schema
# and writes a PNG of every window into the given folder, with the texts in
# the given language (by default the source texts, Czech without diacritics).
#   tools/screenshots.sh FOLDER [SCHEMA.dbc [cs|cs_ascii|en]]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:?usage: tools/screenshots.sh FOLDER [SCHEMA.dbc [cs|cs_ascii|en]]}")"
schema="$(realpath "${2:-Soubory/objednavky.dbc}")"
language="${3:-cs_ascii}"
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCHEMARIO_TESTS=OFF >/dev/null
cmake --build build-release --target schemario_screenshots >/dev/null
mkdir -p "$out"
cd build-release
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  ./tools/screenshots/schemario_screenshots "$schema" "$out" "$language"
