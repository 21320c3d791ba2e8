#!/usr/bin/env bash
# Runs a Windows program under Wine with the settings every Windows test and
# script uses (scripts/wine-env.sh), on the loader of the prefix's processor.
# Usage: scripts/wine.sh [--again-if-not-started] win64|win32 PROGRAM [ARG...]
# WINEPREFIX names the prefix; a WINEDLLOVERRIDES of the caller's is added to
# the overrides here.
# --again-if-not-started, for test programs, which always print: under a heavy
# load Wine now and then starts nothing, and the program ends at once, failed,
# without a word. Then it runs once more; any other failure stands.
set -euo pipefail
again=0
[ "${1:-}" != --again-if-not-started ] || { again=1; shift; }
source "$(dirname "$0")/wine-env.sh"
status=0
ambiente_wine "${1:-}" || status=$?
case $status in
  0) shift ;;
  2) echo "usage: ${0##*/} [--again-if-not-started] win64|win32 PROGRAM [ARG...]" >&2; exit 2 ;;
  *) exit "$status" ;;
esac
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
