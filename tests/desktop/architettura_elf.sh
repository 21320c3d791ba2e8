#!/usr/bin/env bash
# Prints the Debian architecture of a Linux program, from its ELF header: the
# machine, and for the machines two architectures share, width and byte order.
# Usage: tests/desktop/architettura_elf.sh PROGRAM
set -euo pipefail
header=$(readelf -h "$1")
field() { sed -n "s/^ *$1: *//p" <<<"$header"; }
case "$(field Machine)/$(field Class)/$(field Data)" in
  *X86-64*/ELF64/*) echo amd64 ;;
  "Intel 80386"/ELF32/*) echo i386 ;;
  AArch64/ELF64/*little*) echo arm64 ;;
  ARM/ELF32/*little*) echo armhf ;;
  PowerPC64/ELF64/*little*) echo ppc64el ;;
  RISC-V/ELF64/*) echo riscv64 ;;
  "IBM S/390"/ELF64/*big*) echo s390x ;;
  *) echo "$1: no Debian architecture known for its machine $(field Machine)" >&2; exit 1 ;;
esac
