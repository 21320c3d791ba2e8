#!/usr/bin/env bash
# Cross-builds Varnelo.exe and its tests with mingw-w64 and runs the tests
# under Wine on a private Xvfb display.
# Needs the packages of `scripts/deps.sh windows`.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
require x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix windows
require wine wine windows
require wineserver wine windows
require Xvfb xvfb windows
require wixl wixl windows
require msibuild msitools windows
require msiinfo msitools windows

# The same prefix and settings as the "windows" test preset.
export WINEPREFIX="$PWD/build/windows/wine"
export WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries.
export WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml="

xvfb_pid=""
ferma() {
  # Only this prefix's server, and only the Xvfb started here.
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap ferma EXIT

# Wine and the tests must never hold the caller's pipes (ctest's, CI's): a
# server that inherits them keeps the runner waiting after the tests end.
staccato() { setsid -w "$@" </dev/null >/dev/null 2>&1; }

# ---- A display of our own --------------------------------------------------

display_file=$(mktemp)
# -displayfd: Xvfb picks a free display number and writes it when ready.
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" \
  </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb gave no display number" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$display_file")"
rm -f "$display_file"

# ---- Wine: the prefix once, then a persistent server for the whole run -------

mkdir -p "$WINEPREFIX"
staccato wineserver -p
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX"
fi
# Creates the prefix the first time; afterwards only starts its services.
staccato wine wineboot --init
# Without a window manager a managed window takes 2 s to hide or destroy.
staccato wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f

# ---- Build and test -----------------------------------------------------------

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows

