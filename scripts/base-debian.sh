# Sourced by the scripts that test the package in a throwaway chroot: a minimal
# system of this machine's Debian release, from the mirror its apt uses, made
# once (debootstrap) and kept as build/piuparts/SUITE.tar.gz. Needs root.
# Usage: base_debian  (sets suite, mirror and base, making the base if missing)
source "$(dirname "${BASH_SOURCE[0]}")/debian-mirror.sh"

base_debian() {
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mirror=$(debian_mirror)
  base=build/piuparts/$suite.tar.gz
  [ ! -f "$base" ] || return 0
  require debootstrap debootstrap tests
  local root
  mkdir -p build/piuparts
  root=$(mktemp -d build/piuparts/base.XXXXXX)
  echo "Making the chroot base $base (debootstrap $suite, once)"
  debootstrap --variant=minbase "$suite" "$root" "$mirror" >build/piuparts/debootstrap.log 2>&1 ||
    { tail -20 build/piuparts/debootstrap.log >&2; rm -rf "$root"
      echo "${0##*/}: debootstrap failed; log: build/piuparts/debootstrap.log" >&2; exit 1; }
  tar -C "$root" --numeric-owner -czf "$base.tmp" . && mv "$base.tmp" "$base"
  rm -rf "$root"
}
