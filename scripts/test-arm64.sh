#!/usr/bin/env bash
# Cross-builds the Linux program and its tests for arm64 and runs the tests
# under qemu's user-mode emulation, Qt offscreen.
# Needs the packages of `scripts/deps.sh program tests arm64`.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
require aarch64-linux-gnu-g++ g++-aarch64-linux-gnu arm64
require qemu-aarch64 qemu-user arm64
require dpkg-architecture dpkg-dev tests

export QT_QPA_PLATFORM=offscreen
cmake --preset linux-arm64 >/dev/null
cmake --build --preset linux-arm64
ctest --preset linux-arm64
