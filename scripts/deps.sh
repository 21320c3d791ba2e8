#!/usr/bin/env bash
# Installs the Debian packages of the named groups, only those missing.
# Usage: scripts/deps.sh GROUP...
#   program  build and open the Linux program
#   tests    what the Linux tests, lint, fuzzing and benchmarks add
#   windows  cross-build Varnelo.exe and test it under Wine
#   arm64    cross-build the Linux program and its tests for arm64 and run the
#            tests under qemu (adds dpkg's arm64 architecture when missing)
# Every name exists on Debian 12 and 13 alike: no version in a name where an
# unversioned package exists.
set -euo pipefail

program_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n
  libmount-dev fonts-dejavu-core)
tests_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev clang-tidy
  cppcheck xvfb desktop-file-utils appstream dpkg-dev file)
windows_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64
  xvfb xauth icoutils imagemagick python3-pefile)
# The target's libraries through multiarch, beside the native ones; Qt's host
# tools stay the native packages'.
arm64_packages=(crossbuild-essential-arm64 qt6-base-dev:arm64 libmount-dev:arm64
  libgtest-dev:arm64 qemu-user)

[ $# -gt 0 ] || { echo "usage: scripts/deps.sh program|tests|windows|arm64..." >&2; exit 2; }
wanted=()
for group in "$@"; do
  case "$group" in
    program) wanted+=("${program_packages[@]}") ;;
    tests) wanted+=("${tests_packages[@]}") ;;
    windows) wanted+=("${windows_packages[@]}") ;;
    arm64) wanted+=("${arm64_packages[@]}") ;;
    *) echo "deps.sh: unknown group '$group' (program, tests, windows or arm64)" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    [[ " ${missing[*]} " == *" $package "* ]] || missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# An :arm64 package must never cost a native one: apt fails rather than remove.
apt_options=(--no-install-recommends)
add_arm64=0
if [[ " ${missing[*]} " == *":arm64 "* ]]; then
  apt_options+=(--no-remove)
  dpkg --print-foreign-architectures | grep -qx arm64 || add_arm64=1
fi
install_line="apt-get update && apt-get install ${apt_options[*]} ${missing[*]}"
[ $add_arm64 = 0 ] || install_line="dpkg --add-architecture arm64 && $install_line"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "deps.sh: these packages are missing, and installing them needs root:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    echo "As root, run:" >&2
    echo "  $install_line" >&2
    exit 1
  fi
  as_root=(sudo)
fi

if [ $add_arm64 = 1 ]; then
  echo "Adding dpkg's arm64 architecture, for the arm64 libraries"
  "${as_root[@]}" dpkg --add-architecture arm64
fi
echo "Installing: ${missing[*]}"
if ! "${as_root[@]}" apt-get update -q ||
   ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
       apt-get install -y -q "${apt_options[@]}" "${missing[@]}"; then
  echo "deps.sh: could not install the missing packages. As root, run:" >&2
  echo "  $install_line" >&2
  exit 1
fi
