#!/usr/bin/env bash
# Builds the build tree's packages with cpack (the zip, the MSI and their
# SHA256SUMS), and the same MSI as a later version, which the upgrade tests
# install over it.
# Usage: costruisci_msi.sh CPACK BUILD_DIR OUT_DIR LATER_VERSION
set -euo pipefail
cpack=$1
build_dir=$2
out=$3
later=$4

rm -rf "$out"
cd "$build_dir"
"$cpack" -G External -B "$out/attuale" >/dev/null
"$cpack" -G External -B "$out/successivo" -D CPACK_PACKAGE_VERSION="$later" >/dev/null
mv "$out"/attuale/*.zip "$out"/attuale/*.msi "$out"/attuale/SHA256SUMS "$out"/successivo/*.msi "$out"
rm -rf "$out/attuale" "$out/successivo"
ls "$out"
