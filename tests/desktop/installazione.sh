#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every file is
# where Linux desktops look for it.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
status=0
for file in bin/Varnelo \
            share/applications/it.varnelo.Varnelo.desktop \
            share/metainfo/it.varnelo.Varnelo.metainfo.xml \
            share/icons/hicolor/16x16/apps/it.varnelo.Varnelo.png \
            share/icons/hicolor/32x32/apps/it.varnelo.Varnelo.png; do
  if [ ! -s "$prefix/$file" ]; then
    echo "missing after install: $file"
    status=1
  fi
done
[ -x "$prefix/bin/Varnelo" ] || { echo "bin/Varnelo is not executable"; status=1; }
for size in 16 32; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/it.varnelo.Varnelo.png"
  # PNG width and height are big-endian 32-bit numbers at bytes 16 and 20.
  read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$width x $height" = "$size x $size" ] || { echo "icon ${size}: is ${width}x${height}"; status=1; }
done
exit $status
