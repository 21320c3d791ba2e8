#!/usr/bin/env bash
# Runs a Windows program under Wine with the settings every Windows test and
# script uses, on the loader of the prefix's processor. Debian's `wine` command
# starts the 32-bit loader first whenever wine32 is installed, which a kernel
# without 32-bit code cannot run; the 64-bit loader still hands a 32-bit program
# on to the 32-bit one where there is one.
# Usage: scripts/wine.sh win64|win32 PROGRAM [ARG...]
# WINEPREFIX names the prefix; a WINEDLLOVERRIDES of the caller's is added to
# the overrides here.
set -euo pipefail
case "${1:-}" in
  win64) loader=/usr/lib/wine/wine64 package=wine64 ;;
  win32) loader=/usr/lib/wine/wine package=wine32:i386 ;;
  *) echo "usage: ${0##*/} win64|win32 PROGRAM [ARG...]" >&2; exit 2 ;;
esac
shift
[ -x "$loader" ] || {
  echo "${0##*/}: $loader is missing; it comes with the Debian package $package (scripts/deps.sh windows)" >&2
  exit 127
}
export WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries.
export WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
# Wine's ANSI code page follows the locale: C gives 1252, as the tests expect.
export LC_ALL=C.UTF-8
exec "$loader" "$@"
