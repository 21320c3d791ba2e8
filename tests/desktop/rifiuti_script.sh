#!/usr/bin/env bash
# The scripts refuse what they cannot do, with their status and reason: each
# row runs one command and expects its exit status and a part of its message.
# "on Debian 12" runs the command where /etc/os-release says Debian 12 (a
# private mount namespace), whatever this machine's release is.
# Usage: tests/desktop/rifiuti_script.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# runs-x86-32.sh where it cannot write its probe: its build folder is a file.
mkdir "$work/scripts"
cp "$root/scripts/runs-x86-32.sh" "$work/scripts/"
touch "$work/build"
# Configuring a project of version 0.0.1 beside this debian/changelog.
mkdir -p "$work/progetto/debian" "$work/progetto/src"
cp "$root/debian/changelog" "$work/progetto/debian/"
cp "$root/src/versione.h.in" "$work/progetto/src/"
printf 'cmake_minimum_required(VERSION 3.25)\nproject(Varnelo VERSION 0.0.1 LANGUAGES NONE)\ninclude(%s)\n' \
  "$root/cmake/versione.cmake" >"$work/progetto/CMakeLists.txt"
printf 'PRETTY_NAME="Debian GNU/Linux 12 (bookworm)"\nVERSION_ID="12"\nVERSION_CODENAME=bookworm\nID=debian\n' \
  >"$work/os-release-12"
# A script whose guard fails must not change this system: dpkg only answers
# questions, apt-get and sudo refuse.
mkdir "$work/bin"
printf '#!/bin/sh\ncase "$1" in --print-*) exec /usr/bin/dpkg "$@" ;; esac\necho "dpkg $*: refused by the test" >&2\nexit 99\n' \
  >"$work/bin/dpkg"
printf '#!/bin/sh\necho "$0 $*: refused by the test" >&2\nexit 99\n' >"$work/bin/apt-get"
cp "$work/bin/apt-get" "$work/bin/sudo"
chmod +x "$work/bin/"*
export PATH="$work/bin:$PATH"
# Root needs no user namespace, and a chroot (a fresh machine's, a builder's)
# refuses one.
spazio=(unshare --mount)
[ "$(id -u)" -eq 0 ] || spazio=(unshare --user --map-root-user --mount)
on_debian_12() {
  "${spazio[@]}" -- \
    bash -c 'mount --bind "$0" /etc/os-release && exec "$@"' "$work/os-release-12" "$@"
}

status=0
while IFS='|' read -r expected message command; do
  output=$(cd "$root" && eval "$command" 2>&1) && got=0 || got=$?
  if [ "$got" -ne "$expected" ] || [[ "$output" != *"$message"* ]]; then
    printf '%s: exit %s, not %s with "%s":\n%s\n' "$command" "$got" "$expected" "$message" "$output"
    status=1
  fi
done <<'TABLE'
2|'nonesuch' is no Debian architecture|scripts/deb.sh nonesuch
2|could not find out whether this machine runs 32-bit x86 code|VARNELO_X86_32= "$work/scripts/runs-x86-32.sh"
2|VARNELO_X86_32 is 'forse'|VARNELO_X86_32=forse scripts/runs-x86-32.sh
1|first entry is not of version 0.0.1|cmake -S "$work/progetto" -B "$work/progetto/build"
2|unknown architecture 'nonesuch'|scripts/test-arches.sh nonesuch
2|unknown group 'nonesuch'|scripts/deps.sh nonesuch
1|riscv64 is not in Debian 12, only from Debian 13 on|on_debian_12 scripts/test-arches.sh riscv64
1|riscv64 is not in Debian 12, only from Debian 13 on|on_debian_12 scripts/deps.sh program riscv64
TABLE
exit $status
