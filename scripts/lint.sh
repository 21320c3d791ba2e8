#!/usr/bin/env bash
# clang-tidy and cppcheck over the project's own sources, as built by a preset
# (its compile_commands.json).
# Usage: scripts/lint.sh [PRESET | BUILD_DIR]   (default ci: build/ci; a name with
# a slash is a build folder, e.g. build/trixie-ci configured with -B)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh
require clang-tidy clang-tidy tests
require cppcheck cppcheck tests
build_dir=${1:-ci}
[[ $build_dir == */* ]] || build_dir=build/$build_dir
[ -f "$build_dir/compile_commands.json" ] || { echo "lint.sh: configure $build_dir first" >&2; exit 2; }

mapfile -t sources < <(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' |
  grep -v -e '/win32/' -e '^tests/fuzz/')

echo "clang-tidy $(clang-tidy --version | grep -o 'version [0-9.]*'): ${#sources[@]} files"
# Only the count of warnings in system headers, and the progress lines that newer
# releases print for each file, are left out of what clang-tidy says.
printf '%s\n' "${sources[@]}" |
  xargs -P 2 -n 4 clang-tidy -p "$build_dir" --quiet \
    2> >(grep -v -e ' warnings\? generated\.$' -e '^\[[0-9]*/[0-9]*\] Processing file ' >&2)

echo "cppcheck $(cppcheck --version | grep -o '[0-9.]*$')"
# cppcheck 2.11 and later note where they limit their analysis of branches: a
# note about the analysis, not a finding.
cppcheck --quiet --error-exitcode=1 --inline-suppr --std=c++20 --language=c++ \
  --enable=warning,performance,portability --suppress=missingIncludeSystem \
  --suppress=normalCheckLevelMaxBranches \
  --library=googletest --library=qt \
  -I src -I tests "${sources[@]}"
