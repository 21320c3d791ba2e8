#!/usr/bin/env bash
# Exits 0 when this machine runs 32-bit x86 programs. When it does not (a kernel
# without IA-32 emulation: boot option ia32_emulation=0, some virtual machines
# and containers refuse them with ENOEXEC), prints what that means for the
# Windows tests, the one line every caller shows, and exits 1.
# VARNELO_X86_32=0 or 1 answers instead of the check: 0 takes the path of a
# machine without 32-bit code on one that has it. scripts/test.sh makes the
# check once and exports the answer this way for every script after it.
set -euo pipefail
senza_x86_32() {
  echo "this machine runs no 32-bit x86 code: the x86 exe was built and checked, not run"
  exit 1
}
case "${VARNELO_X86_32:-}" in
  1) exit 0 ;;
  0) senza_x86_32 ;;
  "") ;;
  *) echo "${0##*/}: VARNELO_X86_32 is '$VARNELO_X86_32'; it takes 0 or 1" >&2; exit 2 ;;
esac

# The smallest i386 program: an ELF header, one loadable segment, and the
# code of exit(7) through int 0x80. Written into the build folder, whose files
# are run anyway, so that a /tmp mounted noexec cannot pass for a kernel
# without 32-bit code.
build="$(dirname "$0")/../build"
mkdir -p "$build"
programma=$(mktemp "$build/x86-32.XXXXXX")
trap 'rm -f "$programma"' EXIT
printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0' >"$programma" # 32-bit, little endian
printf '\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0' >>"$programma" # executable, i386, entry, phoff
printf '\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >>"$programma" # one program header
printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10' >>"$programma" # PT_LOAD at 0x08048000
printf '\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >>"$programma" # 93 bytes, read and execute
printf '\61\333\263\7\61\300\100\315\200' >>"$programma" # ebx = 7; eax = 1; int 0x80
chmod +x "$programma"
esito=0
"$programma" 2>/dev/null || esito=$?
[ "$esito" -eq 7 ] || senza_x86_32
