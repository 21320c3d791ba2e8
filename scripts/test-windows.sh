#!/usr/bin/env bash
# Cross-builds Varnelo.exe and its tests for each Windows processor with
# mingw-w64 and runs the tests under Wine on a private Xvfb display: once as
# Wine's default Windows, once as Windows 7. On a machine that runs no 32-bit
# x86 code (scripts/runs-x86-32.sh) the x86 tree is built and checked, and
# what would run it is reported as skipped.
# Usage: scripts/test-windows.sh [PRESET...]  (default: windows-x64 windows-x86)
# Needs the packages of `scripts/deps.sh windows`.
set -Eeuo pipefail
# Wine's own output goes nowhere (see staccato): a step that fails says so here.
trap 'echo "${0##*/}: \"$BASH_COMMAND\" failed with status $? (line $LINENO${FUNCNAME:+, in ${FUNCNAME[*]} called from lines ${BASH_LINENO[*]}})" >&2' ERR
cd "$(dirname "$0")/.."
source scripts/require.sh
source scripts/display.sh
require x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix windows
require i686-w64-mingw32-g++-posix g++-mingw-w64-i686-posix windows
require wineserver wine windows
require Xvfb xvfb windows
require wixl wixl windows
require msibuild msitools windows
require msiinfo msitools windows

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(windows-x64 windows-x86)

# Asked once; CMake reads the same answer when it configures each tree.
x86_32=0
senza_x86_32=$(scripts/runs-x86-32.sh) || x86_32=$?
[ "$x86_32" -le 1 ] || exit 2
export VARNELO_X86_32=$((1 - x86_32))
if [ "$VARNELO_X86_32" = 1 ] && [ ! -x /usr/lib/wine/wine ]; then
  echo "${0##*/}: 32-bit Wine is missing: wine32:i386 (scripts/deps.sh windows)" >&2
  exit 127
fi

# Drive C's volume, as the report tests expect it: a label outside ASCII that
# code page 1252 holds, a serial number with its top bit set.
etichetta_c="Città dati"
seriale_c=8000abcd

prefissi=()
ferma() {
  # Only the servers of the prefixes used here, and only the display started here.
  local prefisso
  for prefisso in "${prefissi[@]}"; do
    WINEPREFIX=$prefisso wineserver -k >/dev/null 2>&1 || true
  done
  ferma_display
}
trap ferma EXIT

# Wine and the tests must never hold the caller's pipes (ctest's, CI's): a
# server that inherits them keeps the runner waiting after the tests end.
staccato() { setsid -w "$@" </dev/null >/dev/null 2>&1; }

step() { printf '\n==== %s\n' "$*"; }

# A value the preset's tree keeps in its CMake cache.
valore_cache() { sed -n "s/^$2:[A-Z]*=//p" "build/$1/CMakeCache.txt"; }

# The prefix, Wine architecture and launcher of a preset's tests, as its tree has them.
usa_prefisso() {
  export WINEPREFIX WINEARCH
  WINEPREFIX=$(valore_cache "$1" VARNELO_WINEPREFIX)
  WINEARCH=$(valore_cache "$1" VARNELO_WINEARCH)
  wine=(scripts/wine.sh "$WINEARCH")
  prefissi+=("$WINEPREFIX")
}

# Creates the prefix the first time; gives drive C its label and serial, which
# Wine reads when its server starts; then starts the server for the preset.
prepara_prefisso() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX ($WINEARCH)"
    staccato "${wine[@]}" wineboot --init
    # Without a window manager a managed window takes 2 s to hide or destroy.
    staccato "${wine[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
  fi
  staccato wineserver -k || true
  staccato wineserver -w || true
  printf '%s' "$etichetta_c" >"$WINEPREFIX/drive_c/.windows-label"
  printf '%s\n' "$seriale_c" >"$WINEPREFIX/drive_c/.windows-serial"
  staccato wineserver -p
  staccato "${wine[@]}" wineboot
}

# Makes Wine report the given Windows (win7, win10) to every new process, and
# checks that it does.
come_windows() {
  local versione=$1 atteso=$2 risposta
  staccato "${wine[@]}" reg add 'HKCU\Software\Wine' /v Version /d "$versione" /f
  risposta=$(setsid -w "${wine[@]}" cmd /c ver </dev/null 2>/dev/null | tr -d '\r' | grep -m1 . || true)
  if [[ "$risposta" != *"$atteso"* ]]; then
    echo "${0##*/}: Wine set to $versione reports '$risposta', not $atteso" >&2
    exit 1
  fi
  echo "Wine reports $risposta"
}

# ---- The steps of a preset ---------------------------------------------------

costruisci_preset() {
  local preset=$1 exe_x86=""
  # The x64 tree's screen reader client reads the x86 tree's exe too.
  if [ "$preset" = windows-x64 ] && [[ " ${presets[*]} " == *" windows-x86 "* ]]; then
    exe_x86="$PWD/build/windows-x86/bin/Varnelo.exe"
  fi
  step "$preset: build"
  cmake --preset "$preset" -DVARNELO_EXE_X86="$exe_x86" >/dev/null
  cmake --build --preset "$preset"
}

prova_preset() {
  local preset=$1
  if [ "$preset" = windows-x86 ] && [ "$VARNELO_X86_32" = 0 ]; then
    step "$preset: checks of the executable and the packages"
    echo "$preset: $senza_x86_32"
    ctest --preset "$preset"
  else
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
  fi

  step "$preset: package"
  cpack --preset "$preset"
}

display_privato
for preset in "${presets[@]}"; do
  costruisci_preset "$preset"
done
for preset in "${presets[@]}"; do
  prova_preset "$preset"
done
