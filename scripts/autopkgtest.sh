#!/usr/bin/env bash
# Debian's test of the installed package (debian/tests), run by autopkgtest on
# a .deb that scripts/deb.sh made, in a throwaway chroot: this machine's Debian
# release unpacked from the base that scripts/base-debian.sh keeps, with /proc,
# /dev and /sys seen only from a mount namespace of its own, and removed
# afterwards. The package is never installed on this system. apt's downloads
# are kept in build/autopkgtest/archives for the next run. Needs root (sudo
# for a plain user).
# Usage: scripts/autopkgtest.sh [DEB]   (default: this architecture's in build/deb/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
require autopkgtest autopkgtest tests
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null ||
    { echo "${0##*/}: autopkgtest makes a chroot: run it as root" >&2; exit 2; }
  exec sudo -- "$0" "$@"
fi

deb=$(realpath "${1:-$(ls build/deb/varnelo_*_"$(dpkg --print-architecture)".deb)}")
source scripts/base-debian.sh
base_debian

work=$PWD/build/autopkgtest
rm -rf "$work/root" "$work/source" "$work/output"
mkdir -p "$work/root" "$work/source" "$work/archives"
trap 'rm -rf "$work/root" "$work/source"' EXIT
tar -C "$work/root" -xzf "$base"
cp /etc/resolv.conf "$work/root/etc/"
# The tests and the control files they name: the source tree autopkgtest reads.
git ls-files -z debian | xargs -0 cp --parents -t "$work/source"

# The mounts end with the namespace, before the chroot is removed.
status=0
unshare --mount --propagation private --fork -- bash -euc '
  root=$1; shift
  mount -t proc proc "$root/proc"
  mount --rbind /dev "$root/dev"
  mount --rbind /sys "$root/sys"
  mount --bind "$0" "$root/var/cache/apt/archives"
  autopkgtest "$@" -- chroot "$root"
' "$work/archives" "$work/root" --output-dir "$work/output" "$deb" "$work/source/" \
  >"$work/autopkgtest.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -30 "$work/autopkgtest.log" >&2
  echo "${0##*/}: autopkgtest failed (status $status); log: build/autopkgtest/autopkgtest.log" >&2
  exit 1
fi
grep -m1 -E "^report-read-by-a-client +PASS" "$work/autopkgtest.log"
