#!/usr/bin/env bash
# Installs what is missing, then builds and runs every check headless: the
# .deb and its own test (autopkgtest, in a throwaway chroot), lint, fuzzing,
# the sanitizer build, Windows under Wine, and the Linux suite last.
# VARNELO_SKIP_WINDOWS=1 leaves out the Windows build and Wine;
# VARNELO_ARCHES="armhf i386 ..." adds the Linux build of each architecture
# named, its tests (under qemu, or natively where the machine runs them) and
# its .deb (scripts/test-arches.sh), and VARNELO_ARM64=1 adds arm64 to them;
# one that cannot be tested here stops it at once, with the reason.
# VARNELO_X86_32=0 tests as on a machine that runs no 32-bit x86 code.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

# Whether this machine runs 32-bit x86 code, asked once for every step.
x86_32=0
scripts/runs-x86-32.sh >/dev/null || x86_32=$?
[ "$x86_32" -le 1 ] || exit 2
export VARNELO_X86_32=$((1 - x86_32))

groups=(program tests)
[ "${VARNELO_SKIP_WINDOWS:-0}" = 1 ] || groups+=(windows)
read -ra arches <<<"${VARNELO_ARCHES:-}"
[ "${VARNELO_ARM64:-0}" != 1 ] || [[ " ${arches[*]} " == *" arm64 "* ]] || arches=(arm64 "${arches[@]}")
groups+=("${arches[@]}")
scripts/deps.sh "${groups[@]}"

step() { printf '\n==== %s\n' "$*"; }

step "Linux build (warnings as errors)"
cmake --preset ci >/dev/null
cmake --build --preset ci

step "Debian package: built by dpkg-buildpackage, lintian, hardening-check"
deb=$(scripts/deb.sh)
tests/desktop/pacchetto_deb.sh "$deb"
(cd build/deb && sha256sum --check --quiet SHA256SUMS)

step "Debian package's own test: autopkgtest in a throwaway chroot"
scripts/autopkgtest.sh "$deb"

step "clang-tidy and cppcheck"
scripts/lint.sh ci

step "Fuzzing"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

step "AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

if [ "${VARNELO_SKIP_WINDOWS:-0}" != 1 ]; then
  step "Windows under Wine"
  scripts/test-windows.sh
fi

if [ ${#arches[@]} -gt 0 ]; then
  step "Linux ${arches[*]}, under qemu where this machine cannot run them"
  scripts/test-arches.sh "${arches[@]}"
fi

step "Linux tests"
ctest --preset ci
