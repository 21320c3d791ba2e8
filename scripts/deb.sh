#!/usr/bin/env bash
# Builds the Debian package the Debian way (dpkg-buildpackage with debian/) from
# a copy of the source tree in build/deb/ARCH/, so the tree stays clean, and
# puts build/deb/varnelo_<version>_ARCH.deb and its -dbgsym package beside
# build/deb/SHA256SUMS.
# Usage: scripts/deb.sh [ARCH]   the build machine's architecture by default;
#        any other that dpkg knows cross-builds, without the tests (for arm64:
#        scripts/deps.sh arm64)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
require dpkg-buildpackage dpkg-dev tests
require dh debhelper tests

arch=${1:-$(dpkg --print-architecture)}
# Only a name dpkg knows: the name makes a path that is removed below.
dpkg-architecture -L | grep -xF -- "$arch" >/dev/null ||
  { echo "deb.sh: '$arch' is no Debian architecture (dpkg-architecture -L lists them)" >&2; exit 2; }
cross=()
if [ "$arch" != "$(dpkg --print-architecture)" ]; then
  # The Debian way: the host's programs cannot run here, so no tests and no
  # test Build-Depends (dh only warns).
  cross=(-a "$arch" -Pcross,nocheck)
  DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}"
fi
SOURCE_DATE_EPOCH=$(scripts/source-date-epoch.sh)
export SOURCE_DATE_EPOCH

work=build/deb/$arch
rm -rf "$work"
# This architecture's packages of an earlier build, of any version.
rm -f build/deb/varnelo_*_"$arch".deb build/deb/varnelo-dbgsym_*_"$arch".deb
mkdir -p "$work/varnelo"
# The files git knows or would add, as they are now, without build trees. They
# get the copy's time, which the package clamps to SOURCE_DATE_EPOCH, as a
# fresh clone's files are: a work tree's older times would stay.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ ! -e "$file" ] || printf '%s\0' "$file"; done |
  tar --null -T - -cf - | tar -xf - --touch -C "$work/varnelo"

(cd "$work/varnelo" &&
  DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -b -us -uc "${cross[@]}" >../build.log 2>&1) ||
  { tail -30 "$work/build.log" >&2; echo "deb.sh: dpkg-buildpackage failed; log: $work/build.log" >&2; exit 1; }
mv "$work"/*.deb build/deb/
deb=$(ls build/deb/varnelo_*_"$arch".deb)
cmake "-DPACCHETTI=$PWD/$deb;$PWD/$(ls build/deb/varnelo-dbgsym_*_"$arch".deb)" -P cmake/sha256sums.cmake
echo "$deb"
