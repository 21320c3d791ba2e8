# Sourced by the scripts: the Linux architectures that are cross-built and
# tested under qemu, by the names dpkg gives them, and which of them this
# Debian release has.
cross_arches=(arm64 armhf i386 ppc64el riscv64 s390x)

# Succeeds when this machine's Debian release has ARCH; else prints why not and
# fails. riscv64 is a release architecture from Debian 13 on: Debian 12's
# archive has none of its packages.
cross_arch_in_release() {
  local version
  version=$(. /etc/os-release && echo "${VERSION_ID:-}")
  if [ "$1" = riscv64 ] && [ -n "$version" ] && [ "$version" -lt 13 ]; then
    echo "riscv64 is not in Debian $version (a release architecture from Debian 13 on): skipped"
    return 1
  fi
}
