#!/usr/bin/env bash
# Prints the SOURCE_DATE_EPOCH that builds stamp into their files: the
# environment's when it is set, else the time of the last commit, so that every
# build of one commit is stamped alike.
set -euo pipefail
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  echo "$SOURCE_DATE_EPOCH"
else
  git -C "$(dirname "$0")/.." log -1 --format=%ct
fi
