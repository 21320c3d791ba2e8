#!/usr/bin/env bash
# piuparts, Debian's install, upgrade and removal test, on a .deb that
# scripts/deb.sh made: installed into a minimal chroot of this machine's Debian
# release from the mirror its apt uses, removed and purged; nothing may be left
# or changed. The chroot's base is made once (debootstrap) and kept in
# build/piuparts/. Needs root.
# Usage: scripts/piuparts.sh [DEB]   (default: this architecture's in build/deb/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
source scripts/debian-mirror.sh
require piuparts piuparts tests
[ "$(id -u)" -eq 0 ] || { echo "${0##*/}: piuparts makes a chroot: run it as root" >&2; exit 2; }

deb=${1:-$(ls build/deb/varnelo_*_"$(dpkg --print-architecture)".deb)}
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=$(debian_mirror)

mkdir -p build/piuparts
base=build/piuparts/$suite.tar.gz
if [ -f "$base" ]; then
  chroot_base=(--basetgz "$base")
else
  chroot_base=(--save "$base")
fi
piuparts --distribution "$suite" --mirror "$mirror main" "${chroot_base[@]}" \
  "$deb" >build/piuparts/piuparts.log 2>&1 ||
  { tail -30 build/piuparts/piuparts.log >&2; echo "${0##*/}: piuparts failed; log: build/piuparts/piuparts.log" >&2; exit 1; }
grep -m1 "PASS: All tests" build/piuparts/piuparts.log
