#!/usr/bin/env bash
# Runs a Windows program under Wine with the settings every Windows test and
# script uses, on the loader of the prefix's processor. Debian's `wine` command
# starts the 32-bit loader first whenever wine32 is installed, which a kernel
# without 32-bit code cannot run; the 64-bit loader still hands a 32-bit program
# on to the 32-bit one where there is one.
# Usage: scripts/wine.sh [--again-if-not-started] win64|win32 PROGRAM [ARG...]
# WINEPREFIX names the prefix; a WINEDLLOVERRIDES of the caller's is added to
# the overrides here.
# --again-if-not-started, for test programs, which always print: under a heavy
# load Wine now and then starts nothing, and the program ends at once, failed,
# without a word. Then it runs once more; any other failure stands.
set -euo pipefail
again=0
[ "${1:-}" != --again-if-not-started ] || { again=1; shift; }
case "${1:-}" in
  win64) loader=/usr/lib/wine/wine64 package=wine64 ;;
  win32) loader=/usr/lib/wine/wine package=wine32:i386 ;;
  *) echo "usage: ${0##*/} [--again-if-not-started] win64|win32 PROGRAM [ARG...]" >&2; exit 2 ;;
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
[ "$again" = 1 ] || exec "$loader" "$@"

output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
start=$SECONDS
status=0
"$loader" "$@" >"$output/out" 2>"$output/err" || status=$?
cat "$output/out"
cat "$output/err" >&2
if [ "$status" -ne 0 ] && [ ! -s "$output/out" ] && [ ! -s "$output/err" ] &&
   [ $((SECONDS - start)) -lt 10 ]; then
  echo "${0##*/}: $1 ended with status $status at once, printing nothing:" \
    "Wine started nothing; once more" >&2
  rm -rf "$output"
  exec "$loader" "$@"
fi
exit "$status"
