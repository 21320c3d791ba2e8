#!/usr/bin/env bash
# Cross-builds Varnelo.exe and its tests for each Windows processor with
# mingw-w64 and runs the tests under Wine on a private Xvfb display: once as
# Wine's default Windows, once as Windows 7.
# Usage: scripts/test-windows.sh [PRESET...]  (default: windows-x64 windows-x86)
# Needs the packages of `scripts/deps.sh windows`.
set -Eeuo pipefail
# Wine's own output goes nowhere (see staccato): a step that fails says so here.
trap 'echo "${0##*/}: \"$BASH_COMMAND\" failed with status $? (line $LINENO${FUNCNAME:+, in ${FUNCNAME[*]} called from lines ${BASH_LINENO[*]}})" >&2' ERR
cd "$(dirname "$0")/.."
source scripts/require.sh
require x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix windows
require i686-w64-mingw32-g++-posix g++-mingw-w64-i686-posix windows
require wine wine windows
require wineserver wine windows
require Xvfb xvfb windows
require wixl wixl windows
require msibuild msitools windows
require msiinfo msitools windows
[ -x /usr/lib/wine/wine ] || { echo "${0##*/}: 32-bit Wine is missing: wine32:i386 (scripts/deps.sh windows)" >&2; exit 127; }

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(windows-x64 windows-x86)

# The same settings as the Windows test presets.
export WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries.
export WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml="
# Wine's ANSI code page follows the locale: C gives 1252, as the tests expect.
export LC_ALL=C.UTF-8

# Drive C's volume, as the report tests expect it: a label outside ASCII that
# code page 1252 holds, a serial number with its top bit set.
etichetta_c="Città dati"
seriale_c=8000abcd

xvfb_pid=""
prefissi=()
ferma() {
  # Only the servers of the prefixes used here, and only the Xvfb started here.
  local prefisso
  for prefisso in "${prefissi[@]}"; do
    WINEPREFIX=$prefisso wineserver -k >/dev/null 2>&1 || true
  done
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap ferma EXIT

# Wine and the tests must never hold the caller's pipes (ctest's, CI's): a
# server that inherits them keeps the runner waiting after the tests end.
staccato() { setsid -w "$@" </dev/null >/dev/null 2>&1; }

step() { printf '\n==== %s\n' "$*"; }

# ---- A display of our own, for every preset ------------------------------------

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

# ---- Wine: a prefix per preset, its server kept for the preset's steps ----------

# The prefix and Wine architecture of a preset, as its test preset names them.
usa_prefisso() {
  export WINEPREFIX="$PWD/build/$1/wine"
  case "$1" in
    windows-x64) export WINEARCH=win64 ;;
    windows-x86) export WINEARCH=win32 ;;
    *) echo "${0##*/}: unknown preset '$1'" >&2; exit 2 ;;
  esac
  prefissi+=("$WINEPREFIX")
}

# Creates the prefix the first time; gives drive C its label and serial, which
# Wine reads when its server starts; then starts the server for the preset.
prepara_prefisso() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX ($WINEARCH)"
    staccato wine wineboot --init
    # Without a window manager a managed window takes 2 s to hide or destroy.
    staccato wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
  fi
  staccato wineserver -k || true
  staccato wineserver -w || true
  printf '%s' "$etichetta_c" >"$WINEPREFIX/drive_c/.windows-label"
  printf '%s\n' "$seriale_c" >"$WINEPREFIX/drive_c/.windows-serial"
  staccato wineserver -p
  staccato wine wineboot
}

# Makes Wine report the given Windows (win7, win10) to every new process, and
# checks that it does.
come_windows() {
  local versione=$1 atteso=$2 risposta
  staccato wine reg add 'HKCU\Software\Wine' /v Version /d "$versione" /f
  risposta=$(setsid -w wine cmd /c ver </dev/null 2>/dev/null | tr -d '\r' | grep -m1 . || true)
  if [[ "$risposta" != *"$atteso"* ]]; then
    echo "${0##*/}: Wine set to $versione reports '$risposta', not $atteso" >&2
    exit 1
  fi
  echo "Wine reports $risposta"
}

# ---- The steps of a preset ---------------------------------------------------

prova_preset() {
  local preset=$1
  step "$preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"

  usa_prefisso "$preset"
  prepara_prefisso

  step "$preset: tests under Wine as Windows 10"
  come_windows win10 "10.0."
  ctest --preset "$preset"

  # The executable checks read files, not Wine, and the MSI tests make their
  # own prefixes and set their Windows: once is enough.
  step "$preset: tests under Wine as Windows 7"
  come_windows win7 "6.1.7601"
  ctest --preset "$preset" --label-exclude "^(pe|msi)$"

  staccato wineserver -k || true

  step "$preset: package"
  cpack --preset "$preset"
}

for preset in "${presets[@]}"; do
  prova_preset "$preset"
done
