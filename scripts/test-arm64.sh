#!/usr/bin/env bash
# Cross-builds the Linux program and its tests for arm64 and runs the tests
# under qemu's user-mode emulation, Qt offscreen; then builds and checks the
# arm64 .deb.
# Needs the packages of `scripts/deps.sh program tests arm64`.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
require aarch64-linux-gnu-g++ g++-aarch64-linux-gnu arm64
require qemu-aarch64 qemu-user arm64
require dpkg-architecture dpkg-dev tests
require lintian lintian tests

export QT_QPA_PLATFORM=offscreen
cmake --preset linux-arm64 >/dev/null
cmake --build --preset linux-arm64
ctest --preset linux-arm64

# The arm64 .deb, cross-built by dpkg-buildpackage -a arm64, and its checks.
deb=$(scripts/deb.sh arm64)
tests/desktop/pacchetto_deb.sh "$deb"
