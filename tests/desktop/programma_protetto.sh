#!/usr/bin/env bash
# Checks with hardening-check that a Linux program has every protection of
# Debian's hardening flags. Stack clash probes are "unknown" in a program that
# needs none; fortify finds no checked call, for the reason in
# debian/varnelo.lintian-overrides; x86 control-flow protection and arm64 branch
# protection are marked only where the C library's startup code is marked too
# (neither on Debian 12 nor 13), and never for the other processor.
# Usage: tests/desktop/programma_protetto.sh PROGRAM
set -euo pipefail
program=$1
arch=$("$(dirname "$0")/architettura_elf.sh" "$program")
multiarch=$(dpkg-architecture -a"$arch" -qDEB_HOST_MULTIARCH 2>/dev/null)
startup_marked() { readelf -n "/usr/lib/$multiarch/Scrt1.o" | grep "$1" >/dev/null; }
status=0
while IFS= read -r line; do
  case "$line" in
    *:\ yes | "$program:") ;;
    " Stack clash protection: unknown, no -fstack-clash-protection instructions found") ;;
    " Fortify Source functions: no, only unprotected functions found!") ;;
    " Control flow integrity: no, not found!")
      ! startup_marked 'x86 feature: IBT, SHSTK' || { echo "$program:$line"; status=1; } ;;
    " Branch Protection: no, not found!")
      ! startup_marked 'AArch64 feature: BTI, PAC' || { echo "$program:$line"; status=1; } ;;
    *) echo "$program:$line"; status=1 ;;
  esac
done < <(hardening-check "$program")
exit $status
