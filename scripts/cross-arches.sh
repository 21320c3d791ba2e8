# Sourced by the scripts: the Linux architectures that are cross-built and
# tested under qemu, by the names dpkg gives them, with the first Debian
# release that has each and the machine the kernel (uname -m) names for it.
# The other lists of them (the presets, cmake/linux-cross.cmake,
# tests/desktop/architettura_elf.sh and programma_protetto.sh, the report
# test's table) are checked against this one by tests/desktop/architetture_concordi.sh.
cross_arch_table=(
  "arm64   12 aarch64"
  "armhf   12 armv7l"
  "i386    12 i686"
  "ppc64el 12 ppc64le"
  "riscv64 13 riscv64"
  "s390x   12 s390x"
)
cross_arches=()
for row in "${cross_arch_table[@]}"; do
  read -r arch _ <<<"$row"
  cross_arches+=("$arch")
done
unset row arch

# Succeeds when ARCH is one of them and this machine's Debian release has it;
# else prints why it cannot be built or tested here and fails: 2 for a name
# not among them, 1 for one this release lacks.
cross_arch_in_release() {
  local row arch first version
  for row in "${cross_arch_table[@]}"; do
    read -r arch first _ <<<"$row"
    [ "$arch" = "$1" ] || continue
    version=$(. /etc/os-release && echo "${VERSION_ID:-}")
    # A release not yet numbered (testing, unstable) has every architecture.
    if [ -n "$version" ] && [ "${version%%.*}" -lt "$first" ]; then
      echo "$arch is not in Debian $version, only from Debian $first on: it cannot be built or tested here"
      return 1
    fi
    return 0
  done
  echo "unknown architecture '$1': ${cross_arches[*]}"
  return 2
}
