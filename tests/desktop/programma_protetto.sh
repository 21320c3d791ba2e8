#!/usr/bin/env bash
# Checks with hardening-check that a Linux program has every protection of
# Debian's hardening flags, and that it was compiled with each protection its
# architecture has (read from the flags GCC records in the debug
# info, DW_AT_producer, or from the compile line's flags).
# Stack clash probes are "unknown" in a program that needs none, so that alone
# cannot tell whether it was compiled with -fstack-clash-protection. Fortify
# finds no checked call, for the reason in debian/varnelo.lintian-overrides;
# x86 control-flow protection and arm64 branch protection are marked only where
# the C library's startup code is marked too (neither on Debian 12 nor 13), and
# never for the other processor.
# Usage: tests/desktop/programma_protetto.sh PROGRAM DEBUG-INFO
#        tests/desktop/programma_protetto.sh PROGRAM --flags "FLAGS"
#   DEBUG-INFO  the program itself when it has its debug info, else its
#               separate file (the -dbgsym package's .debug)
set -euo pipefail
program=$1
arch=$("$(dirname "$0")/architettura_elf.sh" "$program")

# The protections each architecture's program is compiled with, beside what
# every architecture gets: stack clash protection wherever GCC has it (all but
# riscv64), and the processor's control-flow protection where it has one.
case "$arch" in
  amd64 | i386) expected=(-fstack-clash-protection -fcf-protection) ;;
  arm64) expected=(-fstack-clash-protection -mbranch-protection=standard) ;;
  armhf | ppc64el | s390x) expected=(-fstack-clash-protection) ;;
  riscv64) expected=() ;;
esac

# The flags of each of the program's compilation units, one line each.
if [ "${2:-}" = --flags ]; then
  compiled=${3:?the compile line\'s flags}
else
  compiled=$(readelf --debug-dump=info "${2:?the file with the program\'s debug info}" 2>/dev/null |
    sed -n 's/.*DW_AT_producer *: *\(([^)]*): *\)\{0,1\}\(GNU C.*\)/\2/p' | sort -u)
  [ -n "$compiled" ] || { echo "$2: no DW_AT_producer of GCC in its debug info"; exit 1; }
fi
status=0
# GCC records -fcf-protection as its default level, -fcf-protection=full.
for flag in "${expected[@]}"; do
  while IFS= read -r unit; do
    [[ " $unit " == *" $flag "* || " $unit " == *" $flag=full "* ]] || { echo "$program: not compiled with $flag ($arch): $unit"; status=1; break; }
  done <<<"$compiled"
done

multiarch=$(dpkg-architecture -a"$arch" -qDEB_HOST_MULTIARCH 2>/dev/null)
startup_marked() { readelf -n "/usr/lib/$multiarch/Scrt1.o" | grep "$1" >/dev/null; }
while IFS= read -r line; do
  case "$line" in
    *:\ yes | "$program:") ;;
    # No probe found: right where the flags above were checked.
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
