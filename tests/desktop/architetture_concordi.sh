#!/usr/bin/env bash
# The Linux architectures are listed once, in scripts/cross-arches.sh; the
# lists that cannot be made from it must name the same ones: the presets,
# cmake/linux-cross.cmake's qemu names, architettura_elf.sh's names (with
# amd64, the build machine's), programma_protetto.sh's protections and the
# report test's machines.
# Usage: tests/desktop/architetture_concordi.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/cross-arches.sh
status=0
# Compares the names a file gives with the ones expected, sorted.
concordi() {
  local where=$1 expected=$2 found=$3
  [ "$(tr ' ' '\n' <<<"$expected" | sort -u)" = "$(sort -u <<<"$found")" ] ||
    { echo "$where names $(paste -sd' ' <<<"$found"), not $expected"; status=1; }
}
for kind in configure build test; do
  concordi "the $kind presets" "${cross_arches[*]}" \
    "$(cmake --list-presets="$kind" | sed -n 's/^ *"linux-\([^"]*\)".*/\1/p')"
done
concordi cmake/linux-cross.cmake "${cross_arches[*]}" \
  "$(sed -n 's/^set(varnelo_qemu_\([a-z0-9]*\) .*/\1/p' cmake/linux-cross.cmake)"
concordi tests/desktop/architettura_elf.sh "amd64 ${cross_arches[*]}" \
  "$(sed -n 's/.*) echo \([a-z0-9]*\) ;;$/\1/p' tests/desktop/architettura_elf.sh)"
concordi tests/desktop/programma_protetto.sh "amd64 ${cross_arches[*]}" \
  "$(sed -n 's/^  \([a-z0-9 |]*\)) expected=.*/\1/p' tests/desktop/programma_protetto.sh | tr -d ' ' | tr '|' '\n')"
for row in "${cross_arch_table[@]}"; do
  read -r arch first machine <<<"$row"
  grep -qE "\\{\"$machine\", (32|64)\\}" tests/linux/report_sistema_test.cpp ||
    { echo "the report test has no expected values for $arch's machine $machine"; status=1; }
done
exit $status
