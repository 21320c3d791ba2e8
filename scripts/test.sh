#!/usr/bin/env bash
# Installs what is missing, builds Varnelo for Linux and Windows and runs every
# test headless. VARNELO_SKIP_WINDOWS=1 leaves out the Windows build and Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

platforms=(linux)
[ "${VARNELO_SKIP_WINDOWS:-0}" = 1 ] || platforms+=(windows)
scripts/deps.sh "${platforms[@]}"

if [ "${VARNELO_SKIP_WINDOWS:-0}" != 1 ]; then
  scripts/test-windows.sh
fi

cmake --preset ci >/dev/null
cmake --build --preset ci
QT_QPA_PLATFORM=offscreen ctest --preset ci
