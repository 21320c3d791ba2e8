#!/usr/bin/env bash
# Builds the package of the committed HEAD as Debian's builders do: in a
# minimal chroot of the architecture (debootstrap's buildd variant of this
# machine's release, from the mirror its apt uses) holding only the
# Build-Depends, by an unprivileged user, with the build-time tests. i386 runs
# on this amd64 kernel under linux32, so its tests meet the address space a
# 64-bit kernel gives a 32-bit process. The chroot's base is made once and
# kept in build/buildd/; the packages and the log land there too. Needs root.
# Usage: scripts/buildd.sh [ARCH]   i386 (the default), or this machine's own
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
source scripts/debian-mirror.sh
require debootstrap debootstrap tests
[ "$(id -u)" -eq 0 ] || { echo "${0##*/}: it makes and enters a chroot: run it as root" >&2; exit 2; }

arch=${1:-i386}
native=$(dpkg --print-architecture)
case "$arch" in
  "$native") personality=() ;;
  i386)
    [ "$native" = amd64 ] || { echo "${0##*/}: i386 is built on amd64, not on $native" >&2; exit 2; }
    x86_32=0
    scripts/runs-x86-32.sh >/dev/null || x86_32=$?
    [ "$x86_32" -le 1 ] || exit 2
    if [ "$x86_32" -eq 1 ]; then
      echo "${0##*/}: this machine runs no 32-bit x86 code: the i386 package cannot be built here" >&2
      exit 1
    fi
    personality=(linux32)
    ;;
  *) echo "${0##*/}: '$arch' is neither i386 nor this machine's $native" >&2; exit 2 ;;
esac
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=$(debian_mirror)

out=build/buildd
base=$out/$suite-$arch.tar
root=$PWD/$out/$suite-$arch
mkdir -p "$out"
# The chroot is a mount of its own, as a builder's is, so that its mount table
# has a "/"; the kernel's files are the tests' to read. Unmounted and removed
# on every exit; removed only once nothing is mounted in it.
smonta() {
  if findmnt -R "$root" >/dev/null; then
    umount -R "$root"
  fi
}
smonta
if [ ! -f "$base" ]; then
  echo "${0##*/}: making the $suite $arch chroot (once, a few minutes)"
  rm -rf "$base.part" "$root"
  debootstrap --arch="$arch" --variant=buildd "$suite" "$root" "$mirror" >"$out/debootstrap.log" 2>&1 ||
    { tail -5 "$out/debootstrap.log" >&2; echo "${0##*/}: debootstrap failed; log: $out/debootstrap.log" >&2; exit 1; }
  tar -C "$root" --exclude='./var/cache/apt/archives/*.deb' -cf "$base.part" . && mv "$base.part" "$base"
fi

trap 'smonta && rm -rf "$root"' EXIT
smonta
rm -rf "$root"
mkdir -p "$root"
tar -C "$root" -xf "$base"
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"

rm -f "$out"/varnelo_*_"$arch".deb "$out"/varnelo-dbgsym_*_"$arch".deb
mkdir -p "$root/build"
git archive --prefix=varnelo/ HEAD | tar -C "$root/build" -xf -
start=$SECONDS
in_chroot() { "${personality[@]}" chroot "$root" "$@"; }
{
  in_chroot apt-get update &&
    in_chroot sh -c 'cd /build/varnelo && DEBIAN_FRONTEND=noninteractive apt-get build-dep -y ./' &&
    in_chroot useradd --create-home costruttore &&
    in_chroot chown -R costruttore: /build &&
    in_chroot env HOME=/home/costruttore DEB_BUILD_OPTIONS="parallel=$(nproc)" \
      setpriv --reuid=costruttore --regid=costruttore --init-groups \
      sh -c 'cd /build/varnelo && uname -m && dpkg-buildpackage -b -us -uc'
} >"$out/build.log" 2>&1 ||
  { tail -30 "$out/build.log" >&2; echo "${0##*/}: the $arch build failed; log: $out/build.log" >&2; exit 1; }
cp "$root"/build/*.deb "$out/"
echo "${0##*/}: $arch built with its tests in $(((SECONDS - start) / 60)) min:" \
  "$(grep -m1 -E 'tests passed|tests failed' "$out/build.log")"
ls "$out"/varnelo_*_"$arch".deb
