#!/usr/bin/env bash
# Builds the Debian package from the build folder given, unpacks it into a
# scratch root as dpkg would install it, and starts the installed program.
set -euo pipefail
build="$1"
source_dir="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

appstreamcli validate --no-net "$source_dir/app/schemario.metainfo.xml" >/dev/null
# gzip keeps the test quick; the package itself is the same.
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" \
   -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >/dev/null)
deb=("$scratch"/schemario_*.deb)
# Debian's own checks: no error and no warning (informational tags pass).
lintian_out="$(lintian --fail-on error,warning "${deb[0]}" 2>&1)" ||
  { echo "lintian: $lintian_out"; exit 1; }
dpkg-deb --field "${deb[0]}" Depends | grep -q 'libqt6widgets6'
root="$scratch/root"
dpkg -x "${deb[0]}" "$root"
for f in usr/bin/schemario usr/share/applications/schemario.desktop \
         usr/share/mime/packages/schemario.xml usr/share/icons/hicolor/48x48/apps/schemario.png \
         usr/share/metainfo/io.github.schemario.Schemario.metainfo.xml \
         usr/share/schemario/Soubory/objednavky.dbc usr/share/man/man1/schemario.1.gz \
         usr/share/doc/schemario/copyright usr/share/doc/schemario/changelog.Debian.gz; do
  test -f "$root/$f" || { echo "missing in the package: $f"; exit 1; }
done
grep -q '^MimeType=application/x-schemario;$' "$root/usr/share/applications/schemario.desktop"
grep -q '^Exec=schemario %f$' "$root/usr/share/applications/schemario.desktop"
version="$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/schemario" --version)"
test "$version" = "Schemario 1.0" || { echo "installed program says: $version"; exit 1; }
"$root/usr/bin/schemario" --report keys "$root/usr/share/schemario/Soubory/objednavky.dbc" | grep -q .
# The installed program finds the installed samples for its menu.
test -d "$root/usr/bin/../share/schemario/Soubory"
