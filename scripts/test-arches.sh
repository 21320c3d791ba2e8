#!/usr/bin/env bash
# Cross-builds the Linux program and its tests for each named architecture and
# runs the tests under qemu's user-mode emulation (i386 natively where the
# machine runs 32-bit x86 code), Qt offscreen; then builds and checks that
# architecture's .deb. An architecture this Debian release lacks stops it with
# the reason, before anything is built.
# Usage: scripts/test-arches.sh ARCH...   (those of scripts/cross-arches.sh)
# Needs the packages of `scripts/deps.sh program tests ARCH...`.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
source scripts/cross-arches.sh
[ $# -gt 0 ] || { echo "usage: scripts/test-arches.sh ARCH... (${cross_arches[*]})" >&2; exit 2; }
# Each must be testable here, before any is built.
for arch in "$@"; do
  refusal=0
  reason=$(cross_arch_in_release "$arch") || refusal=$?
  [ "$refusal" -eq 0 ] || { echo "test-arches.sh: $reason" >&2; exit "$refusal"; }
done
require dpkg-architecture dpkg-dev tests
require lintian lintian tests

export QT_QPA_PLATFORM=offscreen
for arch in "$@"; do
  gnu=$(dpkg-architecture -a"$arch" -qDEB_HOST_GNU_TYPE 2>/dev/null)
  require "$gnu-g++" "g++-$gnu" "$arch"
  start=$SECONDS
  printf '\n==== Linux %s\n' "$arch"
  cmake --preset "linux-$arch" >/dev/null
  cmake --build --preset "linux-$arch"
  ctest --preset "linux-$arch"
  # The .deb, cross-built by dpkg-buildpackage -a ARCH, and its checks.
  deb=$(scripts/deb.sh "$arch")
  tests/desktop/pacchetto_deb.sh "$deb"
  echo "Linux $arch: tested and packaged in $(((SECONDS - start) / 60)) min"
done
