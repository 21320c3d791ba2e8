#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those missing.
# Usage: scripts/deps.sh linux [windows]
set -euo pipefail

linux_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libmount-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file clang libclang-rt-14-dev xvfb)
windows_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64
  xvfb xauth icoutils imagemagick python3-pefile)

wanted=()
for platform in "$@"; do
  case "$platform" in
    linux) wanted+=("${linux_packages[@]}") ;;
    windows) wanted+=("${windows_packages[@]}") ;;
    *) echo "deps.sh: unknown platform '$platform' (linux or windows)" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
