#!/usr/bin/env bash
# Whether this machine runs 32-bit x86 programs, found by running one:
#   0  it ran;
#   1  the kernel refused it (a kernel without IA-32 emulation: boot option
#      ia32_emulation=0; some virtual machines and containers refuse it with
#      ENOEXEC): prints what that means for the Windows tests, the one line
#      every caller shows;
#   2  the probe could not even be tried (not written, not executable, killed
#      by something else): says why on stderr. Every caller stops on it.
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
non_provato() {
  echo "${0##*/}: could not find out whether this machine runs 32-bit x86 code: $*" >&2
  exit 2
}
trap 'non_provato "\"$BASH_COMMAND\" failed"' ERR
build="$(dirname "$0")/../build"
programma=""
trap 'rm -f "$programma"' EXIT
mkdir -p "$build"
programma=$(mktemp "$build/x86-32.XXXXXX")
printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0' >"$programma" # 32-bit, little endian
printf '\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0' >>"$programma" # executable, i386, entry, phoff
printf '\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >>"$programma" # one program header
printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10' >>"$programma" # PT_LOAD at 0x08048000
printf '\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >>"$programma" # 93 bytes, read and execute
printf '\61\333\263\7\61\300\100\315\200' >>"$programma" # ebx = 7; eax = 1; int 0x80
chmod +x "$programma"
trap - ERR

esito=0
errore=$("$programma" 2>&1) || esito=$?
case "$esito" in
  7) exit 0 ;;
  # ENOEXEC: the kernel knows no 32-bit programs. A signal: it loaded the
  # program and refused its system call.
  126) [[ "$errore" != *"Exec format error"* ]] || senza_x86_32 ;;
  1[3-9][0-9] | 2[0-5][0-9]) senza_x86_32 ;;
esac
non_provato "the probe $programma ended with status $esito${errore:+: $errore}"
