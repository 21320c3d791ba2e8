#!/usr/bin/env bash
# Builds every package of the committed HEAD twice, from two clones in two
# folders, one after the other, with a different umask, time zone and locale,
# and says whether the two builds are bit-identical; diffoscope shows each
# difference. SOURCE_DATE_EPOCH is left unset: the builds take it from the
# commit. Run after committing.
# Usage: scripts/reproducible.sh [PACKAGE...]
#   deb (amd64), deb-arm64, windows-x64, windows-x86, and reprotest: the amd64
#   .deb once more through reprotest, which also varies the clock (faketime),
#   the order of directory entries (disorderfs), host and domain names, the
#   kernel's reported version, CPUs, HOME, PATH and more; all but deb-arm64 by default.
# The clones and reports are under build/reproducible/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
require diffoscope diffoscope-minimal tests

packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(deb windows-x64 windows-x86 reprotest)
commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
  echo "reproducible.sh: building the commit $commit; changes not committed are left out" >&2
out=build/reproducible
rm -rf "$out"
mkdir -p "$out"

# What one package's build leaves to compare, relative to its clone.
build_package() {
  case "$1" in
    deb) scripts/deb.sh ;;
    deb-arm64) scripts/deb.sh arm64 ;;
    windows-x64 | windows-x86)
      # The tests are not packaged: left out, they cost no build time.
      cmake --preset "$1" -DBUILD_TESTING=OFF >/dev/null
      cmake --build --preset "$1" >/dev/null
      cpack --preset "$1" >/dev/null
      ls build/"$1"/bin/Varnelo.exe build/"$1"/Varnelo-*.zip build/"$1"/Varnelo-*.msi ;;
    *) echo "reproducible.sh: unknown package '$1'" >&2; exit 2 ;;
  esac
}

# Two builds that differ in all this machine lets vary without root tricks:
# the folder and its depth, the time, umask, time zone and locale.
build() {
  local clone=$1 mask=$2 zone=$3 language=$4 package
  git clone -q --no-hardlinks . "$clone"
  git -C "$clone" checkout -q --detach "$commit"
  for package in "${packages[@]}"; do
    [ "$package" != reprotest ] || continue
    (cd "$clone" && umask "$mask" && unset SOURCE_DATE_EPOCH &&
      export TZ=$zone LC_ALL=$language LANG=$language && build_package "$package")
  done
}
first=$out/a/varnelo
second=$out/b/second/folder/Varnelo-copy
echo "First build in $first"
build "$first" 022 UTC C.UTF-8 >"$out/first.list"
echo "Second build in $second"
build "$second" 002 Pacific/Chatham C >"$out/second.list"

status=0
while IFS= read -r file; do
  a=$(sha256sum <"$first/$file" | cut -d' ' -f1)
  b=$(sha256sum <"$second/$file" | cut -d' ' -f1)
  if [ "$a" = "$b" ]; then
    echo "identical  $a  $file"
  else
    status=1
    report=$out/${file//\//_}.diffoscope.txt
    echo "DIFFERENT  $a $b  $file (diffoscope: $report)"
    diffoscope --text "$report" "$first/$file" "$second/$file" >/dev/null 2>&1 || true
    head -40 "$report"
  fi
done <"$out/first.list"

if [[ " ${packages[*]} " == *" reprotest "* ]]; then
  # Every variation but user_group, which needs a second user account to build as,
  # and domain_host where no user namespace can be made (inside a chroot).
  variations=+all,-user_group
  if ! unshare -r --uts true 2>/dev/null; then
    variations+=,-domain_host
    echo "No user namespaces here: reprotest keeps the host and domain names"
  fi
  echo "reprotest of the amd64 .deb (log: $out/c/varnelo.reprotest.log)"
  require reprotest reprotest tests
  require disorderfs disorderfs tests
  # A clone of its own: reprotest copies the whole tree, and the others hold builds.
  third=$PWD/$out/c/varnelo
  git clone -q --no-hardlinks . "$third"
  git -C "$third" checkout -q --detach "$commit"
  if (cd "$third" && reprotest --verbosity 1 --vary="$variations" --store-dir="$third.reprotest" . \
        >"$third.reprotest.log" 2>&1); then
    grep -A1 '^No differences' "$third.reprotest.log"
  else
    status=1
    echo "reprotest found differences or failed:"
    tail -40 "$third.reprotest.log"
  fi
fi
exit $status
