#!/usr/bin/env bash
# Installs what is missing, builds Varnelo (the program alone, no tests) and
# opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh program
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/Varnelo
