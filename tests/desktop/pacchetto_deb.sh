#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and checks that the program,
# its desktop records and icons are where desktops look, with the libraries
# it needs declared for the architecture it was built for.
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

# The package is of the architecture its program was built for, and names it.
machine=$(readelf -h "$work/root/usr/bin/Varnelo" | sed -n 's/^ *Machine: *//p')
case "$machine" in
  *X86-64*) arch=amd64 ;;
  AArch64) arch=arm64 ;;
  *) echo "no Debian architecture known for machine '$machine'"; exit 1 ;;
esac
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] ||
  { echo "Architecture is $(dpkg-deb -f "$deb" Architecture), the program is $arch"; status=1; }
[ "${deb##*/}" = "varnelo_1.0.0_$arch.deb" ] || { echo "file name is ${deb##*/}"; status=1; }

# Depends names the libraries of that architecture, as installed here.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libmount1 libc6; do
  grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends"; status=1; }
done
for package in $(tr ',' '\n' <<<"$depends" | sed 's/ *(.*//; s/^ *//'); do
  dpkg-query -W "$package:$arch" >/dev/null 2>&1 ||
    { echo "Depends names $package, not installed here for $arch"; status=1; }
done
[ "$(dpkg-deb -f "$deb" Version)" = 1.0.0 ] || { echo "version is not 1.0.0"; status=1; }
exit $status
