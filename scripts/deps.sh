#!/usr/bin/env bash
# Installs the Debian packages of the named groups, only those missing.
# Usage: scripts/deps.sh GROUP...
#   program  build and open the Linux program
#   tests    what the Linux tests, lint, fuzzing and benchmarks add
#   windows  cross-build both Varnelo.exe (x86-64 and i686), package them (zip,
#            MSI) and test them under Wine; adds the i386 architecture to dpkg
#            for wine32 if it is missing, and leaves wine32 out on a machine
#            that runs no 32-bit x86 code (scripts/runs-x86-32.sh)
#   an architecture of scripts/cross-arches.sh (arm64, armhf, ...)
#            cross-build the Linux program and its tests for that architecture
#            and run the tests under qemu; adds the architecture to dpkg if it
#            is missing; one this Debian release lacks (scripts/cross-arches.sh)
#            stops it with the reason, before anything is installed
# Every name exists on Debian 12 and 13 alike: no version in a name where an
# unversioned package exists.
set -euo pipefail

program_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n
  libmount-dev fonts-dejavu-core dpkg-dev)
# orca, xdotool, dbus-daemon, at-spi2-core and util-linux (unshare, for Orca's
# namespaces): the screen-reader test, which drives the program with keys and
# hears what Orca says. qt6-base-private-dev: the Qt tests turn accessibility
# on, as a listening reader does, to hear the events.
tests_packages=(qt6-base-private-dev libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev clang-tidy
  cppcheck xvfb desktop-file-utils appstream dpkg-dev file debhelper lintian devscripts reprotest
  diffoscope-minimal faketime disorderfs build-essential piuparts debootstrap autopkgtest
  orca xdotool dbus-daemon at-spi2-core util-linux)
# wine32 comes from the i386 architecture: it runs the 32-bit Varnelo.exe.
windows_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix
  binutils-mingw-w64-i686 googletest wine wine64 wine32:i386 xvfb xauth icoutils imagemagick
  python3-pefile wixl msitools)
source "$(dirname "$0")/cross-arches.sh"
# The target's libraries through multiarch, beside the native ones; Qt's host
# tools stay the native packages'.
cross_packages() {
  echo "crossbuild-essential-$1 qt6-base-dev:$1 qt6-base-private-dev:$1 libmount-dev:$1 libgtest-dev:$1 qemu-user pkg-config:$1"
}
groups="program, tests, windows or an architecture (${cross_arches[*]})"

[ $# -gt 0 ] || { echo "usage: scripts/deps.sh GROUP... ($groups)" >&2; exit 2; }
# An architecture asked for that cannot be tested here stops everything, before
# anything is installed.
for group in "$@"; do
  case "$group" in
    program | tests | windows) ;;
    *)
      refusal=0
      reason=$(cross_arch_in_release "$group") || refusal=$?
      [ "$refusal" -ne 2 ] || { echo "deps.sh: unknown group '$group': $groups" >&2; exit 2; }
      [ "$refusal" -eq 0 ] || { echo "deps.sh: $reason" >&2; exit 1; }
      ;;
  esac
done
wanted=()
for group in "$@"; do
  case "$group" in
    program) wanted+=("${program_packages[@]}") ;;
    tests) wanted+=("${tests_packages[@]}") ;;
    windows)
      x86_32=0
      senza_x86_32=$("$(dirname "$0")/runs-x86-32.sh") || x86_32=$?
      [ "$x86_32" -le 1 ] || exit 2
      if [ "$x86_32" -eq 0 ]; then
        wanted+=("${windows_packages[@]}")
      else
        echo "deps.sh: $senza_x86_32; wine32:i386 is left out"
        for package in "${windows_packages[@]}"; do
          [ "$package" = wine32:i386 ] || wanted+=("$package")
        done
      fi
      ;;
    *)
      read -ra packages <<<"$(cross_packages "$group")"
      wanted+=("${packages[@]}")
      ;;
  esac
done

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    [[ " ${missing[*]} " == *" $package "* ]] || missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# Architectures that missing packages name (wine32:i386) and dpkg does not have yet.
# A package of another architecture must never cost a native one: apt fails
# rather than remove.
apt_options=(--no-install-recommends)
foreign=0
new_architectures=()
for package in "${missing[@]}"; do
  [[ "$package" == *:* ]] || continue
  foreign=1
  architecture=${package##*:}
  if [ "$architecture" != "$(dpkg --print-architecture)" ] &&
     ! dpkg --print-foreign-architectures | grep -qx "$architecture" &&
     [[ " ${new_architectures[*]} " != *" $architecture "* ]]; then
    new_architectures+=("$architecture")
  fi
done
[ "$foreign" -eq 0 ] || apt_options+=(--no-remove)

# A package of another architecture must have exactly the version of its
# installed native twin (Multi-Arch: same): on a system behind the archive the
# twins move together, so the line for root brings the system up to date first.
if [ "$foreign" -eq 1 ]; then
  install_line="apt-get update; apt-get --with-new-pkgs upgrade && apt-get install ${apt_options[*]} ${missing[*]}"
else
  install_line="apt-get update && apt-get install ${apt_options[*]} ${missing[*]}"
fi
for architecture in "${new_architectures[@]}"; do
  install_line="dpkg --add-architecture $architecture && $install_line"
done
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "deps.sh: these packages are missing, and installing them needs root:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    echo "As root, run:" >&2
    echo "  $install_line" >&2
    exit 1
  fi
  as_root=(sudo)
fi

for architecture in "${new_architectures[@]}"; do
  echo "Adding the $architecture architecture to dpkg (dpkg --add-architecture $architecture)"
  if ! "${as_root[@]}" dpkg --add-architecture "$architecture"; then
    echo "deps.sh: could not add the $architecture architecture. As root, run:" >&2
    echo "  $install_line" >&2
    exit 1
  fi
done
echo "Installing: ${missing[*]}"
apt_install() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q -o DPkg::Lock::Timeout=600 "${apt_options[@]}" "$@" "${missing[@]}"
}
# Installs when apt, asked first without changing anything, finds a way.
install_if_possible() {
  apt_install -s "$@" >/dev/null 2>&1 || return 1
  apt_install "$@" || cannot_install
}
cannot_install() {
  # A 404 comes from a mirror that lacks files its own index names (seen for
  # one architecture's new builds): only a later try helps.
  echo "deps.sh: could not install the missing packages (where apt says 'Failed to fetch ... 404'" \
    "above, the mirror lacks those files of its index: try later). As root, run:" >&2
  echo "  $install_line" >&2
  exit 1
}
# A mirror in the middle of a sync can fail one index: try again once, then
# install from the indexes that did come (apt says which failed).
update_errors=$(mktemp)
trap 'rm -f "$update_errors" "$update_errors.preferences"' EXIT
if ! "${as_root[@]}" apt-get update -q -o DPkg::Lock::Timeout=600; then
  sleep 10
  update_status=0
  "${as_root[@]}" apt-get update -q -o DPkg::Lock::Timeout=600 2>"$update_errors" || update_status=$?
  cat "$update_errors" >&2
  [ "$update_status" -eq 0 ] ||
    echo "deps.sh: apt-get update fetched only some indexes; installing from those" >&2
fi
if [ "$foreign" -eq 0 ]; then
  apt_install && exit 0
else
  install_if_possible && exit 0
  # The system is behind the archive: upgrade the installed Multi-Arch: same
  # packages of every architecture that have a newer version, with the new
  # ones, in one transaction. They keep their mark of automatically installed.
  mapfile -t twins < <(comm -12 \
    <(apt list --upgradable 2>/dev/null | sed -n 's|^\([^/]*\)/[^ ]* [^ ]* \([^ ]*\) .*|\1:\2|p' | sort) \
    <(dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture} ${Multi-Arch}\n' |
      awk '$1 == "ii" && $3 == "same" { print $2 }' | sort))
  if [ ${#twins[@]} -gt 0 ]; then
    mapfile -t automatic < <(apt-mark showauto "${twins[@]}")
    if install_if_possible "${twins[@]}"; then
      echo "deps.sh: upgraded with them, so that each twin has one version: ${twins[*]}"
      [ ${#automatic[@]} -eq 0 ] || "${as_root[@]}" apt-mark auto "${automatic[@]}" >/dev/null
      exit 0
    fi
  fi
fi
# A package of a second architecture must have the same version as its native
# twin. When one suite's index of that architecture is missing, the twin's
# candidate may come from that suite and the pair cannot match: install once
# more with the failed suites ranked below installed versions, so both take
# their versions from the suites that came whole.
mapfile -t failed_suites < <(sed -n 's|^[EW]: Failed to fetch .*/dists/\([^/]*\)/.*|\1|p' \
  "$update_errors" | sort -u)
if [ ${#failed_suites[@]} -gt 0 ]; then
  # A sources line names a suite by its codename (bookworm-security) or by its
  # archive name (stable-security); either may stand in the address.
  for suite in "${failed_suites[@]}"; do
    printf 'Package: *\nPin: release %s=%s\nPin-Priority: 50\n\n' n "$suite" a "$suite"
  done >"$update_errors.preferences"
  echo "deps.sh: installing again, without the newer versions in ${failed_suites[*]}," \
    "whose indexes did not all come" >&2
  apt_install -o Dir::Etc::Preferences="$update_errors.preferences" && exit 0
fi
if [ "$foreign" -eq 1 ]; then
  # Name the pairs that fail: each twin apt cannot install, the native version
  # installed, and the versions the archive has of the other architecture.
  native=$(dpkg --print-architecture)
  { apt_install -s 2>&1 || true; } | sed -n 's/.*Depends: \([^ ]*:[a-z0-9]*\) .*not going to be installed.*/\1/p' |
    sort -u | while read -r twin; do
      installed=$(dpkg-query -W -f='${Version}' "${twin%%:*}:$native" 2>/dev/null) || continue
      versions=$(apt-cache madison "$twin" | awk -F' [|] ' '{ print $2 }' | tr -d ' ' | paste -sd ' ')
      echo "deps.sh: ${twin%%:*} is installed at $installed for $native; for ${twin##*:} the archive has ${versions:-no version}" >&2
    done
  # A suite that carries no packages of the architecture (the security suite
  # of a release in long-term support carries fewer) never has the twins of
  # the updates it brought: no upgrade or later try can help.
  lacking=$(for release in /var/lib/apt/lists/*_InRelease; do
    for package in "${missing[@]}"; do
      [[ "$package" == *:* ]] || continue
      sed -n 's/^Architectures: //p' "$release" | grep -qw -- "${package##*:}" ||
        echo "${package##*:} $(sed -n 's/^Suite: //p' "$release") ($(sed -n 's/^Codename: //p' "$release"))"
    done
  done | sort -u)
  if [ -n "$lacking" ]; then
    while read -r architecture suite; do
      echo "deps.sh: the suite $suite has no $architecture packages, so the updates installed from it have no $architecture twin: $architecture cannot be installed beside them on this release" >&2
    done <<<"$lacking"
    exit 1
  fi
  cat >&2 <<MESSAGE
deps.sh: could not install the packages of another architecture. Each must have
exactly the version of its twin of this machine's architecture, and for some
twin the archive has no such pair: this system is behind the archive (then the
twins of every architecture, those installed for Wine too, must move together),
or the mirror's index of the other architecture lags behind its native one.
Bring the system up to date, as root:
  apt-get update; apt-get --with-new-pkgs upgrade
then run scripts/deps.sh $* again; if it still fails, the mirror lags: try later.
MESSAGE
  exit 1
fi
cannot_install
