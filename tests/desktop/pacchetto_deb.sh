#!/usr/bin/env bash
# Checks a .deb that scripts/deb.sh made: the program, its desktop records,
# icons, manual page and license where desktops and Debian look; the
# architecture and libraries it declares; lintian clean; the program hardened.
# Usage: tests/desktop/pacchetto_deb.sh build/deb/varnelo_1.0.0_ARCH.deb
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
            usr/share/icons/hicolor/32x32/apps/it.varnelo.Varnelo.png \
            usr/share/man/man1/Varnelo.1.gz \
            usr/share/doc/varnelo/copyright; do
  [ -s "$root/$file" ] || fail "not in the package: $file"
done
[ -x "$root/usr/bin/Varnelo" ] || fail "usr/bin/Varnelo is not executable"
for size in 16 32; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/it.varnelo.Varnelo.png"
  # PNG width and height are big-endian 32-bit numbers at bytes 16 and 20.
  read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$width x $height" = "$size x $size" ] || fail "icon ${size}: is ${width}x${height}"
done

# The license the package carries is LICENSE's, word for word: the copyright
# file's last paragraph (the Expat text), unindented, is LICENSE from its grant on.
tac "$root/usr/share/doc/varnelo/copyright" | sed '/^License: Expat$/q' | tac |
  sed '1d; s/^ //; s/^\.$//' >"$work/license"
sed -n '/^Permission is hereby granted/,$p' LICENSE | diff -u - "$work/license" >&2 ||
  fail "the copyright file's license is not LICENSE's"

# The package is of the architecture its program was built for, and names it.
machine=$(readelf -h "$root/usr/bin/Varnelo" | sed -n 's/^ *Machine: *//p')
case "$machine" in
  *X86-64*) arch=amd64 ;;
  AArch64) arch=arm64 ;;
  *) echo "no Debian architecture known for machine '$machine'"; exit 1 ;;
esac
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] ||
  fail "Architecture is $(dpkg-deb -f "$deb" Architecture), the program is $arch"
[ "${deb##*/}" = "varnelo_1.0.0_$arch.deb" ] || fail "file name is ${deb##*/}"
# Depends names the libraries of that architecture, as installed here.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libmount1 libc6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
for package in $(tr ',' '\n' <<<"$depends" | sed 's/ *(.*//; s/^ *//'); do
  dpkg-query -W "$package:$arch" >/dev/null 2>&1 ||
    fail "Depends names $package, not installed here for $arch"
done

# Every tag, down to pedantic and experimental, is fixed or overridden with its reason.
lintian --pedantic --display-info --display-experimental \
  --fail-on error,warning,info,pedantic,experimental "$deb" 2>/dev/null ||
  fail "lintian found the tags above"

# Every protection present. Stack clash probes are "unknown" in a program that
# needs none; fortify finds no checked call, for the reason in
# debian/varnelo.lintian-overrides; control-flow protection is marked only
# where the C library's startup code is marked too (not on Debian 12).
startup=/usr/lib/$(dpkg-architecture -a "$arch" -qDEB_HOST_MULTIARCH 2>/dev/null)/Scrt1.o
while IFS= read -r line; do
  case "$line" in
    *:\ yes | */usr/bin/Varnelo:) ;;
    " Stack clash protection: unknown, no -fstack-clash-protection instructions found") ;;
    " Fortify Source functions: no, only unprotected functions found!") ;;
    " Control flow integrity: no, not found!")
      ! readelf -n "$startup" | grep -q 'x86 feature: IBT, SHSTK' || fail "hardening-check:$line" ;;
    *) fail "hardening-check:$line" ;;
  esac
done < <(hardening-check "$root/usr/bin/Varnelo")
exit $status
