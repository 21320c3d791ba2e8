#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and checks that the program,
# its desktop records and icons are where desktops look, with the libraries
# it needs declared.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"

status=0
for file in usr/bin/Varnelo \
            usr/share/applications/it.varnelo.Varnelo.desktop \
            usr/share/metainfo/it.varnelo.Varnelo.metainfo.xml \
            usr/share/icons/hicolor/16x16/apps/it.varnelo.Varnelo.png \
            usr/share/icons/hicolor/32x32/apps/it.varnelo.Varnelo.png; do
  [ -s "$work/root/$file" ] || { echo "not in the package: $file"; status=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libmount1 libc6; do
  grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends"; status=1; }
done
[ "$(dpkg-deb -f "$deb" Version)" = 1.0.0 ] || { echo "version is not 1.0.0"; status=1; }
exit $status
