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
source scripts/wine-env.sh
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

# The prefixes of a preset's tests, as "PREFIX ARCH" lines: the tree's own, and
# the 64-bit one where the x86 tree has the x64 client read its exe.
prefissi_preset() {
  echo "$(valore_cache "$1" VARNELO_WINEPREFIX) $(valore_cache "$1" VARNELO_WINEARCH)"
  local prefisso_64
  prefisso_64=$(valore_cache "$1" VARNELO_WINEPREFIX_64)
  [ -z "$prefisso_64" ] || echo "$prefisso_64 win64"
}

# Runs a step in each prefix of the preset, with WINEPREFIX, WINEARCH and the
# launcher (wine) of that prefix.
in_ogni_prefisso() {
  local riga WINEPREFIX WINEARCH wine
  while read -r riga; do
    export WINEPREFIX=${riga% *} WINEARCH=${riga##* }
    wine=(scripts/wine.sh "$WINEARCH")
    "$@"
  done < <(prefissi_preset "$preset")
}

# Creates the prefix the first time; gives drive C its label and serial, which
# Wine reads when its server starts; then starts the server for the preset.
prepara_prefisso() {
  prefissi+=("$WINEPREFIX")
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX ($WINEARCH)"
    crea_prefisso staccato "${wine[@]}"
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
    echo "${0##*/}: Wine set to $versione in $WINEPREFIX reports '$risposta', not $atteso" >&2
    exit 1
  fi
  echo "Wine reports $risposta"
}

ferma_server() { staccato wineserver -k || true; }

# ---- The steps of a preset ---------------------------------------------------

costruisci_preset() {
  local preset=$1 lettore_x64="" pacchetti_x64=""
  # The x86 tree has the x64 tree's screen reader client read its exe, and
  # installs its MSI over the x64 one that the x64 tree packages first.
  if [ "$preset" = windows-x86 ] && [[ " ${presets[*]} " == *" windows-x64 "* ]]; then
    lettore_x64="$PWD/build/windows-x64/bin/varnelo_lettore_schermo.exe"
    pacchetti_x64="$PWD/build/windows-x64"
  fi
  step "$preset: build"
  cmake --preset "$preset" -DVARNELO_LETTORE_X64="$lettore_x64" \
    -DVARNELO_PACCHETTI_X64="$pacchetti_x64" >/dev/null
  cmake --build --preset "$preset"
}

prova_preset() {
  preset=$1
  if [ "$preset" = windows-x86 ] && [ "$VARNELO_X86_32" = 0 ]; then
    step "$preset: checks of the executable and the packages"
    echo "$preset: $senza_x86_32"
    ctest --preset "$preset"
  else
    in_ogni_prefisso prepara_prefisso

    step "$preset: tests under Wine as Windows 10"
    in_ogni_prefisso come_windows win10 "10.0."
    ctest --preset "$preset"

    # The executable checks read files, not Wine, and the MSI tests make their
    # own prefixes and set their Windows: once is enough.
    step "$preset: tests under Wine as Windows 7"
    in_ogni_prefisso come_windows win7 "6.1.7601"
    ctest --preset "$preset" --label-exclude "^(pe|msi)$"

    in_ogni_prefisso ferma_server
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
