#!/usr/bin/env bash
# Checks a .deb that scripts/deb.sh made: the program, its desktop records,
# icons, manual page and license where desktops and Debian look; the
# architecture and libraries it declares; its -dbgsym package beside it; both
# lintian clean; the program hardened (programma_protetto.sh).
# Usage: tests/desktop/pacchetto_deb.sh build/deb/varnelo_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/../.."
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
root=$work/root

status=0
fail() { echo "$deb: $*"; status=1; }
for file in usr/bin/Varnelo \
            usr/share/applications/it.varnelo.Varnelo.desktop \
            usr/share/metainfo/it.varnelo.Varnelo.metainfo.xml \
            usr/share/icons/hicolor/16x16/apps/it.varnelo.Varnelo.png \
            usr/share/icons/hicolor/32x32/apps/it.varnelo.Varnelo.png; do
  [ -s "$root/$file" ] || fail "not in the package: $file"
done
[ -x "$root/usr/bin/Varnelo" ] || fail "usr/bin/Varnelo is not executable"
# lintian checks the icons' sizes and the manual page.

# The license the package carries is LICENSE's, word for word: the copyright
# file's last paragraph (the Expat text), unindented, is LICENSE from its grant on.
tac "$root/usr/share/doc/varnelo/copyright" | sed '/^License: Expat$/q' | tac |
  sed '1d; s/^ //; s/^\.$//' >"$work/license"
sed -n '/^Permission is hereby granted/,$p' LICENSE | diff -u - "$work/license" >&2 ||
  fail "the copyright file's license is not LICENSE's"

# The package is of the architecture its program was built for, and names it.
arch=$(tests/desktop/architettura_elf.sh "$root/usr/bin/Varnelo")
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] ||
  fail "Architecture is $(dpkg-deb -f "$deb" Architecture), the program is $arch"
# debian/changelog gives the package the version that CMake gives the program.
version=$(sed -n 's/^project(Varnelo VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ "${deb##*/}" = "varnelo_${version}_$arch.deb" ] || fail "file name is ${deb##*/}, not of $version"
# Depends names the libraries of that architecture, as installed here.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libmount1 libc6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
for package in $(tr ',' '\n' <<<"$depends" | sed 's/ *(.*//; s/^ *//'); do
  dpkg-query -W "$package:$arch" >/dev/null 2>&1 ||
    fail "Depends names $package, not installed here for $arch"
done

# The debug symbols, for a user's crash, in the package dh makes beside it.
dbgsym=$(dirname "$deb")/varnelo-dbgsym_${deb##*/varnelo_}
[ -s "$dbgsym" ] || { fail "no debug symbols package beside it: $dbgsym"; dbgsym=""; }

# Every tag, down to pedantic and experimental, is fixed or overridden with its
# reason. Debian 13's lintian validates the metainfo without the one allowance
# that metainfo_valida.sh makes (no homepage); Debian 12's has no such tag, so
# it cannot be an override.
suppress=()
! lintian-explain-tags appstream-metadata-validation-failed >/dev/null 2>&1 ||
  suppress=(--suppress-tags appstream-metadata-validation-failed)
lintian --pedantic --display-info --display-experimental "${suppress[@]}" \
  --fail-on error,warning,info,pedantic,experimental "$deb" ${dbgsym:+"$dbgsym"} 2>/dev/null ||
  fail "lintian found the tags above"

# Hardened, as the flags its debug info records say it was compiled.
if [ -n "$dbgsym" ]; then
  dpkg-deb -x "$dbgsym" "$work/dbgsym"
  build_id=$(readelf -n "$root/usr/bin/Varnelo" | sed -n 's/^ *Build ID: *//p')
  tests/desktop/programma_protetto.sh "$root/usr/bin/Varnelo" \
    "$work/dbgsym/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" || status=1
fi
exit $status
