#!/usr/bin/env bash
# Builds the Debian package of the program (Release) into build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSCHEMARIO_TESTS=OFF -DSCHEMARIO_BENCH=OFF -DSCHEMARIO_SCREENSHOTS=OFF
cmake --build build-package --target schemario
appstreamcli validate --no-net app/schemario.metainfo.xml
(cd build-package && cpack -G DEB)
ls build-package/*.deb
